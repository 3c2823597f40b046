#pragma once

#include "platform/FileDialogs.h"

#include <string>
#include <string_view>

// The file dialogs as the program calls them, and the path helpers every caller shares.
namespace pickwell {

// The text after the last "/" or "\"; empty when there is none or the path ends in one.
std::string FileNamePart(std::string_view path);

// The text up to its first NUL character; all of it when it holds none.
std::string CutAtNul(std::string_view text);

// A request from a one-line filter text "Description|pattern" (a trailing "|" allowed).
FileDialogRequest MakeFileDialogRequest(std::string_view filter, std::string title,
                                        std::string initialFolder, std::string proposedName);

// Each returns the chosen path, or "" when the user cancelled. An empty proposed name
// proposes none.
std::string ShowSaveDialog(FileDialogs& dialogs, std::string_view filter, std::string title,
                           std::string initialFolder, std::string proposedName);
std::string ShowOpenDialog(FileDialogs& dialogs, std::string_view filter, std::string title,
                           std::string initialFolder);

} // namespace pickwell
