#include "style/ButtonStyleForm.h"

#include "style/StyleTransfer.h"
#include "text/Utf8.h"

namespace pickwell {

namespace {

constexpr int RowTop = 2;
constexpr int RowLeft = 3;
constexpr int RowRight = 4;
constexpr int RowBottom = 5;

bool Ticked(const CheckControl& check) {
    return check.value == 1;
}

ColorField MakeField(int index, ColorFieldContext& colors, ColorFieldOwner& owner,
                     int systemColor) {
    return ColorField(index, ColorFieldVariant::StyleWindow, colors, owner,
                      SystemColorReference(systemColor));
}

} // namespace

ButtonStyleForm::ButtonStyleForm(MenuProject& project, ColorFieldContext& colors,
                                 SettingsStore& settings, NoticeDialog& notices)
    : StyleWindow(project, settings, notices, "FrmAdvBttnOp", "Button Style", true)
    , m_colors{MakeField(0, colors, *this, ColorButtonText),
               MakeField(1, colors, *this, ColorButtonFace),
               MakeField(RowTop, colors, *this, ColorButtonHighlight),
               MakeField(RowLeft, colors, *this, ColorButtonHighlight),
               MakeField(RowRight, colors, *this, ColorButtonShadow),
               MakeField(RowBottom, colors, *this, ColorButtonShadow)} {}

void ButtonStyleForm::FirstLoad() {
    if (m_loaded) {
        return;
    }
    ChangeScope scope(*this);
    m_loaded = true;
    m_loading = true;
    ApplyTopLeftSync();
    ApplyRightBottomSync();
    for (int i = 0; i < ColorCount; ++i) {
        ColorField& field = txtclr(i);
        field.SetText(ColorToHex(TranslateSystemColor(field.swatchColor())));
        m_defaultColors[static_cast<std::size_t>(i)] = field.text();
    }
    m_font.ShowWeight();
    ApplyButtonColorMode();
    m_loading = false;
}

void ButtonStyleForm::SetSyncTopLeft(int value) {
    if (value == m_syncTopLeft.value) {
        return;
    }
    ChangeScope scope(*this);
    m_syncTopLeft.value = value;
    ApplyTopLeftSync();
}

void ButtonStyleForm::SetSyncRightBottom(int value) {
    if (value == m_syncRightBottom.value) {
        return;
    }
    ChangeScope scope(*this);
    m_syncRightBottom.value = value;
    ApplyRightBottomSync();
}

void ButtonStyleForm::SetNoBorder(int value) {
    if (value == m_noBorder.value) {
        return;
    }
    ChangeScope scope(*this);
    m_noBorder.value = value;
    ApplyBorderMode();
}

void ButtonStyleForm::SetSystemColors(int value) {
    if (value == m_systemColors.value) {
        return;
    }
    ChangeScope scope(*this);
    m_systemColors.value = value;
    ApplyButtonColorMode();
}

namespace {

// A text field of at most four characters; true when its text changed.
bool SetSizeField(TextControl& field, const std::string& text) {
    std::string cut = Utf8Left(text, ButtonStyleForm::SizeMaxLength);
    if (cut == field.text) {
        return false;
    }
    field.text = std::move(cut);
    return true;
}

} // namespace

void ButtonStyleForm::SetWidthText(const std::string& text) {
    ChangeScope scope(*this);
    if (SetSizeField(m_width, text)) {
        MarkChanged();
    }
}

void ButtonStyleForm::SetHeightText(const std::string& text) {
    ChangeScope scope(*this);
    if (SetSizeField(m_height, text)) {
        MarkChanged();
    }
}

void ButtonStyleForm::SetThicknessText(const std::string& text) {
    ChangeScope scope(*this);
    if (SetSizeField(m_thickness, text)) {
        MarkChanged();
    }
}

void ButtonStyleForm::SetConstrainSize(int value) {
    if (value == m_constrainSize.value) {
        return;
    }
    ChangeScope scope(*this);
    m_constrainSize.value = value;
    ApplyButtonSizeMode();
}

void ButtonStyleForm::SetRow(int index, bool enabled) {
    ColorField& field = txtclr(index);
    field.SetEnabled(enabled);
    field.SetSwatchOpaque(enabled);
}

bool ButtonStyleForm::BorderRowsAvailable() const {
    return !Ticked(m_systemColors) && !Ticked(m_noBorder);
}

void ButtonStyleForm::ApplyButtonColorMode() {
    ChangeScope scope(*this);
    const bool enabled = !Ticked(m_systemColors);
    for (int i = 0; i < ColorCount; ++i) {
        SetRow(i, enabled);
    }
    m_syncTopLeft.enabled = enabled;
    m_syncRightBottom.enabled = enabled;
    if (enabled) {
        ApplyTopLeftSync();
        ApplyRightBottomSync();
        m_noBorder.enabled = true;
    } else {
        SetNoBorder(1);
        m_noBorder.enabled = false;
    }
    ApplyBorderMode();
}

void ButtonStyleForm::ApplyBorderMode() {
    ChangeScope scope(*this);
    const bool enabled = !Ticked(m_noBorder);
    for (int i = RowTop; i <= RowBottom; ++i) {
        SetRow(i, enabled);
    }
    m_thickness.enabled = enabled;
    m_syncTopLeft.enabled = enabled;
    m_syncRightBottom.enabled = enabled;
    ApplyTopLeftSync();
    ApplyRightBottomSync();
    if (Ticked(m_noBorder)) {
        SetThicknessText("");
    }
}

void ButtonStyleForm::ApplyButtonSizeMode() {
    ChangeScope scope(*this);
    if (Ticked(m_constrainSize)) {
        m_width.enabled = false;
        m_height.enabled = false;
        SetWidthText("");
        SetHeightText("");
    } else {
        m_width.enabled = true;
        m_height.enabled = true;
    }
}

void ButtonStyleForm::ApplySync(const CheckControl& check, int from, int to) {
    MarkChanged();
    if (Ticked(check)) {
        txtclr(to).SetText(txtclr(from).text());
        txtclr(to).SetEnabled(false);
    } else {
        txtclr(to).SetEnabled(BorderRowsAvailable());
    }
}

void ButtonStyleForm::ApplyTopLeftSync() {
    ChangeScope scope(*this);
    ApplySync(m_syncTopLeft, RowTop, RowLeft);
}

void ButtonStyleForm::ApplyRightBottomSync() {
    ChangeScope scope(*this);
    ApplySync(m_syncRightBottom, RowRight, RowBottom);
}

int ButtonStyleForm::KeyPressWidth(int key) {
    return DigitKeyFilter(key);
}

int ButtonStyleForm::KeyPressHeight(int key) {
    return DigitKeyFilter(key);
}

int ButtonStyleForm::KeyPressThickness(int key) {
    if (!Ticked(m_systemColors)) {
        return DigitKeyFilter(key);
    }
    ShowBorderNotice();
    return 0;
}

void ButtonStyleForm::RestoreDefaults() {
    ChangeScope scope(*this);
    FirstLoad();
    if (!ConfirmRestore()) {
        return;
    }
    for (int i = 0; i < ColorCount; ++i) {
        txtclr(i).SetText(m_defaultColors[static_cast<std::size_t>(i)]);
    }
    SetSyncTopLeft(1);
    SetSyncRightBottom(1);
    ApplyTopLeftSync();
    ApplyRightBottomSync();
    SetConstrainSize(1);
    ApplyButtonSizeMode();
    SetSystemColors(1);
    ApplyButtonColorMode();
    SetWidthText("");
    SetHeightText("");
    SetThicknessText("2");
    SetUnderline(0);
    SetItalic(0);
    m_font.SelectDefaultFont();
    m_font.SelectSize(FontControls::DefaultSizeIndex);
    SetFontWeight(FontControls::DefaultWeight);
}

void ButtonStyleForm::Commit() {
    CommitButtonStyle(*this);
}

void ButtonStyleForm::Revert() {
    RevertButtonStyle(*this);
}

void ButtonStyleForm::BeforeColorChange(int /*index*/) {
    MarkChanged();
}

void ButtonStyleForm::AfterColorChange(int index) {
    if (index == RowTop && Ticked(m_syncTopLeft)) {
        txtclr(RowLeft).SetText(txtclr(RowTop).text());
    } else if (index == RowRight && Ticked(m_syncRightBottom)) {
        txtclr(RowBottom).SetText(txtclr(RowRight).text());
    }
    // A repaint must not show a colour that system colours or "No Border" leave unused.
    const bool available = index < RowTop ? !Ticked(m_systemColors) : BorderRowsAvailable();
    if (!available) {
        txtclr(index).SetSwatchOpaque(false);
    }
}

void ButtonStyleForm::AfterColorPick(int /*index*/) {
    MarkChanged();
}

} // namespace pickwell
