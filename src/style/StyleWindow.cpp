#include "style/StyleWindow.h"

#include "style/NoticeForm.h"

#include <string>

namespace pickwell {

StyleWindow::StyleWindow(MenuProject& project, SettingsStore& settings, NoticeDialog& notices,
                         const char* windowName)
    : m_project(project)
    , m_settings(settings)
    , m_notices(notices)
    , m_windowName(windowName) {}

void StyleWindow::Open() {
    ShowNoticeIfWanted(NoticeKind::Browser, m_settings, m_notices);
    Show();
}

void StyleWindow::Show() {
    ChangeScope scope(*this);
    m_visible = true;
}

void StyleWindow::Ok() {
    ChangeScope scope(*this);
    m_visible = false;
    Commit();
}

void StyleWindow::Cancel() {
    ChangeScope scope(*this);
    m_visible = false;
    Revert();
}

void StyleWindow::CloseBox() {
    Cancel();
}

bool StyleWindow::ConfirmRestore() {
    return m_project.SilentRestore ||
           ShowNoticeIfWanted(NoticeKind::RestoreDefaults, m_settings, m_notices, m_windowName);
}

void StyleWindow::ShowBorderNotice() {
    ShowNoticeIfWanted(NoticeKind::Border, m_settings, m_notices, m_windowName);
}

void StyleWindow::MarkChanged() {
    if (m_project.HasProjectFile && !m_loading) {
        m_project.DirtyFlag = true;
    }
}

void StyleWindow::FocusColourField(int index, int selectionStart, int selectionLength) {
    RequestFocus("txtclr" + std::to_string(index), selectionStart, selectionLength);
}

} // namespace pickwell
