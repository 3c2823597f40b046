#include "ui/ScreenFit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace pickwell {
namespace {

// Marks a window that has been fitted once; later it shows where the user left it.
constexpr const char* FittedProperty = "pickwellFitted";

int ClampStart(int start, int length, int areaStart, int areaLength) {
    return std::clamp(start, areaStart, areaStart + std::max(0, areaLength - length));
}

} // namespace

QRect FitIntoArea(const QRect& wanted, const QMargins& frame, const QRect& available) {
    QRect outer = wanted.marginsAdded(frame);
    outer.setSize(outer.size().boundedTo(available.size()));
    outer.moveTo(ClampStart(outer.x(), outer.width(), available.x(), available.width()),
                 ClampStart(outer.y(), outer.height(), available.y(), available.height()));
    return outer.marginsRemoved(frame);
}

ScreenRoom RoomOnScreen(const QWidget* window) {
    const QScreen* screen = window->screen();
    const QWindow* handle = window->windowHandle();
    QMargins frame = handle ? handle->frameMargins() : QMargins();
    if (frame.isNull()) {
        // Until the window manager has framed the window once, its frame is unknown; a title
        // bar is about two lines of text high on the common desktops.
        const int titleBar = std::max(window->style()->pixelMetric(QStyle::PM_TitleBarHeight),
                                      2 * window->fontMetrics().height());
        frame = QMargins(0, titleBar, 0, 0);
    }
    return {screen ? screen->availableGeometry() : QRect(), frame};
}

ScreenFitter::ScreenFitter(std::function<ScreenRoom(const QWidget*)> room, QObject* parent)
    : QObject(parent)
    , m_room(std::move(room)) {}

bool ScreenFitter::eventFilter(QObject* watched, QEvent* event) {
    auto* window = event->type() == QEvent::Show ? qobject_cast<QWidget*>(watched) : nullptr;
    const bool framed = window && window->isWindow() &&
                        (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog);
    if (!framed || window->property(FittedProperty).toBool()) {
        return QObject::eventFilter(watched, event);
    }
    window->setProperty(FittedProperty, true);
    const ScreenRoom room = m_room(window);
    if (!room.available.isValid()) {
        return QObject::eventFilter(watched, event);
    }
    QRect wanted = window->geometry();
    const bool placed = window->testAttribute(Qt::WA_Moved);
    if (!placed) {
        const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
        const QRect over = owner && owner->isVisible() ? owner->frameGeometry() : room.available;
        QRect outer = wanted.marginsAdded(room.frame);
        outer.moveCenter(over.center());
        wanted = outer.marginsRemoved(room.frame);
    }
    const QRect fitted = FitIntoArea(wanted, room.frame, room.available);
    if (fitted != window->geometry()) {
        window->setGeometry(fitted);
        // A dialog that was not placed by the program still centres itself on its owner
        // whenever it shows again.
        window->setAttribute(Qt::WA_Moved, placed);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pickwell
