#pragma once

#include "model/FormControls.h"

#include <array>
#include <string>

namespace pickwell {

class Prompt;
class Shell;

// The tell-a-friend window frmTAF: up to five mail addresses and Send, which hands a
// prepared message to the mail program.
class TellAFriendForm : public FormModel {
public:
    static constexpr const char* Caption = "Tell your friends about PKW";
    static constexpr int AddressCount = 5;

    TellAFriendForm(Shell& shell, Prompt& prompt);

    const TextControl& Text1(int index) const { return m_addresses.at(index); }
    void SetAddress(int index, const std::string& text);

    // The filled fields in order, joined by commas, as the mail address list.
    std::string AddressList() const;
    // The whole "mailto:" text; nothing in it is encoded.
    std::string MailTarget() const;

    void Send();
    void Cancel();
    bool closed() const { return m_closed; }

private:
    Shell& m_shell;
    Prompt& m_prompt;
    std::array<TextControl, AddressCount> m_addresses;
    bool m_closed = false;
};

} // namespace pickwell
