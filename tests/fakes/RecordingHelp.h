#pragma once

#include "app/AboutForm.h"
#include "app/TellAFriendForm.h"
#include "app/TipForm.h"
#include "platform/HelpViewer.h"
#include "platform/HelpWindowsDialog.h"

#include <functional>
#include <string>
#include <vector>

namespace pickwell {

// Keeps the help topics asked for; shows the Help menu's windows by running the test's action
// on them (nothing when it has none), then closes them.
class RecordingHelp : public HelpViewer, public HelpWindowsDialog {
public:
    void ShowTopic(const std::string& topic) override { topics.push_back(topic); }
    void EnterWhatsThisMode() override { ++whatsThisModes; }
    void ShowModal(TipForm& form) override { Show(form, onTip, TipForm::Caption); }
    void ShowModal(AboutForm& form) override { Show(form, onAbout, AboutForm::Caption); }
    void ShowModal(TellAFriendForm& form) override {
        shown.push_back(TellAFriendForm::Caption);
        if (onTellAFriend) {
            onTellAFriend(form);
        }
        if (!form.closed()) {
            form.Cancel();
        }
    }

    std::vector<std::string> topics;
    int whatsThisModes = 0;
    std::vector<std::string> shown; // the windows' captions, in order
    std::function<void(TipForm&)> onTip;
    std::function<void(AboutForm&)> onAbout;
    std::function<void(TellAFriendForm&)> onTellAFriend;

private:
    template <typename Form>
    void Show(Form& form, const std::function<void(Form&)>& action, const char* caption) {
        shown.push_back(caption);
        if (action) {
            action(form);
        }
        form.Ok();
    }
};

} // namespace pickwell
