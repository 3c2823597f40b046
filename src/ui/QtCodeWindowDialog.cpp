#include "ui/QtCodeWindowDialog.h"

#include "ui/CodeWindow.h"

#include <QApplication>

namespace pickwell {

void QtCodeWindowDialog::ShowModal(CodeWindowForm& form) {
    CodeWindow window(form, QApplication::activeWindow());
    window.exec();
}

} // namespace pickwell
