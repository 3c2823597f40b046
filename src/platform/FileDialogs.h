#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pickwell {

// One more entry of a save dialog's list of file types, after the request's own filter.
struct FileType {
    std::string description; // "Menu Files: HTML, CSS and Script (*.html)"
    std::string pattern;     // "*.html"
};

struct FileDialogRequest {
    std::string title;
    std::string filterDescription; // "Pickwell Project File (*.pkw)"
    std::string filterPattern;     // "*.pkw"
    std::string initialFolder;
    std::string proposedName;          // empty: no name proposed
    std::vector<FileType> moreTypes{}; // offered after the filter, by ShowSaveDialogOfType only
};

// The save dialog's answer when it offers a choice of types.
struct SaveChoice {
    std::string path;     // "" when cancelled
    std::size_t type = 0; // 0: the request's filter; 1 and on: its moreTypes in order
};

// The desktop's file dialogs. Each returns the chosen full path, or "" when cancelled.
// The save dialog asks before it overwrites an existing file and before it creates a new one;
// the open dialog accepts only a file that exists.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::string ShowSaveDialog(const FileDialogRequest& request) = 0;
    // The save dialog with the request's filter and its moreTypes to choose from.
    virtual SaveChoice ShowSaveDialogOfType(const FileDialogRequest& request) = 0;
    virtual std::string ShowOpenDialog(const FileDialogRequest& request) = 0;
};

} // namespace pickwell
