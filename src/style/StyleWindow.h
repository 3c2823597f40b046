#pragma once

#include "colour/ColorField.h"
#include "model/FormControls.h"
#include "model/MenuProject.h"
#include "style/FontControls.h"

#include <string>
#include <vector>

namespace pickwell {

class NoticeDialog;
class SettingsStore;

// What the two style windows share: a modal working copy of one committed style that "OK"
// commits and "Cancel" (or the close box) reverts, their notices, and the rule by which their
// edits mark a saved project changed.
class StyleWindow : public FormModel, protected ColorFieldOwner {
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
    // The program's own close at exit: hidden as it is, nothing committed or reverted.
    void Unload();

    const ListControl& combofont() const { return m_font.combofont(); }
    const ListControl& combofontsize() const { return m_font.combofontsize(); }
    int Slider1() const { return m_font.Slider1(); }
    const std::string& Label16() const { return m_font.Label16(); }

    // Colour fields change through these, so that the view hears about it.
    void SetColorText(int index, const std::string& text);
    void ColorLostFocus(int index);
    void PickColor(int index);

    void SetFontItems(std::vector<std::string> items, int defaultIndex);
    void SelectFontIndex(int index);
    // False when `name` is not in the font list; the selection then stays as it was.
    bool SelectFont(const std::string& name);
    // Typing a size and setting the weight mark a saved project changed where the window's
    // edits of them count (the button window).
    void SetFontSizeText(const std::string& text);
    // Choosing a size from the list, unlike typing one, leaves the project unmarked.
    void SelectFontSize(int index);
    void SetFontWeight(int weight);
    void ScrollFontWeight(int weight);
    // Sizes are pixels: digits and backspace only.
    static int KeyPressFontSize(int key);
    void SetUnderline(int value);
    void SetItalic(int value);

protected:
    StyleWindow(MenuProject& project, SettingsStore& settings, NoticeDialog& notices,
                const char* windowName, const char* editName, bool fontEditsMarkChanged);

    virtual ColorField& Color(int index) = 0;
    virtual void Commit() = 0;
    virtual void Revert() = 0;

    // The restore warning, skipped while the project is being reset; false after "No".
    bool ConfirmRestore();
    void ShowBorderNotice();
    // The window setting itself up is not an edit.
    void MarkChanged();
    void FocusColorField(int index, int selectionStart, int selectionLength) override;

    MenuProject& m_project;
    FontControls m_font;
    bool m_loading = false;

private:
    SettingsStore& m_settings;
    NoticeDialog& m_notices;
    const char* m_windowName;
    const char* m_editName; // what the edit history calls a commit by OK
    bool m_fontEditsMarkChanged;
    bool m_visible = false;
};

} // namespace pickwell
