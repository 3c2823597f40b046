#include "ui/QtNoticeDialog.h"

#include "style/NoticeForm.h"
#include "ui/NoticeWindow.h"
#include "ui/ViewSync.h"

#include <QApplication>

namespace pickwell {
namespace {

// The owner is named by its object name; the browser notice names none.
QWidget* OwnerWindow(const std::string& name) {
    if (name.empty()) {
        return nullptr;
    }
    const QString wanted = ToQt(name);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == wanted) {
            return window;
        }
    }
    return nullptr;
}

} // namespace

void QtNoticeDialog::ShowModal(NoticeForm& notice) {
    NoticeWindow window(notice, OwnerWindow(notice.owner()));
    window.exec();
}

} // namespace pickwell
