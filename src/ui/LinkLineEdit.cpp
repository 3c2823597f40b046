#include "ui/LinkLineEdit.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace pickwell {

LinkLineEdit::LinkLineEdit(QWidget* parent)
    : QLineEdit(parent) {}

void LinkLineEdit::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasText()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void LinkLineEdit::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasText()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void LinkLineEdit::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (m_drop && m_drop(data->hasText(), data->text().toStdString())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
    }
}

} // namespace pickwell
