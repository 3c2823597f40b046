#pragma once

#include "platform/RecoveryPlatform.h"

#include <QTimer>

namespace pickwell {

// Recovery files in $XDG_STATE_HOME/pickwell (else ~/.local/state/pickwell), locked with
// flock(2), timed by a single-shot QTimer.
class QtRecoveryPlatform : public RecoveryPlatform {
public:
    QtRecoveryPlatform();

    std::string StateFolder() override;
    long ProcessId() override;
    std::int64_t Now() override;
    std::vector<std::string> FileNames(const std::string& folder) override;
    std::unique_ptr<FileLock> TryLock(const std::string& path) override;
    void StartTimer(int milliseconds, std::function<void()> task) override;
    void StopTimer() override;

private:
    QTimer m_timer;
    std::function<void()> m_task;
};

} // namespace pickwell
