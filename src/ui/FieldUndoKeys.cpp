#include "ui/FieldUndoKeys.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace pickwell {

FieldUndoKeys::FieldUndoKeys(QWidget* window)
    : QObject(window) {
    for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
        field->installEventFilter(this);
    }
}

bool FieldUndoKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    const auto* field = static_cast<QLineEdit*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool passOn = (key->matches(QKeySequence::Undo) && !field->isUndoAvailable()) ||
                        (key->matches(QKeySequence::Redo) && !field->isRedoAvailable());
    if (passOn) {
        // Not claimed by the field, the key runs the shortcut.
        event->ignore();
    }
    return passOn;
}

} // namespace pickwell
