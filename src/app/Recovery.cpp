#include "app/Recovery.h"

#include "app/ProjectCommands.h"
#include "app/SaveLoadDialogs.h"
#include "app/Workspace.h"
#include "model/MenuProject.h"
#include "persistence/ProjectFile.h"
#include "persistence/TextFile.h"
#include "platform/Prompt.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace pickwell {
namespace {

constexpr const char* InfoHeader = "Pickwell recovery";
constexpr const char* NamePrefix = "recovery-";
constexpr const char* ProjectEnding = ".pkw";
constexpr const char* InfoEnding = ".info";
constexpr const char* LockEnding = ".lock";
// Far more than a real record: a larger file is not one.
constexpr std::size_t MaxInfoSize = 64 * 1024;

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// One line of the record: a line end inside a text would start a line of its own.
std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

std::string WithoutIndent(const std::string& text) {
    const std::size_t start = text.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : text.substr(start);
}

std::string LocalTime(std::int64_t seconds) {
    const auto time = static_cast<std::time_t>(seconds);
    std::tm local{};
    char text[32] = {};
    if (::localtime_r(&time, &local) == nullptr ||
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local) == 0) {
        return "an unknown time";
    }
    return text;
}

Message OfferMessage(const RecoveryInfo& info) {
    const std::string what = info.originalPath.empty()
                                 ? std::string("a new project")
                                 : "\"" + FileNamePart(info.originalPath) + "\"";
    std::string items;
    if (info.itemCount == 0) {
        items = "It holds no items.";
    } else {
        items = info.itemCount == 1 ? "It holds 1 item: "
                                    : "It holds " + std::to_string(info.itemCount) + " items: ";
        for (std::size_t i = 0; i < info.firstItems.size(); ++i) {
            items += (i == 0 ? "\"" : ", \"") + info.firstItems[i] + "\"";
        }
        items += info.itemCount > info.firstItems.size() ? ", ..." : ".";
    }
    Message message;
    message.title = "Restore Unsaved Work?";
    message.text = "Pickwell did not close properly. Unsaved work on " + what + " was kept at " +
                   LocalTime(info.writtenAt) + ". " + items +
                   "\r\n\r\nClick \"Restore\" to go on with it, or \"Discard\" to delete it. "
                   "(Press Escape to decide at the next start.)";
    message.icon = MessageIcon::Question;
    message.buttons = MessageButtons::TwoChoices;
    message.defaultButton = Button::Yes;
    message.yesText = "Restore";
    message.noText = "Discard";
    return message;
}

// A dead program's set, locked while it is offered.
struct LeftWork {
    std::string base;
    RecoveryInfo info;
    std::unique_ptr<FileLock> lock;
};

} // namespace

std::string RecoveryInfoText(const RecoveryInfo& info) {
    std::string text = std::string(InfoHeader) + "\n";
    text += "pid=" + std::to_string(info.processId) + "\n";
    text += "time=" + std::to_string(info.writtenAt) + "\n";
    text += "path=" + OneLine(info.originalPath) + "\n";
    text += std::string("file=") + (info.hadFile ? "1" : "0") + "\n";
    text += "items=" + std::to_string(info.itemCount) + "\n";
    for (const std::string& item : info.firstItems) {
        text += "item=" + OneLine(item) + "\n";
    }
    return text;
}

std::optional<RecoveryInfo> ParseRecoveryInfo(const std::string& text) {
    std::size_t start = 0;
    const auto nextLine = [&](std::string& line) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            return false;
        }
        line = text.substr(start, end - start);
        start = end + 1;
        return true;
    };
    std::string line;
    if (!nextLine(line) || line != InfoHeader) {
        return std::nullopt;
    }
    RecoveryInfo info;
    try {
        while (nextLine(line)) {
            const std::size_t equals = line.find('=');
            const std::string key = line.substr(0, equals);
            const std::string value = equals == std::string::npos ? "" : line.substr(equals + 1);
            if (key == "pid") {
                info.processId = std::stol(value);
            } else if (key == "time") {
                info.writtenAt = std::stoll(value);
            } else if (key == "path") {
                info.originalPath = value;
            } else if (key == "file") {
                info.hadFile = value == "1";
            } else if (key == "items") {
                info.itemCount = std::stoul(value);
            } else if (key == "item") {
                info.firstItems.push_back(value);
            }
        }
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return info;
}

Recovery::Recovery(Workspace& workspace, RecoveryPlatform& platform)
    : m_w(workspace)
    , m_platform(platform) {}

Recovery::~Recovery() {
    if (m_timerRunning) {
        m_platform.StopTimer();
    }
}

