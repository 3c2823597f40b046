#include "platform/qt/QtRecoveryPlatform.h"
#include "DialogDriver.h"
#include "platform/qt/QtEndSignals.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>

#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>

namespace pickwell {
namespace {

// Runs the event loop until `done` holds, for at most five seconds.
template <typename Done> bool RunUntil(Done done) {
    const QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    return done();
}

// Runs the event loop for `milliseconds`.
void RunFor(int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    RunUntil([&deadline] { return deadline.hasExpired(); });
}

TEST(QtRecoveryPlatform, KeepsItsFilesInTheStateHomeAndLocksThemForOneHolder) {
    App();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", dir.path().toUtf8());
    QtRecoveryPlatform platform;
    const std::string folder = platform.StateFolder();
    qputenv("XDG_STATE_HOME", saved);
    EXPECT_EQ(dir.path().toStdString() + "/pickwell/", folder);

    const std::string path = folder + "recovery-1-1.lock";
    std::unique_ptr<FileLock> lock = platform.TryLock(path);
    ASSERT_TRUE(lock);
    EXPECT_EQ(std::vector<std::string>{"recovery-1-1.lock"}, platform.FileNames(folder));
    EXPECT_FALSE(platform.TryLock(path)) << "a second holder, as another program would be";
    lock.reset();
    EXPECT_TRUE(platform.TryLock(path)) << "a dead holder's lock is free";
}

TEST(QtRecoveryPlatform, TheTimerRunsItsTaskOnceUnlessStopped) {
    App();
    QtRecoveryPlatform platform;
    int runs = 0;
    platform.StartTimer(1, [&runs] { ++runs; });
    EXPECT_TRUE(RunUntil([&runs] { return runs == 1; }));
    RunFor(20);
    EXPECT_EQ(1, runs);
    platform.StartTimer(1, [&runs] { ++runs; });
    platform.StopTimer();
    RunFor(20);
    EXPECT_EQ(1, runs);
}

TEST(QtEndSignals, ASignalBecomesACallOnTheEventLoop) {
    App();
    std::vector<int> received;
    {
        QtEndSignals watcher([&received](int signal) { received.push_back(signal); });
        ASSERT_EQ(0, std::raise(SIGHUP));
        EXPECT_TRUE(received.empty()) << "not inside the signal handler";
        EXPECT_TRUE(RunUntil([&received] { return !received.empty(); }));
        EXPECT_EQ(SIGHUP, received[0]);
    }
}

} // namespace
} // namespace pickwell
