#include "persistence/ProjectCommands.h"

#include "model/MainForm.h"
#include "persistence/ProjectFile.h"
#include "persistence/RecentFiles.h"
#include "persistence/Workspace.h"
#include "platform/Prompt.h"
#include "style/ResetProject.h"

#include <string>

namespace pickwell {

namespace {

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

bool ProjectCommands::OfferToSave(Question question) {
    if (!m_w.project.DirtyFlag) {
        return true;
    }
    const char* before = question == Question::New    ? "creating a new project"
                         : question == Question::Load ? "loading another project"
                                                      : "closing";
    switch (m_w.prompt.Show(SaveQuestion(before))) {
    case Button::Yes:
        return SaveProject(m_w) == SaveResult::Saved;
    case Button::No:
        return true;
    default:
        return false;
    }
}

void ProjectCommands::New() {
    m_w.project.SaveCancelled = false;
    if (!OfferToSave(Question::New)) {
        return;
    }
    ResetProject(m_w.main, m_w.menuStyle, m_w.buttonStyle);
    m_w.project.DirtyFlag = false;
    m_w.project.HasProjectFile = false;
}

void ProjectCommands::Load() {
    if (OfferToSave(Question::Load)) {
        LoadProject(m_w, "");
    }
}

void ProjectCommands::OpenRecent(int index) {
    // Taken before the save, which may move the chosen file down the list.
    const std::string path = m_w.recentFiles.StoredPath(index);
    if (OfferToSave(Question::Load)) {
        LoadProject(m_w, path);
    }
}

void ProjectCommands::Save() {
    const SaveResult result = SaveProject(m_w);
    m_w.project.SaveCancelled = false;
    if (result == SaveResult::Saved) {
        m_w.project.DirtyFlag = false;
    }
}

bool ProjectCommands::ConfirmClose() {
    return OfferToSave(Question::Close);
}

} // namespace pickwell