bool Recovery::OfferLeftWork() {
    const std::string folder = m_platform.StateFolder();
    if (folder.empty()) {
        return false;
    }
    const std::string prefix = NamePrefix;
    const std::string ending = LockEnding;
    std::vector<LeftWork> left;
    for (const std::string& name : m_platform.FileNames(folder)) {
        if (!name.starts_with(prefix) || !name.ends_with(ending)) {
            continue;
        }
        const std::string base = folder + name.substr(0, name.size() - ending.size());
        std::unique_ptr<FileLock> lock = m_platform.TryLock(base + LockEnding);
        if (!lock) {
            continue; // its program is running
        }
        const ReadResult read = ReadWholeFile(base + InfoEnding, MaxInfoSize);
        std::optional<RecoveryInfo> info = read.ok ? ParseRecoveryInfo(read.bytes) : std::nullopt;
        if (Exists(base + ProjectEnding)) {
            // Without its record the work stays as it is, for someone to look at by hand.
            if (info) {
                left.push_back({base, std::move(*info), std::move(lock)});
            }
            continue;
        }
        // Its program ended with nothing unsaved, or died before its first write.
        m_w.fileOps.Remove(base + InfoEnding);
        m_w.fileOps.Remove(base + LockEnding);
    }
    std::sort(left.begin(), left.end(), [](const LeftWork& a, const LeftWork& b) {
        return a.info.writtenAt > b.info.writtenAt;
    });

    for (const LeftWork& work : left) {
        const Button answer = m_w.prompt.Show(OfferMessage(work.info));
        if (answer == Button::Cancel) {
            continue;
        }
        if (answer == Button::Yes && !RestoreProject(m_w, work.base + ProjectEnding,
                                                     work.info.originalPath, work.info.hadFile)) {
            return false; // reported; the file stays for another try
        }
        m_w.fileOps.Remove(work.base + ProjectEnding);
        m_w.fileOps.Remove(work.base + InfoEnding);
        m_w.fileOps.Remove(work.base + LockEnding);
        if (answer == Button::Yes) {
            return true;
        }
    }
    return false;
}

void Recovery::Start() {
    m_folder = m_platform.StateFolder();
    if (m_folder.empty()) {
        return;
    }
    // The start time tells this program from a dead one that had the same process id.
    const std::string base = m_folder + NamePrefix + std::to_string(m_platform.ProcessId()) + "-" +
                             std::to_string(m_platform.Now());
    m_lock = m_platform.TryLock(base + LockEnding);
    if (!m_lock) {
        return;
    }
    m_base = base;
    const MenuProject& project = m_w.project;
    if (!project.HasProjectFile && !project.DirtyFlag) {
        m_newProject = ProjectFileBytes(project);
    }
    if (!project.DirtyFlag) {
        return;
    }
    // A restored project is unsaved work from its first moment.
    Write();
}

void Recovery::Changed() {
    if (!m_lock || m_timerRunning) {
        return;
    }
    const MenuProject& project = m_w.project;
    if (!project.DirtyFlag && project.HasProjectFile) {
        // Undone back to the state last saved: what was kept is no longer unsaved work, and
        // the next start must not offer it.
        if (m_workWritten) {
            RemoveWork();
        }
        return;
    }
    m_timerRunning = true;
    m_platform.StartTimer(WriteDelay, [this] { WriteDelayPassed(); });
}

void Recovery::CommandDone(bool renewed) {
    if (!m_lock) {
        return;
    }
    if (renewed) {
        m_newProject = ProjectFileBytes(m_w.project);
    }
    if (!HasUnsavedWork()) {
        if (m_timerRunning) {
            m_timerRunning = false;
            m_platform.StopTimer();
        }
        RemoveWork();
    }
}

void Recovery::KeepForNextStart() {
    if (!m_lock) {
        return;
    }
    if (HasUnsavedWork()) {
        Write();
        if (m_timerRunning) {
            m_timerRunning = false;
            m_platform.StopTimer();
        }
        return;
    }
    Closed();
}

void Recovery::Closed() {
    if (!m_lock) {
        return;
    }
    if (m_timerRunning) {
        m_timerRunning = false;
        m_platform.StopTimer();
    }
    RemoveWork();
    m_w.fileOps.Remove(m_base + LockEnding);
    m_lock.reset();
}

bool Recovery::HasUnsavedWork() const {
    const MenuProject& project = m_w.project;
    if (project.DirtyFlag) {
        return true;
    }
    if (project.HasProjectFile) {
        return false;
    }
    // Without the new project's bytes, only items tell work from a new project.
    return m_newProject ? ProjectFileBytes(project) != *m_newProject : !project.items.empty();
}

void Recovery::WriteDelayPassed() {
    m_timerRunning = false;
    if (HasUnsavedWork()) {
        Write();
    } else {
        RemoveWork();
    }
}

// The record first: a program that dies between the two writes leaves a record whose project
// file is one write older, never a project file without a record. A failed write is let be,
// as a failed settings write is: the next change tries again.
void Recovery::Write() {
    const MenuProject& project = m_w.project;
    RecoveryInfo info;
    info.processId = m_platform.ProcessId();
    info.writtenAt = m_platform.Now();
    info.originalPath = project.ProjectPath;
    info.hadFile = project.HasProjectFile;
    info.itemCount = project.items.size();
    for (std::size_t i = 0; i < std::min(ShownItems, project.items.size()); ++i) {
        info.firstItems.push_back(WithoutIndent(project.items[i].text));
    }
    if (WriteFileAtomically(m_base + InfoEnding, RecoveryInfoText(info), m_w.fileOps).ok) {
        SaveProjectFile(project, m_base + ProjectEnding, m_w.fileOps);
    }
    m_workWritten = true;
}

void Recovery::RemoveWork() {
    m_w.fileOps.Remove(m_base + ProjectEnding);
    m_w.fileOps.Remove(m_base + InfoEnding);
    m_workWritten = false;
}

} // namespace pickwell
