#include "style/MenuStyleForm.h"

#include "style/StyleTransfer.h"
#include "text/Utf8.h"

namespace pickwell {

namespace {

bool Ticked(const CheckControl& check) {
    return check.value == 1;
}

} // namespace

MenuStyleForm::MenuStyleForm(MenuProject& project, ColorFieldContext& colors,
                             SettingsStore& settings, NoticeDialog& notices)
    : StyleWindow(project, settings, notices, "frmAdvMnuOp", "Menu Style", false)
    , m_colors{ColorField(0, ColorFieldVariant::StyleWindow, colors, *this,
                          SystemColorReference(ColorWindowText)),
               ColorField(1, ColorFieldVariant::StyleWindow, colors, *this,
                          SystemColorReference(ColorWindow))} {}

void MenuStyleForm::FirstLoad() {
    if (m_loaded) {
        return;
    }
    ChangeScope scope(*this);
    m_loaded = true;
    for (int i = 0; i < ColorCount; ++i) {
        ColorField& field = txtclr(i);
        field.SetText(ColorToHex(TranslateSystemColor(field.swatchColor())));
        m_defaultColors[static_cast<std::size_t>(i)] = field.text();
    }
    m_font.ShowWeight();
    ApplyMenuColorMode();
}

int MenuStyleForm::KeyPressWidth(int key) {
    return DigitKeyFilter(key);
}

void MenuStyleForm::SetSystemColors(int value) {
    if (value == m_systemColors.value) {
        return;
    }
    ChangeScope scope(*this);
    m_systemColors.value = value;
    ApplyMenuColorMode();
}

void MenuStyleForm::SetWidthText(const std::string& text) {
    ChangeScope scope(*this);
    m_width.text = Utf8Left(text, WidthMaxLength);
}

void MenuStyleForm::SetConstrainWidth(int value) {
    if (value == m_constrainWidth.value) {
        return;
    }
    ChangeScope scope(*this);
    m_constrainWidth.value = value;
    ApplyMenuWidthMode();
}

void MenuStyleForm::ApplyMenuColorMode() {
    ChangeScope scope(*this);
    const bool enabled = !Ticked(m_systemColors);
    for (ColorField& field : m_colors) {
        field.SetEnabled(enabled);
        field.SetSwatchOpaque(enabled);
    }
}

void MenuStyleForm::ApplyMenuWidthMode() {
    ChangeScope scope(*this);
    if (Ticked(m_constrainWidth)) {
        m_width.enabled = false;
        SetWidthText("");
    } else {
        m_width.enabled = true;
    }
}

void MenuStyleForm::RestoreDefaults() {
    ChangeScope scope(*this);
    FirstLoad();
    if (!ConfirmRestore()) {
        return;
    }
    for (int i = 0; i < ColorCount; ++i) {
        txtclr(i).SetText(m_defaultColors[static_cast<std::size_t>(i)]);
    }
    SetSystemColors(1);
    ApplyMenuColorMode();
    SetConstrainWidth(1);
    SetUnderline(0);
    SetItalic(0);
    ApplyMenuWidthMode();
    SetWidthText("");
    m_font.SelectDefaultFont();
    m_font.SelectSize(FontControls::DefaultSizeIndex);
    SetFontWeight(FontControls::DefaultWeight);
}

void MenuStyleForm::Commit() {
    CommitMenuStyle(*this);
}

void MenuStyleForm::Revert() {
    RevertMenuStyle(*this);
}

void MenuStyleForm::AfterColorChange(int index) {
    // A repaint must not show a colour that system colours replace.
    if (Ticked(m_systemColors)) {
        txtclr(index).SetSwatchOpaque(false);
    }
}

void MenuStyleForm::AfterColorPick(int /*index*/) {
    MarkChanged();
}

} // namespace pickwell
