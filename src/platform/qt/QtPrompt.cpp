#include "platform/qt/QtPrompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace pickwell {

namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkHelp:
        break;
    case MessageButtons::YesNo:
    case MessageButtons::TwoChoices:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton ToQt(Button button) {
    switch (button) {
    case Button::Ok:
        break;
    case Button::Cancel:
        return QMessageBox::Cancel;
    case Button::Yes:
        return QMessageBox::Yes;
    case Button::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

// The answer that changes nothing; Escape and closing the box give it.
Button EscapeAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkHelp:
        break;
    case MessageButtons::YesNo:
        return Button::No;
    case MessageButtons::YesNoCancel:
    case MessageButtons::TwoChoices:
        return Button::Cancel;
    }
    return Button::Ok;
}

Button Answer(QMessageBox::StandardButton button, MessageButtons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return Button::Ok;
    case QMessageBox::Cancel:
        return Button::Cancel;
    case QMessageBox::Yes:
        return Button::Yes;
    case QMessageBox::No:
        return Button::No;
    default:
        return EscapeAnswer(buttons);
    }
}

} // namespace

void QtPrompt::SetHelpHandler(HelpHandler handler) {
    m_helpHandler = std::move(handler);
}

Button QtPrompt::Show(const Message& message) {
    QMessageBox box(DialogOwner());
    box.setWindowTitle(QString::fromStdString(message.title));
    box.setTextFormat(Qt::PlainText);
    // The program's texts end their lines the Windows way.
    box.setText(QString::fromStdString(message.text).remove('\r'));
    box.setIcon(ToQt(message.icon));
    box.setStandardButtons(ToQt(message.buttons));
    const QAbstractButton* help = message.buttons == MessageButtons::OkHelp && m_helpHandler
                                      ? box.addButton(QMessageBox::Help)
                                      : nullptr;
    if (message.buttons == MessageButtons::TwoChoices) {
        box.button(QMessageBox::Yes)->setText(QString::fromStdString(message.yesText));
        box.button(QMessageBox::No)->setText(QString::fromStdString(message.noText));
        // Escape needs a button to press; this one is never shown.
        box.addButton(QMessageBox::Cancel)->hide();
    }
    if (box.button(ToQt(message.defaultButton))) {
        box.setDefaultButton(ToQt(message.defaultButton));
    }
    box.setEscapeButton(box.button(ToQt(EscapeAnswer(message.buttons))));

    box.exec();
    // QMessageBox closes on every button, Help included, so the box comes back after the help.
    while (help && box.clickedButton() == help) {
        m_helpHandler(message.helpTopic);
        box.exec();
    }
    return Answer(box.standardButton(box.clickedButton()), message.buttons);
}

QWidget* QtPrompt::DialogOwner() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

} // namespace pickwell
