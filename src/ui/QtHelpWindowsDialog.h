#pragma once

#include "platform/HelpWindowsDialog.h"

namespace pickwell {

// The Help menu's windows, each shown modally over the window in front.
class QtHelpWindowsDialog : public HelpWindowsDialog {
public:
    void ShowModal(TipForm& form) override;
    void ShowModal(AboutForm& form) override;
    void ShowModal(TellAFriendForm& form) override;
};

} // namespace pickwell
