#pragma once

#include "style/FontControls.h"
#include "style/StyleWindow.h"

#include <array>
#include <string>
#include <vector>

namespace pickwell {

// The button style window (FrmAdvBttnOp): the working copy of the project's ButtonStyle.
// Colour rows 0 text, 1 face, 2 top, 3 left, 4 right, 5 bottom border. Every setter runs the
// control's own handling as a user's change would, and only when the value really changes.
// A colour row (lbldesc, txtclr, lblclr, cmdclr) is enabled as its txtclr field is; Label17
// and Label20 follow txtBW, Label19 and Label21 follow txtBH, Label18 and Label22 follow txtBT.
class ButtonStyleForm : public StyleWindow {
public:
    static constexpr int ColorCount = 6;
    static constexpr std::size_t SizeMaxLength = 4;

    ButtonStyleForm(MenuProject& project, ColorFieldContext& colors, SettingsStore& settings,
                    NoticeDialog& notices);

    // Captures the default colours and settles the border state. Runs once: when the font
    // lists are filled, or else at the window's first use (restore, commit, revert).
    void FirstLoad();
    bool loaded() const { return m_loaded; }
    // True while FirstLoad runs, so that nothing it does marks the project changed.
    bool StyleWindowLoading() const { return m_loading; }
    const std::array<std::string, ColorCount>& DefaultButtonColors() const {
        return m_defaultColors;
    }

    // Colour fields: change them through SetColourText, ColourLostFocus and PickColour, so
    // that the view hears about it.
    ColorField& txtclr(int index) { return m_colors.at(static_cast<std::size_t>(index)); }
    const ColorField& txtclr(int index) const {
        return m_colors.at(static_cast<std::size_t>(index));
    }
    const CheckControl& chksysbttnclr() const { return m_systemColors; }
    const CheckControl& chkconstbttnsz() const { return m_constrainSize; }
    const TextControl& txtBW() const { return m_width; }
    const TextControl& txtBH() const { return m_height; }
    const CheckControl& Check1() const { return m_syncTopLeft; }
    const CheckControl& Check2() const { return m_syncRightBottom; }
    const CheckControl& nbchk() const { return m_noBorder; }
    const TextControl& txtBT() const { return m_thickness; }
    const CheckControl& chkbttnfntUL() const { return m_font.underline; }
    const CheckControl& chkbttnfntIT() const { return m_font.italic; }

    void SetSyncTopLeft(int value);
    void SetSyncRightBottom(int value);
    void SetNoBorder(int value);
    void SetSystemColors(int value);
    void SetWidthText(const std::string& text);
    void SetHeightText(const std::string& text);
    void SetThicknessText(const std::string& text);
    void SetConstrainSize(int value);

    void ApplyButtonColorMode();
    void ApplyBorderMode();
    void ApplyButtonSizeMode();
    void ApplyTopLeftSync();
    void ApplyRightBottomSync();

    // Keystroke filters: the key that reaches the field, 0 when it is dropped.
    static int KeyPressWidth(int key);
    static int KeyPressHeight(int key);
    // While system colours are on every key is dropped and the border notice may be shown.
    int KeyPressThickness(int key);

    // Asks first (restore warning) unless the project is being reset.
    void RestoreDefaults();

private:
    ColorField& Color(int index) override { return txtclr(index); }
    void Commit() override;
    void Revert() override;
    void BeforeColorChange(int index) override;
    void AfterColorChange(int index) override;
    void AfterColorPick(int index) override;
    bool BorderRowsAvailable() const;
    void ApplySync(const CheckControl& check, int from, int to);
    void SetRow(int index, bool enabled);

    std::array<ColorField, ColorCount> m_colors;
    std::array<std::string, ColorCount> m_defaultColors;
    CheckControl m_systemColors{1, true};
    CheckControl m_constrainSize{1, true};
    TextControl m_width{"", false};
    TextControl m_height{"", false};
    CheckControl m_syncTopLeft{1, true};
    CheckControl m_syncRightBottom{1, true};
    CheckControl m_noBorder{0, true};
    TextControl m_thickness{"2", true};
    bool m_loaded = false;
};

} // namespace pickwell
