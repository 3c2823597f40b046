#pragma once

#include <string>

namespace pickwell {

// The program's help: its pages, by topic, and the toolkit's What's This mode.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // A window's name ("Form1", "frmAdvMnuOp", ...), "contents", "173" (the tutorial) or
    // "colors" (the colour fields).
    virtual void ShowTopic(const std::string& topic) = 0;
    // The next click on a control shows that control's help.
    virtual void EnterWhatsThisMode() = 0;
};

} // namespace pickwell
