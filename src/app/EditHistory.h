#pragma once

#include "app/ProjectCommands.h"
#include "model/MenuProject.h"

#include <memory>
#include <string>
#include <vector>

namespace pickwell {

struct Workspace;

// What the user edits, and the item list's selection: all that one undo or redo puts back.
// The items are shared between snapshots for as long as they are the same, so that an edit of
// an option, or each change of a load, copies no list.
struct ProjectSnapshot {
    std::shared_ptr<const std::vector<MenuItem>> items;
    MenuOptions menuOptions;
    ButtonOptions buttonOptions;
    MenuStyle menuStyle;
    ButtonStyle buttonStyle;
    int currentRow = 0;
    std::vector<int> selectedRows;

    // Whatever the selection.
    bool SameDocument(const ProjectSnapshot& other) const;
};

// One edit of the user's, as the project stood before and after it.
struct EditStep {
    std::string name;    // "Delete", "Move Up", "Menu Name"
    bool typing = false; // a keystroke in a text field: a run of them in one field may merge
    ProjectSnapshot before;
    ProjectSnapshot after;
    bool marks = false; // the edit left the project marked changed
};

// The undo stack that keeps the steps, in the window.
class EditHistoryListener {
public:
    virtual ~EditHistoryListener() = default;
    // An edit is done; its step goes on top of the stack.
    virtual void StepRecorded(EditStep step) = 0;
    // The project was replaced (loaded, emptied): the steps go. `clean` when it is then as its
    // file holds it (or a new project); not after a restored recovery, which is unsaved work.
    virtual void HistoryCleared(bool clean) = 0;
    // The project was saved as it now is.
    virtual void ProjectSaved() = 0;
};

// Turns each of the user's edits into one step, from the forms' change notices: a handler
// that names its edit and leaves the document different is a step; a change nobody named
// (a load, a reset) starts the history anew. Undo and redo put a snapshot back through the
// forms, so every window shows it as after a load.
//
// The changed mark after an undo or redo: clear at the state last saved or loaded; else set
// when the step's edit marked the project, and left as it is when that edit did not.
class EditHistory {
public:
    explicit EditHistory(Workspace& workspace);
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    void SetListener(EditHistoryListener* listener) { m_listener = listener; }
    // From now on the project's edits are steps; the project as it is starts the history.
    // Only with a listener, which must therefore be set first.
    void Start();
    // Any change of a form, told when its outermost handler is done.
    void Changed();
    // After each project command.
    void CommandDone(ProjectChange change);

    // `toSavedState`: the stack reaches the state last saved or loaded.
    void Undo(const EditStep& step, bool toSavedState);
    void Redo(const EditStep& step, bool toSavedState);

private:
    ProjectSnapshot Take() const;
    void Restore(const ProjectSnapshot& snapshot, bool marks, bool toSavedState);
    void Clear();

    Workspace& m_w;
    EditHistoryListener* m_listener = nullptr;
    ProjectSnapshot m_last; // the project when the history last looked
    bool m_started = false;
    bool m_restoring = false;
    bool m_replaced = false; // replaced while a project command ran
};

} // namespace pickwell
