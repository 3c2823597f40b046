#include "ui/AfterExpose.h"

#include <QEvent>
#include <QWindow>

namespace pickwell {

AfterExpose::AfterExpose(QWindow* window, QObject* owner, std::function<void()> task)
    : QObject(owner)
    , m_task(std::move(task)) {
    if (window->isExposed()) {
        Run();
    } else {
        window->installEventFilter(this);
    }
}

bool AfterExpose::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        Run();
    }
    return false;
}

void AfterExpose::Run() {
    // Queued, so that the window paints itself first.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_task();
            deleteLater();
        },
        Qt::QueuedConnection);
}

} // namespace pickwell
