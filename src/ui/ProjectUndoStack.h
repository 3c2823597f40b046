#pragma once

#include "app/EditHistory.h"

#include <QObject>
#include <QUndoStack>

namespace pickwell {

// The project's undo stack: the edit history's steps as QUndoStack commands, so that the
// Edit menu's actions name them and follow what there is to undo. The stack's clean state is
// the project as last saved or loaded.
class ProjectUndoStack : public QObject, public EditHistoryListener {
    Q_OBJECT

public:
    ProjectUndoStack(EditHistory& history, QObject* parent = nullptr);
    ~ProjectUndoStack() override;

    QUndoStack& stack() { return m_stack; }

    void StepRecorded(EditStep step) override;
    void HistoryCleared(bool clean) override;
    void ProjectSaved() override;

private:
    EditHistory& m_history;
    QUndoStack m_stack;
};

} // namespace pickwell
