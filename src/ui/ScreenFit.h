#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>

#include <functional>

class QWidget;

namespace pickwell {

// The room a window has on its screen: the usable area (the screen without its panels) and
// what the window manager's frame adds around the window, both in device-independent pixels,
// so the same numbers hold at every scale.
struct ScreenRoom {
    QRect available;
    QMargins frame;
};

// The geometry, without the frame, that a window asking for `wanted` gets: no larger than
// the room, frame included, and moved into it. The minimum size of a window is never more
// than what this gives, so no window can be larger than its screen.
QRect FitIntoArea(const QRect& wanted, const QMargins& frame, const QRect& available);

// The room of the screen a window shows on.
ScreenRoom RoomOnScreen(const QWidget* window);

// Fits every window into the room of its screen when it first shows: cut down to fit, and
// placed over its owner (or in the middle of the screen) unless the program placed it.
// Install it on the application, or on one window.
class ScreenFitter : public QObject {
public:
    explicit ScreenFitter(std::function<ScreenRoom(const QWidget*)> room = RoomOnScreen,
                          QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<ScreenRoom(const QWidget*)> m_room;
};

} // namespace pickwell
