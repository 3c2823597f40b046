#include "app/DocumentsFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace pickwell {
namespace {

constexpr std::string_view DocumentsKey = "XDG_DOCUMENTS_DIR=";

std::string WithTrailingSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

// The folder the file's line names: "$HOME/..." or an absolute path, in double quotes as
// xdg-user-dirs writes it. "" for any other form.
std::string NamedFolder(std::string_view value, const std::string& home) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    if (value == "$HOME" || value.starts_with("$HOME/")) {
        return home.empty() ? "" : home + std::string(value.substr(5));
    }
    return value.starts_with("/") ? std::string(value) : "";
}

} // namespace

std::string DocumentsFolder(const XdgFolders& folders) {
    std::ifstream in(std::filesystem::path(folders.configHome) / "user-dirs.dirs");
    std::string documents;
    // The file is shell script: its last setting counts.
    for (std::string line; std::getline(in, line);) {
        std::string_view rest = line;
        rest.remove_prefix(std::min(rest.size(), rest.find_first_not_of(" \t")));
        if (rest.starts_with(DocumentsKey)) {
            rest.remove_prefix(DocumentsKey.size());
            rest.remove_suffix(rest.size() - (rest.find_last_not_of(" \t\r") + 1));
            documents = NamedFolder(rest, folders.home);
        }
    }
    std::error_code error;
    if (!documents.empty() && std::filesystem::is_directory(documents, error)) {
        return WithTrailingSlash(documents);
    }
    return WithTrailingSlash(folders.home);
}

} // namespace pickwell
