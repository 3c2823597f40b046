#include "ui/Widgets.h"

#include "ui/ViewSync.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace pickwell {

QCheckBox* NamedCheckBox(const QString& caption, const QString& name, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setAccessibleName(WithoutMnemonic(caption));
    return box;
}

QPushButton* NamedButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(WithoutMnemonic(caption));
    return button;
}

QLabel* NamedLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QGroupBox* NamedGroup(const QString& title, const QString& name, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    return group;
}

QLabel* CaptionFor(QWidget* control, const QString& caption, const QString& name, QWidget* parent) {
    QLabel* label = NamedLabel(caption, name, parent);
    label->setBuddy(control);
    control->setAccessibleName(WithoutMnemonic(caption));
    return label;
}

void OnToggled(QAbstractButton* box, QObject* context, std::function<void(int)> handler) {
    QObject::connect(box, &QAbstractButton::toggled, context,
                     [handler = std::move(handler)](bool checked) { handler(checked ? 1 : 0); });
}

void OnChosen(QAbstractButton* option, QObject* context, std::function<void()> handler) {
    QObject::connect(option, &QAbstractButton::toggled, context,
                     [handler = std::move(handler)](bool checked) {
                         if (checked) {
                             handler();
                         }
                     });
}

} // namespace pickwell
