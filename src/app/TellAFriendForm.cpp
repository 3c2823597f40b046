#include "app/TellAFriendForm.h"

#include "app/HelpCommands.h"
#include "platform/Prompt.h"
#include "platform/Shell.h"

namespace pickwell {

TellAFriendForm::TellAFriendForm(Shell& shell, Prompt& prompt)
    : m_shell(shell)
    , m_prompt(prompt) {}

void TellAFriendForm::SetAddress(int index, const std::string& text) {
    ChangeScope scope(*this);
    m_addresses.at(index).text = text;
}

// A comma follows a filled field only when the next one is filled too, so an empty first
// field with a later one filled gives a list that begins with a comma.
std::string TellAFriendForm::AddressList() const {
    std::string list;
    for (int i = 0; i < AddressCount; ++i) {
        list += m_addresses[static_cast<std::size_t>(i)].text;
        if (i < AddressCount - 1 && !m_addresses[static_cast<std::size_t>(i) + 1].text.empty()) {
            list += ',';
        }
    }
    return list;
}

std::string TellAFriendForm::MailTarget() const {
    std::string target = "mailto:";
    target += AddressList();
    target += "?subject=Check out this handy web building tool!&body=Hi. Thought you might be "
              "interested in Pickwell. Helps you build navigational menus for your web site with "
              "no programming knowledge. Get more details here: ";
    target += ProductPageAddress;
    target += '.';
    return target;
}

void TellAFriendForm::Send() {
    ChangeScope scope(*this);
    if (!m_shell.OpenWithShell(MailTarget())) {
        Message failed;
        failed.title = "Oops!";
        failed.text = "Could not start your email program.";
        failed.icon = MessageIcon::Warning;
        m_prompt.Show(failed);
    }
    m_closed = true;
}

void TellAFriendForm::Cancel() {
    ChangeScope scope(*this);
    m_closed = true;
}

} // namespace pickwell
