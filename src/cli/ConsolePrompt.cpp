#include "cli/ConsolePrompt.h"

#include <string>

namespace pickwell {

Button ConsolePrompt::Show(const Message& message) {
    std::string text;
    text.reserve(message.text.size());
    for (const char c : message.text) {
        if (c != '\r') {
            text += c;
        }
    }
    m_out << message.title << ": " << text << '\n' << std::flush;
    switch (message.buttons) {
    case MessageButtons::YesNo:
        return Button::No;
    case MessageButtons::YesNoCancel:
    case MessageButtons::TwoChoices:
        return Button::Cancel;
    case MessageButtons::Ok:
    case MessageButtons::OkHelp:
        break;
    }
    return Button::Ok;
}

} // namespace pickwell
