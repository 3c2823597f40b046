#include "ui/Icons.h"

#include <QFile>

namespace pickwell {

QIcon ThemeIcon(const QString& name) {
    QIcon fallback;
    for (const int size : {16, 24, 32}) {
        const QString file = QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size);
        if (QFile::exists(file)) {
            fallback.addFile(file, QSize(size, size));
        }
    }
    return QIcon::fromTheme(name, fallback);
}

} // namespace pickwell
