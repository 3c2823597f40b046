#pragma once

#include "model/FormControls.h"

#include <string>

namespace pickwell {

class NoticeDialog;
class SettingsStore;

// The three one-time notices: the browser notice (iemsgfrm), the border notice (Form4) and
// the restore warning (Form5).
enum class NoticeKind { Browser, Border, RestoreDefaults };

// One notice while it is open. Its "Show this message again" answer goes into the "Messages"
// settings only when one of its buttons closes it.
class NoticeForm : public FormModel {
public:
    static constexpr const char* SettingsSection = "Messages";

    // `owner` names the window the notice belongs to; empty for none.
    NoticeForm(NoticeKind kind, SettingsStore& settings, std::string owner = {});

    NoticeKind kind() const { return m_kind; }
    const std::string& owner() const { return m_owner; }
    const char* windowName() const;
    const char* caption() const;
    const char* text() const;
    const char* settingKey() const;
    // The restore warning asks Yes/No; the other two have a single OK.
    bool asksYesNo() const { return m_kind == NoticeKind::RestoreDefaults; }

    const CheckControl& Check1() const { return m_check1; }
    void SetShowAgain(int value);

    void Ok();
    void Yes();
    void No();
    // Closed without one of its buttons: nothing is stored.
    void Close();

    bool closed() const { return m_closed; }
    // The restore warning's answer: true after "No", false otherwise.
    bool canc() const { return m_canc; }

private:
    void StoreAnswer();

    NoticeKind m_kind;
    SettingsStore& m_settings;
    std::string m_owner;
    CheckControl m_check1{1, true};
    bool m_closed = false;
    bool m_canc = false;
};

// The caller's side of a notice: shows it modally when its setting reads exactly "yes" (a
// missing setting reads so). Returns false only when the restore warning was answered "No".
bool ShowNoticeIfWanted(NoticeKind kind, SettingsStore& settings, NoticeDialog& dialog,
                        const std::string& owner = {});

} // namespace pickwell
