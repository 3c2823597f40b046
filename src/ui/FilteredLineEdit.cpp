#include "ui/FilteredLineEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

namespace pickwell {
namespace {

// Refuses an edit that would make the text longer than the limit; setText is not validated.
class LengthValidator : public QValidator {
public:
    LengthValidator(int length, QObject* parent)
        : QValidator(parent)
        , m_length(length) {}

    State validate(QString& input, int&) const override {
        return input.size() <= m_length ? Acceptable : Invalid;
    }

private:
    int m_length;
};

bool IsTypedCharacter(const QKeyEvent* event) {
    const Qt::KeyboardModifiers mods =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    return mods == Qt::NoModifier && event->text().size() == 1 && event->text()[0].isPrint();
}

} // namespace

FilteredLineEdit::FilteredLineEdit(QWidget* parent)
    : QLineEdit(parent) {}

void FilteredLineEdit::SetMaxTyped(int length) {
    setValidator(new LengthValidator(length, this));
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_enterMovesFocus) {
        focusNextChild();
        return;
    }
    if (!m_filter || !IsTypedCharacter(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int key = event->text()[0].unicode();
    const int kept = m_filter(key);
    if (kept == 0) {
        return;
    }
    if (kept == key) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    insert(QString(QChar(kept)));
}

void FilteredLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Switching to another program or opening a menu is no move to another control.
    const bool toAnotherControl =
        event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
    if (toAnotherControl && m_lostFocus) {
        m_lostFocus();
    }
}

} // namespace pickwell
