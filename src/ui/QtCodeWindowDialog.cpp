#include "ui/QtCodeWindowDialog.h"

#include "platform/qt/QtPrompt.h"
#include "ui/CodeWindow.h"

namespace pickwell {

void QtCodeWindowDialog::ShowModal(CodeWindowForm& form) {
    CodeWindow window(form, QtPrompt::DialogOwner());
    window.exec();
}

} // namespace pickwell
