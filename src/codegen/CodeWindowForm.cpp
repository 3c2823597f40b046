#include "codegen/CodeWindowForm.h"

#include <utility>

namespace pickwell {

CodeWindowForm::CodeWindowForm(std::string functionCode, std::string htmlCode, Clipboard& clipboard,
                               Prompt& prompt, std::function<void()> saveToFile)
    : m_text1{std::move(functionCode)}
    , m_text2{std::move(htmlCode)}
    , m_clipboard(clipboard)
    , m_prompt(prompt)
    , m_saveToFile(std::move(saveToFile)) {}

void CodeWindowForm::SetText1(std::string text) {
    m_text1.text = std::move(text);
    NotifyChanged();
}

void CodeWindowForm::SetText2(std::string text) {
    m_text2.text = std::move(text);
    NotifyChanged();
}

void CodeWindowForm::CopyText1() {
    Copy(m_text1.text);
}

void CodeWindowForm::CopyText2() {
    Copy(m_text2.text);
}

void CodeWindowForm::Copy(const std::string& text) {
    m_clipboard.SetText(text);
    Message copied;
    copied.title = CopiedTitle;
    copied.text = CopiedText;
    m_prompt.Show(copied);
}

void CodeWindowForm::SaveToFile() {
    if (m_saveToFile) {
        m_saveToFile();
    }
}

void CodeWindowForm::Done() {
    m_closed = true;
    NotifyChanged();
}

} // namespace pickwell
