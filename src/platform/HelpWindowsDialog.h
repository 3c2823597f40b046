#pragma once

namespace pickwell {

class AboutForm;
class TellAFriendForm;
class TipForm;

// Shows the Help menu's small windows modally; each call returns once the window has closed.
class HelpWindowsDialog {
public:
    virtual ~HelpWindowsDialog() = default;
    virtual void ShowModal(TipForm& form) = 0;
    virtual void ShowModal(AboutForm& form) = 0;
    virtual void ShowModal(TellAFriendForm& form) = 0;
};

} // namespace pickwell
