#include "ui/QtHelpWindowsDialog.h"

#include "platform/qt/QtPrompt.h"
#include "ui/AboutWindow.h"
#include "ui/TellAFriendWindow.h"
#include "ui/TipWindow.h"

#include <QApplication>

namespace pickwell {
namespace {

// At start-up the main window may not be active yet; it owns the tip window all the same.
QWidget* Owner() {
    if (QWidget* owner = QtPrompt::DialogOwner()) {
        return owner;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("Form1")) {
            return window;
        }
    }
    return nullptr;
}

} // namespace

void QtHelpWindowsDialog::ShowModal(TipForm& form) {
    TipWindow window(form, Owner());
    window.exec();
}

void QtHelpWindowsDialog::ShowModal(AboutForm& form) {
    AboutWindow window(form, Owner());
    window.exec();
}

void QtHelpWindowsDialog::ShowModal(TellAFriendForm& form) {
    TellAFriendWindow window(form, Owner());
    window.exec();
}

} // namespace pickwell
