#pragma once

#include "platform/Clipboard.h"
#include "platform/CodeWindowDialog.h"
#include "platform/ColorDialog.h"
#include "platform/FileDialogs.h"
#include "platform/HelpViewer.h"
#include "platform/HelpWindowsDialog.h"
#include "platform/NoticeDialog.h"
#include "platform/Shell.h"
#include "platform/TempFolder.h"

namespace pickwell {

// The desktop as the command line sees it: nobody to answer a dialog, no clipboard, no
// browser. Every dialog is cancelled and nothing leaves the process.
class HeadlessDesktop : public ColorDialog,
                        public FileDialogs,
                        public Clipboard,
                        public Shell,
                        public TempFolder,
                        public NoticeDialog,
                        public CodeWindowDialog,
                        public HelpViewer,
                        public HelpWindowsDialog {
public:
    std::optional<std::int32_t> ChooseColor(std::int32_t initial, bool fullOpen,
                                            std::array<std::int32_t, 16>& customColors) override;
    std::string ShowSaveDialog(const FileDialogRequest& request) override;
    SaveChoice ShowSaveDialogOfType(const FileDialogRequest& request) override;
    std::string ShowOpenDialog(const FileDialogRequest& request) override;
    void SetText(const std::string& text) override;
    bool OpenWithShell(const std::string& target) override;
    std::string GetTempFolder() override;
    void ShowModal(NoticeForm& notice) override;
    void ShowModal(CodeWindowForm& form) override;
    void ShowTopic(const std::string& topic) override;
    void EnterWhatsThisMode() override;
    void ShowModal(TipForm& form) override;
    void ShowModal(AboutForm& form) override;
    void ShowModal(TellAFriendForm& form) override;
};

} // namespace pickwell
