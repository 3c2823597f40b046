#include "app/FileAssociation.h"

#include "persistence/TextFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>

extern char** environ;

namespace pickwell {
namespace {

namespace fs = std::filesystem;

constexpr const char* DefaultsGroup = "[Default Applications]";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        if (!part.empty()) {
            parts.push_back(part);
        }
    }
    return parts;
}

// The user's own choice of program for the type in mimeapps.list; "" when there is none.
std::string UserDefault(const std::string& configHome) {
    std::ifstream in(fs::path(configHome) / "mimeapps.list");
    bool inDefaults = false;
    const std::string key = std::string(ProjectMimeType) + "=";
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() == '[') {
            inDefaults = line.rfind(DefaultsGroup, 0) == 0;
        } else if (inDefaults && line.rfind(key, 0) == 0) {
            const std::vector<std::string> programs = Split(line.substr(key.size()), ';');
            return programs.empty() ? "" : programs.front();
        }
    }
    return {};
}

bool InAnyDataFolder(const XdgFolders& folders, const fs::path& relative) {
    if (IsFile(fs::path(folders.dataHome) / relative)) {
        return true;
    }
    for (const std::string& folder : folders.dataDirs) {
        if (IsFile(fs::path(folder) / relative)) {
            return true;
        }
    }
    return false;
}

bool WriteFile(const fs::path& path, const std::string& bytes) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    return !error && WriteFileAtomically(path.string(), bytes).ok;
}

std::string ReadText(const std::string& path) {
    const ReadResult read = ReadWholeFile(path, 1 << 20);
    return read.ok ? read.bytes : std::string();
}

// The shipped entry, starting the program at `programPath` itself, wherever it was built.
std::string DesktopEntryFor(const std::string& shipped, const std::string& programPath) {
    std::string entry;
    for (const std::string& line : Split(shipped, '\n')) {
        entry += line.rfind("Exec=", 0) == 0 ? "Exec=\"" + programPath + "\" %f" : line;
        entry += '\n';
    }
    return entry;
}

// mimeapps.list with the program as the type's default; every other line is kept.
std::string WithDefault(const std::string& configHome) {
    std::ifstream in(fs::path(configHome) / "mimeapps.list");
    const std::string key = std::string(ProjectMimeType) + "=";
    const std::string entry = key + DesktopFileName + ";";
    std::string out;
    bool inDefaults = false;
    bool written = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() == '[') {
            if (inDefaults && !written) {
                out += entry + "\n";
                written = true;
            }
            inDefaults = line.rfind(DefaultsGroup, 0) == 0;
        } else if (inDefaults && line.rfind(key, 0) == 0) {
            continue;
        }
        out += line + "\n";
    }
    if (!written) {
        if (!inDefaults) {
            out += std::string(DefaultsGroup) + "\n";
        }
        out += entry + "\n";
    }
    return out;
}

} // namespace

XdgFolders XdgFoldersFromEnvironment() {
    const std::string home = Environment("HOME");
    XdgFolders folders;
    folders.dataHome = Environment("XDG_DATA_HOME");
    if (folders.dataHome.empty()) {
        folders.dataHome = home + "/.local/share";
    }
    folders.dataDirs = Split(Environment("XDG_DATA_DIRS"), ':');
    if (folders.dataDirs.empty()) {
        folders.dataDirs = {"/usr/local/share", "/usr/share"};
    }
    folders.configHome = Environment("XDG_CONFIG_HOME");
    if (folders.configHome.empty()) {
        folders.configHome = home + "/.config";
    }
    folders.home = home;
    return folders;
}

ToolRunner SystemToolRunner() {
    return [](const std::vector<std::string>& command) {
        std::vector<char*> argv;
        for (const std::string& part : command) {
            argv.push_back(const_cast<char*>(part.c_str()));
        }
        argv.push_back(nullptr);
        pid_t child = 0;
        if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) == 0) {
            int status = 0;
            waitpid(child, &status, 0);
        }
    };
}

bool IsFileTypeRegistered(const XdgFolders& folders) {
    const std::string chosen = UserDefault(folders.configHome);
    if (!chosen.empty() && chosen != DesktopFileName) {
        return false;
    }
    return InAnyDataFolder(folders, fs::path("mime/packages") / MimePackageName) &&
           InAnyDataFolder(folders, fs::path("applications") / DesktopFileName);
}

bool RegisterFileType(const XdgFolders& folders, const std::string& dataFolder,
                      const std::string& programPath, const ToolRunner& run) {
    if (IsFileTypeRegistered(folders)) {
        return false;
    }
    const std::string package = ReadText(dataFolder + MimePackageName);
    const std::string entry = ReadText(dataFolder + DesktopFileName);
    if (package.empty() || entry.empty()) {
        return false;
    }
    const fs::path data(folders.dataHome);
    const bool written =
        WriteFile(data / "mime" / "packages" / MimePackageName, package) &&
        WriteFile(data / "applications" / DesktopFileName, DesktopEntryFor(entry, programPath)) &&
        WriteFile(fs::path(folders.configHome) / "mimeapps.list", WithDefault(folders.configHome));
    if (written) {
        run({"update-mime-database", (data / "mime").string()});
        run({"update-desktop-database", (data / "applications").string()});
    }
    return written;
}

} // namespace pickwell
