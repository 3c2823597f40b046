#include "platform/qt/QtShell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace pickwell {
namespace {

// The desktop opens any address it is given, but a mail address without a mail program
// opens nothing; asking first lets the program say so.
bool MailProgramSet() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"),
                 QStringLiteral("x-scheme-handler/mailto")});
    if (!query.waitForFinished(3000) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0) {
        return false;
    }
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

bool QtShell::OpenWithShell(const std::string& target) {
    const QString text = QString::fromStdString(target);
    // A path is opened as a local file; "http:", "mailto:" and the like as addresses.
    const QUrl url = text.startsWith('/') ? QUrl::fromLocalFile(text) : QUrl(text);
    if (!url.isValid()) {
        return false;
    }
    if (url.scheme() == QLatin1String("mailto") && !MailProgramSet()) {
        return false;
    }
    return QDesktopServices::openUrl(url);
}

} // namespace pickwell
