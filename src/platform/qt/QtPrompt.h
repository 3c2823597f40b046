#pragma once

#include "platform/Prompt.h"

#include <functional>
#include <string>

class QWidget;

namespace pickwell {

// Message boxes over QMessageBox, in plain text, over the window the user is working in.
class QtPrompt : public Prompt {
public:
    using HelpHandler = std::function<void(const std::string& topic)>;

    // Until a handler is set, an OK-and-Help box shows OK alone.
    void SetHelpHandler(HelpHandler handler);
    Button Show(const Message& message) override;

    // The window a dialog opened now belongs to: the modal dialog on top, else the active
    // window, else none.
    static QWidget* DialogOwner();

private:
    HelpHandler m_helpHandler;
};

} // namespace pickwell
