#include "platform/qt/QtRecoveryPlatform.h"

#include <QDateTime>
#include <QDir>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace pickwell {
namespace {

class FlockLock : public FileLock {
public:
    explicit FlockLock(int fd)
        : m_fd(fd) {}
    ~FlockLock() override { ::close(m_fd); }
    FlockLock(const FlockLock&) = delete;
    FlockLock& operator=(const FlockLock&) = delete;

private:
    int m_fd;
};

// Close-on-exec: a browser the program starts must not inherit the lock and keep a dead
// program's files looking alive.
int OpenLockFile(const std::string& path, int flags) {
    return ::open(path.c_str(), flags | O_RDWR | O_CLOEXEC, 0600);
}

bool Lock(int fd) {
    int result = 0;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

} // namespace

QtRecoveryPlatform::QtRecoveryPlatform() {
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_task) {
            m_task();
        }
    });
}

std::string QtRecoveryPlatform::StateFolder() {
    // A relative XDG_STATE_HOME is invalid and stands for the default, as for every XDG folder.
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) {
        base = QDir::homePath() + QStringLiteral("/.local/state");
    }
    const QString folder = base + QStringLiteral("/pickwell");
    if (!QDir().mkpath(folder)) {
        return {};
    }
    // The files hold the user's work: no one else reads them.
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder.toStdString() + '/';
}

long QtRecoveryPlatform::ProcessId() {
    return static_cast<long>(::getpid());
}

std::int64_t QtRecoveryPlatform::Now() {
    return QDateTime::currentSecsSinceEpoch();
}

std::vector<std::string> QtRecoveryPlatform::FileNames(const std::string& folder) {
    std::vector<std::string> names;
    const QStringList entries =
        QDir(QString::fromStdString(folder)).entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries) {
        names.push_back(entry.toStdString());
    }
    return names;
}

std::unique_ptr<FileLock> QtRecoveryPlatform::TryLock(const std::string& path) {
    int fd = OpenLockFile(path, 0);
    if (fd >= 0) {
        if (Lock(fd)) {
            return std::make_unique<FlockLock>(fd);
        }
        ::close(fd);
        return nullptr;
    }
    if (errno != ENOENT) {
        return nullptr;
    }
    // Locked under another name and then renamed into place, so that another program never
    // finds this lock file unlocked and takes it for a dead program's.
    const std::string fresh = path + ".new";
    fd = OpenLockFile(fresh, O_CREAT | O_EXCL);
    if (fd < 0) {
        return nullptr;
    }
    if (!Lock(fd) || ::rename(fresh.c_str(), path.c_str()) != 0) {
        ::unlink(fresh.c_str());
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<FlockLock>(fd);
}

void QtRecoveryPlatform::StartTimer(int milliseconds, std::function<void()> task) {
    m_task = std::move(task);
    m_timer.start(milliseconds);
}

void QtRecoveryPlatform::StopTimer() {
    m_timer.stop();
}

} // namespace pickwell
