#pragma once

#include "model/FormControls.h"
#include "platform/Clipboard.h"
#include "platform/Prompt.h"

#include <functional>
#include <string>

namespace pickwell {

// The Generated Menu Code window (Form3): the function code in Text1 and the HTML code in
// Text2, each with its own copy button, plus "Save to File" and "Done". It lives for one
// generation and is shown modally.
class CodeWindowForm : public FormModel {
public:
    static constexpr const char* Caption = "Generated Menu Code";
    static constexpr const char* CopiedTitle = "Code Copied";
    static constexpr const char* CopiedText = "Code has been successfully copied to Clipboard.";

    // `saveToFile` runs the main window's save code command.
    CodeWindowForm(std::string functionCode, std::string htmlCode, Clipboard& clipboard,
                   Prompt& prompt, std::function<void()> saveToFile);

    const TextControl& Text1() const { return m_text1; }
    const TextControl& Text2() const { return m_text2; }
    // The panes can be edited; the copy buttons take what they hold now.
    void SetText1(std::string text);
    void SetText2(std::string text);

    void CopyText1();
    void CopyText2();
    // Leaves the window open.
    void SaveToFile();
    void Done();
    // Closed by its close box: the same as "Done".
    void Close() { Done(); }

    bool closed() const { return m_closed; }

private:
    void Copy(const std::string& text);

    TextControl m_text1;
    TextControl m_text2;
    Clipboard& m_clipboard;
    Prompt& m_prompt;
    std::function<void()> m_saveToFile;
    bool m_closed = false;
};

} // namespace pickwell
