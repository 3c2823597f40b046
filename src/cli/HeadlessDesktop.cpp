#include "cli/HeadlessDesktop.h"

#include "app/AboutForm.h"
#include "app/TellAFriendForm.h"
#include "app/TipForm.h"
#include "codegen/CodeWindowForm.h"
#include "style/NoticeForm.h"

#include <filesystem>
#include <system_error>

namespace pickwell {

std::optional<std::int32_t> HeadlessDesktop::ChooseColor(std::int32_t, bool,
                                                         std::array<std::int32_t, 16>&) {
    return std::nullopt;
}

std::string HeadlessDesktop::ShowSaveDialog(const FileDialogRequest&) {
    return {};
}

SaveChoice HeadlessDesktop::ShowSaveDialogOfType(const FileDialogRequest&) {
    return {};
}

std::string HeadlessDesktop::ShowOpenDialog(const FileDialogRequest&) {
    return {};
}

void HeadlessDesktop::SetText(const std::string&) {}

bool HeadlessDesktop::OpenWithShell(const std::string&) {
    return false;
}

std::string HeadlessDesktop::GetTempFolder() {
    std::error_code error;
    std::string folder = std::filesystem::temp_directory_path(error).string();
    if (error || folder.empty()) {
        folder = "/tmp";
    }
    if (folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

// Closed without a button, so no answer is stored.
void HeadlessDesktop::ShowModal(NoticeForm& notice) {
    notice.Close();
}

void HeadlessDesktop::ShowModal(CodeWindowForm& form) {
    form.Done();
}

void HeadlessDesktop::ShowTopic(const std::string&) {}

void HeadlessDesktop::EnterWhatsThisMode() {}

void HeadlessDesktop::ShowModal(TipForm& form) {
    form.Ok();
}

void HeadlessDesktop::ShowModal(AboutForm& form) {
    form.Ok();
}

void HeadlessDesktop::ShowModal(TellAFriendForm& form) {
    form.Cancel();
}

} // namespace pickwell
