#include "app/EditHistory.h"

#include "app/Workspace.h"
#include "model/MainForm.h"
#include "style/ButtonStyleForm.h"
#include "style/MenuStyleForm.h"
#include "style/StyleTransfer.h"

#include <utility>

namespace pickwell {

bool ProjectSnapshot::SameDocument(const ProjectSnapshot& other) const {
    return (items == other.items || *items == *other.items) && menuOptions == other.menuOptions &&
           buttonOptions == other.buttonOptions && menuStyle == other.menuStyle &&
           buttonStyle == other.buttonStyle;
}

EditHistory::EditHistory(Workspace& workspace)
    : m_w(workspace) {}

ProjectSnapshot EditHistory::Take() const {
    const MenuProject& project = m_w.project;
    auto items = m_last.items && *m_last.items == project.items
                     ? m_last.items
                     : std::make_shared<const std::vector<MenuItem>>(project.items);
    return {std::move(items),    project.menuOptions,   project.buttonOptions,  project.menuStyle,
            project.buttonStyle, m_w.main.currentRow(), m_w.main.selectedRows()};
}

void EditHistory::Start() {
    // Without an undo stack to keep the steps (the command line) there is no history: a copy
    // of the document at each change would cost a large project's load dearly, for nothing.
    m_started = m_listener != nullptr;
    if (m_started) {
        Clear();
    }
}

void EditHistory::Clear() {
    m_last = Take();
    if (m_listener) {
        m_listener->HistoryCleared(!m_w.project.DirtyFlag);
    }
}

void EditHistory::Changed() {
    // A question in the middle of a handler shows a change that is not yet complete.
    if (!m_started || m_restoring || m_w.main.changing() || m_w.menuStyle.changing() ||
        m_w.buttonStyle.changing()) {
        return;
    }
    ProjectSnapshot now = Take();
    if (now.SameDocument(m_last)) {
        m_last = std::move(now); // the selection an undo is to put back
        return;
    }
    const FormModel* named = !m_w.main.editName().empty()        ? &m_w.main
                             : !m_w.menuStyle.editName().empty() ? &m_w.menuStyle
                             : !m_w.buttonStyle.editName().empty()
                                 ? static_cast<const FormModel*>(&m_w.buttonStyle)
                                 : nullptr;
    if (!named || m_w.project.SilentRestore) {
        // A load or a reset: the command's end tells whether the project is as saved.
        m_replaced = true;
        m_last = std::move(now);
        return;
    }
    EditStep step{named->editName(), named->editIsTyping(), std::move(m_last), now,
                  m_w.project.DirtyFlag};
    m_last = std::move(now);
    if (m_listener) {
        m_listener->StepRecorded(std::move(step));
    }
}

void EditHistory::CommandDone(ProjectChange change) {
    if (!m_started) {
        return;
    }
    const bool replaced = m_replaced || change == ProjectChange::Loaded ||
                          change == ProjectChange::Renewed || !Take().SameDocument(m_last);
    m_replaced = false;
    if (replaced) {
        Clear();
    } else if (change == ProjectChange::Saved && m_listener) {
        m_listener->ProjectSaved();
    }
}

void EditHistory::Undo(const EditStep& step, bool toSavedState) {
    Restore(step.before, step.marks, toSavedState);
}

void EditHistory::Redo(const EditStep& step, bool toSavedState) {
    Restore(step.after, step.marks, toSavedState);
}

void EditHistory::Restore(const ProjectSnapshot& snapshot, bool marks, bool toSavedState) {
    MenuProject& project = m_w.project;
    const bool dirty = !toSavedState && (marks || project.DirtyFlag);
    // Set before the forms tell their listeners, so that the recovery autosave sees it, and
    // again after: their own handling may mark a saved project changed.
    project.DirtyFlag = dirty;
    m_restoring = true;
    m_w.main.RestoreRows(*snapshot.items, snapshot.currentRow, snapshot.selectedRows);
    m_w.main.RestoreOptions(snapshot.menuOptions, snapshot.buttonOptions);
    // The style windows' working copies follow their committed styles, as after a load.
    if (project.menuStyle != snapshot.menuStyle) {
        project.menuStyle = snapshot.menuStyle;
        RevertMenuStyle(m_w.menuStyle);
    }
    if (project.buttonStyle != snapshot.buttonStyle) {
        project.buttonStyle = snapshot.buttonStyle;
        RevertButtonStyle(m_w.buttonStyle);
    }
    m_restoring = false;
    project.DirtyFlag = dirty;
    m_last = Take();
}

} // namespace pickwell
