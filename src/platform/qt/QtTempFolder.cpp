#include "platform/qt/QtTempFolder.h"

#include <QDir>

namespace pickwell {

std::string QtTempFolder::GetTempFolder() {
    std::string folder = QDir::tempPath().toStdString();
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

} // namespace pickwell
