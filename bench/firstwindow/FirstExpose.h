#pragma once

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>

// Start-up ends when the main window's first frame has been painted: the program then prints
// the wall clock in nanoseconds since the epoch (as `date +%s%N` does) and ends on the spot,
// so that a script can take the time from the program's start to its first shown window.
class FirstExpose : public QObject {
public:
    // Watches every event of the application about to start.
    static void Install() { qApp->installEventFilter(new FirstExpose(qApp)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && IsMainWindow(watched)) {
            // Queued, so that it runs once the exposed window has painted itself.
            QMetaObject::invokeMethod(this, &FirstExpose::Report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    using QObject::QObject;

    static bool IsMainWindow(QObject* watched) {
        auto* window = qobject_cast<QWindow*>(watched);
        if (window == nullptr || !window->isExposed()) {
            return false;
        }
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->windowHandle() == window && qobject_cast<QMainWindow*>(widget)) {
                return true;
            }
        }
        return false;
    }

    static void Report() {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("%lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        std::_Exit(0);
    }
};
