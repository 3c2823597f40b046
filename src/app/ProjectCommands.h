#pragma once

#include <functional>
#include <string>

namespace pickwell {

struct Workspace;

inline constexpr const char* ProjectFileFilter = "Pickwell Project File (*.pkw)|*.pkw";

enum class SaveResult { Saved, Cancelled, Failed };

// What a project command did to the project: nothing, saved it as it is, loaded another, or
// emptied it (New).
enum class ProjectChange { None, Saved, Loaded, Renewed };

// Commits both style windows, asks for a file name and writes the project there. A cancelled
// dialog sets SaveCancelled. A failed write reports it and leaves the old file, the project's
// path, flags and title as they were.
SaveResult SaveProject(Workspace& workspace);

// Loads the project file at `path`, or the one the user chooses when `path` is empty, setting
// every value through the windows so that their own handling runs. False when the user
// cancelled the dialog or the file could not be loaded (reported; the project is then new).
bool LoadProject(Workspace& workspace, const std::string& path);

// Loads the recovery file `file` as LoadProject loads a project, but the project then stands as
// it did before the program died: changed, with `originalPath` (empty for a project never
// saved) and `hadFile`. Neither the recent files nor the last folder learn of `file`.
bool RestoreProject(Workspace& workspace, const std::string& file, const std::string& originalPath,
                    bool hadFile);

// The File menu's project commands and the main window's closing question. Each asks
// "Save Project?" first when the project holds unsaved changes; when the user answers Yes and
// the save does not happen (dialog cancelled, or the file could not be written), the command
// stops as if the user had answered Cancel.
class ProjectCommands {
public:
    explicit ProjectCommands(Workspace& workspace)
        : m_w(workspace) {}

    void New();
    void Load();
    void Save();
    // The recent-file entry with this index (0 to 4).
    void OpenRecent(int index);
    // True when the main window may close.
    bool ConfirmClose();

    // True while one of the commands above runs: its changes of the forms are one replacement
    // of the project, told by the done callback, not edits one by one.
    bool running() const { return m_running; }

    // Told after each New, Load, Save and recent-file command, whatever came of it.
    void SetDoneCallback(std::function<void(ProjectChange)> callback) {
        m_done = std::move(callback);
    }

private:
    enum class Question { New, Load, Close };
    // Marks a command running for as long as it lives.
    class Running {
    public:
        explicit Running(bool& flag)
            : m_flag(flag) {
            m_flag = true;
        }
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;
        ~Running() { m_flag = false; }

    private:
        bool& m_flag;
    };

    // True when the command may go on.
    bool OfferToSave(Question question);
    // A save by the question "Save Project?" counts when the command then changes nothing.
    void Done(ProjectChange change) {
        if (change == ProjectChange::None && m_saved) {
            change = ProjectChange::Saved;
        }
        m_saved = false;
        if (m_done) {
            m_done(change);
        }
    }

    Workspace& m_w;
    std::function<void(ProjectChange)> m_done;
    bool m_saved = false; // by the last question "Save Project?"
    bool m_running = false;
};

} // namespace pickwell
