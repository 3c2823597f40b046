#include "style/NoticeForm.h"

#include "platform/NoticeDialog.h"
#include "platform/SettingsStore.h"

namespace pickwell {

NoticeForm::NoticeForm(NoticeKind kind, SettingsStore& settings, std::string owner)
    : m_kind(kind)
    , m_settings(settings)
    , m_owner(std::move(owner)) {}

const char* NoticeForm::windowName() const {
    switch (m_kind) {
    case NoticeKind::Browser:
        return "iemsgfrm";
    case NoticeKind::Border:
        return "Form4";
    case NoticeKind::RestoreDefaults:
        break;
    }
    return "Form5";
}

const char* NoticeForm::caption() const {
    return m_kind == NoticeKind::RestoreDefaults ? "Warning" : "Important Message";
}

const char* NoticeForm::text() const {
    switch (m_kind) {
    case NoticeKind::Browser:
        return "Advanced properties (colors, font, etc.) for menus and buttons will only show up "
               "if the menu is viewed in Microsoft Internet Explorer. Netscape always uses one "
               "default font and style for Javascript menu elements.";
    case NoticeKind::Border:
        return "Changing this value has no effect when \"Use Default User System Button Colors\" "
               "is checked. A border is only displayed if you are using non-default colors.";
    case NoticeKind::RestoreDefaults:
        break;
    }
    return "This will restore all values in this dialog to the program default settings. All "
           "current settings will be lost. Do you wish to continue?";
}

const char* NoticeForm::settingKey() const {
    switch (m_kind) {
    case NoticeKind::Browser:
        return "Show IE Message";
    case NoticeKind::Border:
        return "Show Button Border Message";
    case NoticeKind::RestoreDefaults:
        break;
    }
    return "Show Restore Defaults Message";
}

void NoticeForm::SetShowAgain(int value) {
    m_check1.value = value;
    NotifyChanged();
}

void NoticeForm::StoreAnswer() {
    m_settings.SaveSetting(SettingsSection, settingKey(), m_check1.value == 1 ? "yes" : "no");
}

void NoticeForm::Ok() {
    if (m_closed || asksYesNo()) {
        return;
    }
    StoreAnswer();
    m_closed = true;
    NotifyChanged();
}

void NoticeForm::Yes() {
    if (m_closed || !asksYesNo()) {
        return;
    }
    StoreAnswer();
    m_closed = true;
    NotifyChanged();
}

void NoticeForm::No() {
    if (m_closed || !asksYesNo()) {
        return;
    }
    StoreAnswer();
    m_canc = true;
    m_closed = true;
    NotifyChanged();
}

void NoticeForm::Close() {
    if (m_closed) {
        return;
    }
    m_closed = true;
    NotifyChanged();
}

bool ShowNoticeIfWanted(NoticeKind kind, SettingsStore& settings, NoticeDialog& dialog,
                        const std::string& owner) {
    NoticeForm notice(kind, settings, owner);
    if (settings.GetSetting(NoticeForm::SettingsSection, notice.settingKey(), "yes") != "yes") {
        return true;
    }
    dialog.ShowModal(notice);
    return !notice.canc();
}

} // namespace pickwell
