#pragma once

#include "colour/ColourField.h"
#include "model/FormControls.h"
#include "model/MenuProject.h"

namespace pickwell {

class NoticeDialog;
class SettingsStore;

// What the two style windows share: a modal working copy of one committed style that "OK"
// commits and "Cancel" (or the close box) reverts, their notices, and the rule by which their
// edits mark a saved project changed.
class StyleWindow : public FormModel, protected ColourFieldOwner {
public:
    MenuProject& project() { return m_project; }

    bool visible() const { return m_visible; }
    // The main window's style button: the browser notice first, unless it was turned off.
    void Open();
    void Show();
    void Ok();
    void Cancel();
    // A close the program did not ask for: the view refuses it, and Cancel runs instead.
    void CloseBox();

protected:
    StyleWindow(MenuProject& project, SettingsStore& settings, NoticeDialog& notices,
                const char* windowName);

    virtual void Commit() = 0;
    virtual void Revert() = 0;

    // The restore warning, skipped while the project is being reset; false after "No".
    bool ConfirmRestore();
    void ShowBorderNotice();
    // The window setting itself up is not an edit.
    void MarkChanged();
    void FocusColourField(int index, int selectionStart, int selectionLength) override;

    MenuProject& m_project;
    bool m_loading = false;

private:
    SettingsStore& m_settings;
    NoticeDialog& m_notices;
    const char* m_windowName;
    bool m_visible = false;
};

} // namespace pickwell
