#pragma once

#include "app/FileAssociation.h"

#include <string>

namespace pickwell {

// The user's documents folder, as `xdg-user-dir DOCUMENTS` names it (XDG_DOCUMENTS_DIR in
// user-dirs.dirs of the configuration folder), when that folder exists; else the home folder.
// Ends in "/"; "" when the home folder is not known either.
std::string DocumentsFolder(const XdgFolders& folders);

} // namespace pickwell
