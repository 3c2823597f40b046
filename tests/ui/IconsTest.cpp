#include "ui/Icons.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace pickwell {
namespace {

// The program's drawings read a size at a time must look exactly as an icon that holds every
// size draws them, in any size, mode and scale.
TEST(ThemeIcon, DrawsTheBundledPicturesAsAnIconOfEverySizeWould) {
    QDirIterator files(QStringLiteral(":/icons"), {QStringLiteral("*-16.png")});
    int names = 0;
    while (files.hasNext()) {
        const QString name = files.next().mid(8).chopped(7);
        ++names;
        if (QIcon::hasThemeIcon(name)) {
            continue; // the desktop's own icon, not the bundled one
        }
        QIcon whole;
        for (const int size : {16, 24, 32, 48, 64}) {
            const QString file = QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size);
            if (QFile::exists(file)) {
                whole.addFile(file, QSize(size, size));
            }
        }
        const QIcon icon = ThemeIcon(name);
        EXPECT_EQ(whole.availableSizes(), icon.availableSizes()) << name.toStdString();
        EXPECT_EQ(whole.actualSize(QSize(20, 20)), icon.actualSize(QSize(20, 20)));
        for (const int size : {12, 16, 24, 32, 48}) {
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Selected}) {
                for (const qreal scale : {1.0, 2.0}) {
                    EXPECT_EQ(whole.pixmap(QSize(size, size), scale, mode).toImage(),
                              icon.pixmap(QSize(size, size), scale, mode).toImage())
                        << name.toStdString() << " " << size << " " << mode << " " << scale;
                }
            }
        }
    }
    EXPECT_GT(names, 10);
}

} // namespace
} // namespace pickwell
