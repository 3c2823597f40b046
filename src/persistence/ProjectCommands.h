#pragma once

namespace pickwell {

struct Workspace;

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

private:
    enum class Question { New, Load, Close };
    // True when the command may go on.
    bool OfferToSave(Question question);

    Workspace& m_w;
};

} // namespace pickwell
