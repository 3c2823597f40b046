#include "ui/ProjectUndoStack.h"

#include <QUndoCommand>

namespace pickwell {
namespace {

// Keystrokes in one text field run together into one step.
constexpr int TypingId = 1;

// One step of the edit history. It is pushed once its edit is done, so the push's own redo
// does nothing.
class StepCommand : public QUndoCommand {
public:
    StepCommand(EditHistory& history, QUndoStack& stack, EditStep step)
        : QUndoCommand(QString::fromStdString(step.name))
        , m_history(history)
        , m_stack(stack)
        , m_step(std::move(step)) {}

    int id() const override { return m_step.typing ? TypingId : -1; }

    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const StepCommand*>(other);
        if (next->m_step.name != m_step.name) {
            return false;
        }
        m_step.after = next->m_step.after;
        m_step.marks = next->m_step.marks;
        // Typed back to where it started: no step at all.
        setObsolete(m_step.after.SameDocument(m_step.before));
        return true;
    }

    // The stack's index moves after these return, one down for an undo and one up for a redo.
    void undo() override { m_history.Undo(m_step, m_stack.index() - 1 == m_stack.cleanIndex()); }
    void redo() override {
        if (m_pushed) {
            m_history.Redo(m_step, m_stack.index() + 1 == m_stack.cleanIndex());
        }
        m_pushed = true;
    }

private:
    EditHistory& m_history;
    QUndoStack& m_stack;
    EditStep m_step;
    bool m_pushed = false;
};

} // namespace

ProjectUndoStack::ProjectUndoStack(EditHistory& history, QObject* parent)
    : QObject(parent)
    , m_history(history)
    , m_stack(this) {
    m_stack.setObjectName(QStringLiteral("undoStack"));
    m_history.SetListener(this);
}

ProjectUndoStack::~ProjectUndoStack() {
    m_history.SetListener(nullptr);
}

void ProjectUndoStack::StepRecorded(EditStep step) {
    m_stack.push(new StepCommand(m_history, m_stack, std::move(step)));
}

void ProjectUndoStack::HistoryCleared(bool clean) {
    m_stack.clear();
    if (!clean) {
        m_stack.resetClean();
    }
}

void ProjectUndoStack::ProjectSaved() {
    m_stack.setClean();
}

} // namespace pickwell
