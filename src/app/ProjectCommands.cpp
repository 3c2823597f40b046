#include "app/ProjectCommands.h"

#include "app/RecentFiles.h"
#include "app/SaveLoadDialogs.h"
#include "app/Workspace.h"
#include "model/MainForm.h"
#include "persistence/ProjectFile.h"
#include "platform/Prompt.h"
#include "platform/SettingsStore.h"
#include "style/ResetProject.h"
#include "style/StyleTransfer.h"

#include <string>

namespace pickwell {

namespace {

constexpr const char* FoldersSection = "Folders";
constexpr const char* LastFolderKey = "Last Used Save Folder";

std::string TitleFor(const std::string& path) {
    return "Pickwell - " + FileNamePart(path);
}

Message LoadFailedMessage(const std::string& path) {
    Message message;
    message.title = "Oops!";
    message.text = "Could not load \"" + FileNamePart(path) +
                   "\". The file is either corrupt, not a valid Pickwell project file, or no "
                   "longer exists.";
    message.icon = MessageIcon::Warning;
    return message;
}

Message SaveQuestion(const char* before) {
    Message message;
    message.title = "Save Project?";
    message.text = std::string("This menu project has been changed. Would you like to save your "
                               "changes before ") +
                   before + "? (Click \"Cancel\" to go back to Pickwell.)";
    message.icon = MessageIcon::Warning;
    message.buttons = MessageButtons::YesNoCancel;
    message.defaultButton = Button::Yes;
    return message;
}

} // namespace

SaveResult SaveProject(Workspace& w) {
    MenuProject& project = w.project;
    CommitStyleWindow("mnu", w.menuStyle, w.buttonStyle);
    CommitStyleWindow("bttn", w.menuStyle, w.buttonStyle);

    const std::string folder =
        w.settings.GetSetting(FoldersSection, LastFolderKey, w.documentsFolder);
    const std::string chosen =
        ShowSaveDialog(w.dialogs, ProjectFileFilter, "Save Menu Project as...", folder,
                       FileNamePart(project.ProjectPath));
    if (chosen.empty()) {
        project.SaveCancelled = true;
        return SaveResult::Cancelled;
    }

    const std::string previousPath = project.ProjectPath;
    const bool previousDirty = project.DirtyFlag;
    const bool previousHasFile = project.HasProjectFile;
    project.ProjectPath = CutAtNul(chosen);
    w.settings.SaveSetting(FoldersSection, LastFolderKey, project.ProjectPath);
    project.DirtyFlag = false;
    project.HasProjectFile = true;

    const WriteResult written = SaveProjectFile(project, project.ProjectPath, w.fileOps);
    if (!written.ok) {
        // The changes are still unsaved: keep them protected by the save question.
        project.ProjectPath = previousPath;
        project.DirtyFlag = previousDirty;
        project.HasProjectFile = previousHasFile;
        w.prompt.Show(SaveErrorMessage(written.error));
        return SaveResult::Failed;
    }

    w.main.SetWindowTitle(TitleFor(project.ProjectPath));
    w.recentFiles.ShowSeparator();
    w.recentFiles.AddToRecentFiles(project.ProjectPath);
    return SaveResult::Saved;
}

namespace {

// What a load and a restore share: the forms take the file's values through their own
// handling, and the item editor starts empty.
bool ReadProject(Workspace& w, const std::string& file) {
    MenuProject& project = w.project;
    ResetProject(w.main, w.menuStyle, w.buttonStyle);
    project.SilentRestore = true;

    ProjectForms forms{w.main, w.menuStyle, w.buttonStyle, w.prompt};
    if (!LoadProjectFile(file, forms)) {
        ResetProject(w.main, w.menuStyle, w.buttonStyle);
        w.prompt.Show(LoadFailedMessage(file));
        return false;
    }

    project.DirtyFlag = false;
    project.HasProjectFile = true;
    CommitStyleWindow("mnu", w.menuStyle, w.buttonStyle);
    CommitStyleWindow("bttn", w.menuStyle, w.buttonStyle);
    project.SilentRestore = false;

    w.main.SetItemText("");
    w.main.SetLinkText("");
    w.main.SetNotLinked(0);
    w.main.SetDefaultColor(1);
    w.main.RunDefaultColorClick();
    w.main.FocusControl("itemtexttext");
    return true;
}

} // namespace

bool LoadProject(Workspace& w, const std::string& path) {
    MenuProject& project = w.project;
    std::string chosen = path;
    if (chosen.empty()) {
        const std::string folder =
            w.settings.GetSetting(FoldersSection, LastFolderKey, w.documentsFolder);
        chosen = ShowOpenDialog(w.dialogs, ProjectFileFilter, "Load Menu Project...", folder);
        if (chosen.empty()) {
            return false;
        }
    }

    project.ProjectPath = CutAtNul(chosen);
    w.settings.SaveSetting(FoldersSection, LastFolderKey, project.ProjectPath);
    if (!ReadProject(w, project.ProjectPath)) {
        return false;
    }
    w.main.SetWindowTitle(TitleFor(project.ProjectPath));
    w.recentFiles.ShowSeparator();
    w.recentFiles.AddToRecentFiles(project.ProjectPath);
    return true;
}

bool RestoreProject(Workspace& w, const std::string& file, const std::string& originalPath,
                    bool hadFile) {
    if (!ReadProject(w, file)) {
        return false;
    }
    w.project.ProjectPath = originalPath;
    w.project.HasProjectFile = hadFile;
    w.project.DirtyFlag = true;
    w.main.SetWindowTitle(originalPath.empty() ? "Pickwell" : TitleFor(originalPath));
    return true;
}

bool ProjectCommands::OfferToSave(Question question) {
    m_saved = false;
    if (!m_w.project.DirtyFlag) {
        return true;
    }
    const char* before = question == Question::New    ? "creating a new project"
                         : question == Question::Load ? "loading another project"
                                                      : "closing";
    switch (m_w.prompt.Show(SaveQuestion(before))) {
    case Button::Yes:
        m_saved = SaveProject(m_w) == SaveResult::Saved;
        return m_saved;
    case Button::No:
        return true;
    default:
        return false;
    }
}

void ProjectCommands::New() {
    const Running running(m_running);
    m_w.project.SaveCancelled = false;
    if (!OfferToSave(Question::New)) {
        return;
    }
    ResetProject(m_w.main, m_w.menuStyle, m_w.buttonStyle);
    m_w.project.DirtyFlag = false;
    m_w.project.HasProjectFile = false;
    Done(ProjectChange::Renewed);
}

void ProjectCommands::Load() {
    const Running running(m_running);
    const bool loaded = OfferToSave(Question::Load) && LoadProject(m_w, "");
    Done(loaded ? ProjectChange::Loaded : ProjectChange::None);
}

void ProjectCommands::OpenRecent(int index) {
    const Running running(m_running);
    // Taken before the save, which may move the chosen file down the list.
    const std::string path = m_w.recentFiles.StoredPath(index);
    const bool loaded = OfferToSave(Question::Load) && LoadProject(m_w, path);
    Done(loaded ? ProjectChange::Loaded : ProjectChange::None);
}

void ProjectCommands::Save() {
    const Running running(m_running);
    const SaveResult result = SaveProject(m_w);
    m_w.project.SaveCancelled = false;
    if (result == SaveResult::Saved) {
        m_w.project.DirtyFlag = false;
    }
    Done(result == SaveResult::Saved ? ProjectChange::Saved : ProjectChange::None);
}

bool ProjectCommands::ConfirmClose() {
    return OfferToSave(Question::Close);
}

} // namespace pickwell
