#include "platform/qt/QtShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace pickwell {

bool QtShell::OpenWithShell(const std::string& target) {
    const QString text = QString::fromStdString(target);
    // A path is opened as a local file; "http:", "mailto:" and the like as addresses.
    const QUrl url = text.startsWith('/') ? QUrl::fromLocalFile(text) : QUrl(text);
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace pickwell
