#pragma once

#include <string>

namespace pickwell {

// The answer a message box gave.
enum class Button { Ok, Cancel, Yes, No };

enum class MessageIcon { None, Information, Warning, Critical, Question };

// OkHelp is OK plus a Help button that opens Message::helpTopic while the box stays open.
// TwoChoices is Yes and No under the captions Message::yesText and noText; Escape and the close
// box answer Cancel, which leaves the matter for later.
enum class MessageButtons { Ok, OkHelp, YesNo, YesNoCancel, TwoChoices };

struct Message {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    Button defaultButton = Button::Ok;
    std::string helpTopic;
    std::string yesText = {};
    std::string noText = {};
};

// Every message box and question the program shows goes through here.
class Prompt {
public:
    virtual ~Prompt() = default;
    virtual Button Show(const Message& message) = 0;
};

} // namespace pickwell
