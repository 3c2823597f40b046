#include "ui/ViewSync.h"

#include "colour/ColorValues.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QWidget>

namespace pickwell {

void ShowText(QLineEdit* edit, const std::string& text) {
    const QString value = ToQt(text);
    if (edit->text() != value) {
        const QSignalBlocker block(edit);
        edit->setText(value);
    }
}

void ShowText(QLineEdit* edit, const TextControl& control) {
    ShowText(edit, control.text);
    edit->setEnabled(control.enabled);
}

void ShowChecked(QAbstractButton* button, bool checked) {
    if (button->isChecked() != checked) {
        const QSignalBlocker block(button);
        button->setChecked(checked);
    }
}

void ShowCheck(QAbstractButton* box, const CheckControl& control) {
    ShowChecked(box, control.value == 1);
    box->setEnabled(control.enabled);
}

void ShowList(QComboBox* combo, const ListControl& list) {
    const QSignalBlocker block(combo);
    const int count = static_cast<int>(list.items.size());
    bool same = combo->count() == count;
    for (int i = 0; same && i < count; ++i) {
        same = combo->itemText(i) == ToQt(list.items[static_cast<std::size_t>(i)]);
    }
    if (!same) {
        QStringList items;
        items.reserve(count);
        for (const std::string& item : list.items) {
            items.append(ToQt(item));
        }
        combo->clear();
        combo->addItems(items);
    }
    if (combo->isEditable()) {
        // What the user just typed is the list's text already; touching it would move the caret.
        if (combo->currentText() != ToQt(list.text)) {
            if (list.index >= 0) {
                combo->setCurrentIndex(list.index);
            }
            combo->setEditText(ToQt(list.text));
        }
    } else if (combo->currentIndex() != list.index) {
        combo->setCurrentIndex(list.index);
    }
    combo->setEnabled(list.enabled);
}

QColor SwatchColor(std::int32_t value) {
    const auto plain = static_cast<std::uint32_t>(TranslateSystemColor(value));
    return QColor(static_cast<int>(plain & 0xFF), static_cast<int>((plain >> 8) & 0xFF),
                  static_cast<int>((plain >> 16) & 0xFF));
}

void PaintSwatch(QWidget* swatch, std::int32_t value, bool opaque) {
    // A transparent swatch shows no colour at all, only its frame.
    QString sheet = QStringLiteral("border: 1px solid palette(dark);");
    if (opaque) {
        sheet += QStringLiteral(" background-color: %1;").arg(SwatchColor(value).name());
    }
    if (swatch->styleSheet() != sheet) {
        swatch->setStyleSheet(sheet);
    }
}

bool ServeFocusRequest(QWidget* window, const FocusRequest& request) {
    if (request.control.empty()) {
        return false;
    }
    auto* target = window->findChild<QWidget*>(ToQt(request.control));
    if (!target) {
        return false;
    }
    // A field on a tab page that is not showing cannot take the focus until its page shows.
    for (QWidget* page = target; page && page != window; page = page->parentWidget()) {
        auto* stack = page->parentWidget();
        auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs && tabs->indexOf(page) >= 0) {
            tabs->setCurrentWidget(page);
        }
    }
    target->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(target); edit && request.selectionStart >= 0) {
        edit->setSelection(request.selectionStart, request.selectionLength);
    }
    return true;
}

QString WithoutMnemonic(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return caption;
}

} // namespace pickwell
