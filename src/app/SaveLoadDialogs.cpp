#include "app/SaveLoadDialogs.h"

namespace pickwell {

std::string FileNamePart(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(slash + 1));
}

std::string CutAtNul(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

FileDialogRequest MakeFileDialogRequest(std::string_view filter, std::string title,
                                        std::string initialFolder, std::string proposedName) {
    FileDialogRequest request;
    request.title = std::move(title);
    request.initialFolder = std::move(initialFolder);
    request.proposedName = std::move(proposedName);
    const auto bar = filter.find('|');
    request.filterDescription = filter.substr(0, bar);
    if (bar != std::string_view::npos) {
        const std::string_view rest = filter.substr(bar + 1);
        request.filterPattern = rest.substr(0, rest.find('|'));
    }
    return request;
}

std::string ShowSaveDialog(FileDialogs& dialogs, std::string_view filter, std::string title,
                           std::string initialFolder, std::string proposedName) {
    return dialogs.ShowSaveDialog(MakeFileDialogRequest(
        filter, std::move(title), std::move(initialFolder), std::move(proposedName)));
}

std::string ShowOpenDialog(FileDialogs& dialogs, std::string_view filter, std::string title,
                           std::string initialFolder) {
    return dialogs.ShowOpenDialog(
        MakeFileDialogRequest(filter, std::move(title), std::move(initialFolder), {}));
}

} // namespace pickwell
