#pragma once

#include "model/MenuProject.h"
#include "persistence/CIniFile.h"

#include <optional>
#include <string>
#include <vector>

// Project files (.pkw): an INI-form text with a fixed first line.
namespace pickwell {

struct Workspace;

inline constexpr const char* ProjectHeaderLine = "Pickwell Project File (Do not edit manually)";
inline constexpr const char* ProjectFileFilter = "Pickwell Project File (*.pkw)|*.pkw";

enum class SaveResult { Saved, Cancelled, Failed };

// Commits both style windows, asks for a file name and writes the project there. A cancelled
// dialog sets SaveCancelled. A failed write reports it and leaves the old file, the project's
// path, flags and title as they were.
SaveResult SaveProject(Workspace& workspace);

// A project file read and parsed, and its items taken out of it: the part of a load that
// needs no window, so that the command line can do it while the toolkit starts.
struct ProjectFileRead {
    bool isProject = false; // read, and headed as a project file
    CIniFile ini;
    // None when the item count or the selected item cannot be read.
    std::optional<std::vector<MenuItem>> items;
};
ProjectFileRead ReadProjectFile(const std::string& path);

// Loads the project file at `path`, or the one the user chooses when `path` is empty, setting
// every value through the windows so that their own handling runs. False when the user
// cancelled the dialog or the file could not be loaded (reported; the project is then new).
// `read` holds the file at `path` when the caller has read it with ReadProjectFile already.
bool LoadProject(Workspace& workspace, const std::string& path,
                 std::optional<ProjectFileRead> read = std::nullopt);

} // namespace pickwell
