#include "ui/Icons.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>

#include <array>
#include <map>

namespace pickwell {

namespace {

// The toolbars draw 16 to 32 pixels. The program's own icon also comes in 48 and 64: the
// window system is sent every size a window's icon has, and desktops take larger ones from
// the desktop entry.
constexpr std::array<int, 5> BundledSizes{16, 24, 32, 48, 64};

QString BundledFile(const QString& name, int size) {
    return QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size);
}

// The program's own drawings of one icon, in the sizes it has them. A size is read when it is
// first drawn, so that building a window decodes no picture it does not show.
class BundledIconEngine : public QIconEngine {
public:
    explicit BundledIconEngine(const QString& name)
        : m_name(name) {
        for (const int size : BundledSizes) {
            if (QFile::exists(BundledFile(name, size))) {
                m_sizes.append(QSize(size, size));
            }
        }
    }

    QIconEngine* clone() const override { return new BundledIconEngine(*this); }
    bool isNull() override { return m_sizes.isEmpty(); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return m_sizes; }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return IconFor(size).actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return IconFor(size).pixmap(size, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

private:
    // For a size it has, the one drawing of that size, which is what the icon of every size
    // would choose; for any other size, the icon of every size.
    const QIcon& IconFor(const QSize& size) {
        const bool exact = size.width() == size.height() && m_sizes.contains(size);
        const int key = exact ? size.width() : 0;
        auto it = m_loaded.find(key);
        if (it == m_loaded.end()) {
            QIcon icon;
            for (const QSize& own : m_sizes) {
                if (!exact || own == size) {
                    icon.addFile(BundledFile(m_name, own.width()), own);
                }
            }
            it = m_loaded.emplace(key, icon).first;
        }
        return it->second;
    }

    QString m_name;
    QList<QSize> m_sizes;
    std::map<int, QIcon> m_loaded; // by size; 0 for the icon of every size
};

} // namespace

QIcon ThemeIcon(const QString& name) {
    // Without a theme of its own the desktop falls back on hicolor, which holds applications'
    // own icons and none of the action icons, and whose index takes a few milliseconds to read
    // at every start; the program's own drawings are then shown without asking it.
    const QString theme = QIcon::themeName();
    if (theme.isEmpty() || theme == QLatin1String("hicolor")) {
        return QIcon(new BundledIconEngine(name));
    }
    return QIcon::fromTheme(name, QIcon(new BundledIconEngine(name)));
}

} // namespace pickwell
