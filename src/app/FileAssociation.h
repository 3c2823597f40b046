#pragma once

#include <functional>
#include <string>
#include <vector>

// Ties .pkw files to the program on a freedesktop desktop, for the current user.
namespace pickwell {

inline constexpr const char* ProjectMimeType = "application/x-pickwell-project";
inline constexpr const char* DesktopFileName = "com.brackenfield.Pickwell.desktop";
inline constexpr const char* MimePackageName = "com.brackenfield.Pickwell.xml";

// The XDG folders of the user's desktop.
struct XdgFolders {
    std::string dataHome;              // $XDG_DATA_HOME, else ~/.local/share
    std::vector<std::string> dataDirs; // $XDG_DATA_DIRS, else /usr/local/share and /usr/share
    std::string configHome;            // $XDG_CONFIG_HOME, else ~/.config
    std::string home;                  // $HOME
};
XdgFolders XdgFoldersFromEnvironment();

// A tool of the desktop, run with its arguments; a missing tool is passed over.
using ToolRunner = std::function<void(const std::vector<std::string>& command)>;
ToolRunner SystemToolRunner();

// True when the type has its description and a desktop entry of the program in one of the data
// folders, and the user has named no other program as its default.
bool IsFileTypeRegistered(const XdgFolders& folders);

// When the type is not yet registered: writes the MIME package and the desktop entry (opening
// `programPath`) into the user's data folder, makes the program the default for the type and
// refreshes the desktop's databases. `dataFolder` holds the two files the program ships.
// Returns whether anything was written; every failure is silent.
bool RegisterFileType(const XdgFolders& folders, const std::string& dataFolder,
                      const std::string& programPath, const ToolRunner& run);

} // namespace pickwell
