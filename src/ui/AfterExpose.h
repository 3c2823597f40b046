#pragma once

#include <QObject>

#include <functional>

class QWindow;

namespace pickwell {

// Runs a task once, as soon as `window` is on the screen and has painted itself: work the
// window's first frame need not wait for. Lives as a child of `owner`, so that a task whose
// owner goes first never runs.
class AfterExpose : public QObject {
public:
    AfterExpose(QWindow* window, QObject* owner, std::function<void()> task);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Run();

    std::function<void()> m_task;
};

} // namespace pickwell
