#pragma once

#include <string>

namespace pickwell {

struct FileDialogRequest {
    std::string title;
    std::string filterDescription; // "Pickwell Project File (*.pkw)"
    std::string filterPattern;     // "*.pkw"
    std::string initialFolder;
    std::string proposedName; // empty: no name proposed
};

// The desktop's file dialogs. Each returns the chosen full path, or "" when cancelled.
// The save dialog asks before it overwrites an existing file and before it creates a new one;
// the open dialog accepts only a file that exists.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::string ShowSaveDialog(const FileDialogRequest& request) = 0;
    virtual std::string ShowOpenDialog(const FileDialogRequest& request) = 0;
};

} // namespace pickwell
