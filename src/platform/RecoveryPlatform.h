#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pickwell {

// A lock on a file, held for as long as the object lives, and released when the program dies
// however it dies.
class FileLock {
public:
    virtual ~FileLock() = default;
};

// What keeping unsaved work for the next start needs from the system: where the files go, who
// this program is, the time, the locks that tell a running program's files from a dead one's,
// and a timer that wakes the program only when asked to.
class RecoveryPlatform {
public:
    virtual ~RecoveryPlatform() = default;

    // The user's folder for the program's state, ending in "/", made when missing; empty when
    // it cannot be made.
    virtual std::string StateFolder() = 0;
    virtual long ProcessId() = 0;
    // Seconds since 1970-01-01 UTC.
    virtual std::int64_t Now() = 0;
    // The names (without the folder) of the files in `folder`.
    virtual std::vector<std::string> FileNames(const std::string& folder) = 0;
    // Locks the file at `path`, making it when missing (it then appears already locked); null
    // when a running program holds it.
    virtual std::unique_ptr<FileLock> TryLock(const std::string& path) = 0;

    // Runs `task` once, `milliseconds` from now, unless stopped first.
    virtual void StartTimer(int milliseconds, std::function<void()> task) = 0;
    virtual void StopTimer() = 0;
};

} // namespace pickwell
