#include "style/StyleWindow.h"

#include "style/NoticeForm.h"

#include <string>

namespace pickwell {

StyleWindow::StyleWindow(MenuProject& project, SettingsStore& settings, NoticeDialog& notices,
                         const char* windowName, const char* editName, bool fontEditsMarkChanged)
    : m_project(project)
    , m_settings(settings)
    , m_notices(notices)
    , m_windowName(windowName)
    , m_editName(editName)
    , m_fontEditsMarkChanged(fontEditsMarkChanged) {}

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
    NameEdit(m_editName);
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

void StyleWindow::Unload() {
    ChangeScope scope(*this);
    m_visible = false;
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

void StyleWindow::FocusColorField(int index, int selectionStart, int selectionLength) {
    RequestFocus("txtclr" + std::to_string(index), selectionStart, selectionLength);
}

void StyleWindow::SetColorText(int index, const std::string& text) {
    ChangeScope scope(*this);
    Color(index).SetText(text);
}

void StyleWindow::ColorLostFocus(int index) {
    ChangeScope scope(*this);
    Color(index).LostFocus();
}

void StyleWindow::PickColor(int index) {
    ChangeScope scope(*this);
    Color(index).Pick();
}

void StyleWindow::SetFontItems(std::vector<std::string> items, int defaultIndex) {
    ChangeScope scope(*this);
    m_font.SetFontItems(std::move(items), defaultIndex);
}

void StyleWindow::SelectFontIndex(int index) {
    ChangeScope scope(*this);
    m_font.SelectFontIndex(index);
}

bool StyleWindow::SelectFont(const std::string& name) {
    ChangeScope scope(*this);
    return m_font.SelectFont(name);
}

void StyleWindow::SetFontSizeText(const std::string& text) {
    ChangeScope scope(*this);
    if (m_font.SetSizeText(text) && m_fontEditsMarkChanged) {
        MarkChanged();
    }
}

void StyleWindow::SelectFontSize(int index) {
    ChangeScope scope(*this);
    m_font.SelectSize(index);
}

void StyleWindow::SetFontWeight(int weight) {
    ChangeScope scope(*this);
    if (m_font.SetWeight(weight) && m_fontEditsMarkChanged) {
        MarkChanged();
    }
}

void StyleWindow::ScrollFontWeight(int weight) {
    ChangeScope scope(*this);
    m_font.ShowScrollPosition(weight);
}

int StyleWindow::KeyPressFontSize(int key) {
    return DigitKeyFilter(key);
}

void StyleWindow::SetUnderline(int value) {
    ChangeScope scope(*this);
    m_font.underline.value = value;
}

void StyleWindow::SetItalic(int value) {
    ChangeScope scope(*this);
    m_font.italic.value = value;
}

} // namespace pickwell
