#pragma once

#include "platform/RecoveryPlatform.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pickwell {

struct Workspace;

// What a recovery file was written from, kept beside it.
struct RecoveryInfo {
    long processId = 0;
    std::int64_t writtenAt = 0; // seconds since 1970-01-01 UTC
    std::string originalPath;   // empty for a project never saved
    bool hadFile = false;
    std::size_t itemCount = 0;
    std::vector<std::string> firstItems; // the first few item texts, without their indent

    bool operator==(const RecoveryInfo&) const = default;
};

// Keeps the unsaved work of a running program in its state folder, so that a program that dies
// (killed, crashed, power lost) loses at most the last half minute of it, and offers it at the
// next start.
//
// Each program has its own set of files, named by its process id and start time: the project's
// file bytes (".pkw", written by the same writer as Save), what they were written from (".info")
// and a lock file (".lock") it holds while it runs. A set whose lock no one holds belongs to a
// program that is gone.
//
// Unsaved work: the project's DirtyFlag, or a project never saved (no HasProjectFile) whose file
// would differ from that of the new project it started as. Option edits of a project never saved
// do not set DirtyFlag, so they are caught by that comparison.
class Recovery {
public:
    // After the first change since the last write, the work is written this much later.
    static constexpr int WriteDelay = 30'000; // milliseconds
    static constexpr std::size_t ShownItems = 3;

    Recovery(Workspace& workspace, RecoveryPlatform& platform);
    ~Recovery();
    Recovery(const Recovery&) = delete;
    Recovery& operator=(const Recovery&) = delete;

    // Offers, newest first, the work of each program that is no longer running ("Restore",
    // "Discard", or Escape to keep it for the next start), until one is restored. True when one
    // was: the project is then that work.
    bool OfferLeftWork();
    // Takes this program's lock and follows the project from now on.
    void Start();
    // Any change of the forms: starts the write delay when the project may hold unsaved work.
    void Changed();
    // After a project command: without unsaved work the file goes; `renewed` tells that New
    // made the project a new one.
    void CommandDone(bool renewed);
    // The program ends without its closing question (a signal): the unsaved work is written now
    // and stays for the next start; without any, the files go as on a clean close.
    void KeepForNextStart();
    // A clean close: this program's files go.
    void Closed();

    // This program's files, without the ending; empty before Start.
    const std::string& base() const { return m_base; }

private:
    bool HasUnsavedWork() const;
    void WriteDelayPassed();
    void Write();
    void RemoveWork();

    Workspace& m_w;
    RecoveryPlatform& m_platform;
    std::string m_folder;
    std::string m_base;
    std::unique_ptr<FileLock> m_lock;
    bool m_timerRunning = false;
    bool m_workWritten = false; // this program's files may hold work
    // The file bytes of a new project, taken at start-up and by New; none when the program
    // started with a project loaded.
    std::optional<std::string> m_newProject;
};

// The text kept beside a recovery file, and back; nothing when the text is no such record.
std::string RecoveryInfoText(const RecoveryInfo& info);
std::optional<RecoveryInfo> ParseRecoveryInfo(const std::string& text);

} // namespace pickwell
