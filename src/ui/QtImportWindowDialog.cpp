#include "ui/QtImportWindowDialog.h"

#include "platform/qt/QtPrompt.h"
#include "ui/ImportWindow.h"

namespace pickwell {

void QtImportWindowDialog::ShowModal(ImportForm& form) {
    ImportWindow window(form, QtPrompt::DialogOwner());
    window.exec();
}

} // namespace pickwell
