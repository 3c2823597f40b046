#pragma once

#include "style/FontControls.h"
#include "style/StyleWindow.h"

#include <array>
#include <string>
#include <vector>

namespace pickwell {

// The menu style window (frmAdvMnuOp): the working copy of the project's MenuStyle. Every
// setter runs the control's own handling as a user's change would, and only when the value
// really changes. A colour row (lbldesc, txtclr, lblclr, cmdclr) is enabled as its txtclr
// field is; Label17 and Label20 follow txtMW.
class MenuStyleForm : public StyleWindow {
public:
    static constexpr int ColorCount = 2;
    static constexpr std::size_t WidthMaxLength = 4;

    MenuStyleForm(MenuProject& project, ColorFieldContext& colors, SettingsStore& settings,
                  NoticeDialog& notices);

    // Captures the default colours from the swatches. Runs once: when the font lists are
    // filled, or else at the window's first use (restore, commit, revert).
    void FirstLoad();
    bool loaded() const { return m_loaded; }
    const std::array<std::string, ColorCount>& DefaultMenuColors() const { return m_defaultColors; }

    // Colour fields: change them through SetColourText, ColourLostFocus and PickColour, so
    // that the view hears about it.
    ColorField& txtclr(int index) { return m_colors.at(static_cast<std::size_t>(index)); }
    const ColorField& txtclr(int index) const {
        return m_colors.at(static_cast<std::size_t>(index));
    }
    const CheckControl& chkmnusysclr() const { return m_systemColors; }
    const CheckControl& chkmnufntU() const { return m_font.underline; }
    const CheckControl& chkmnufntI() const { return m_font.italic; }
    const CheckControl& chkconstmnuwdth() const { return m_constrainWidth; }
    const TextControl& txtMW() const { return m_width; }

    // Pixels, like the button window's sizes: digits and backspace only.
    static int KeyPressWidth(int key);

    void SetSystemColors(int value);
    void SetWidthText(const std::string& text);
    void SetConstrainWidth(int value);

    void ApplyMenuColorMode();
    void ApplyMenuWidthMode();

    // Asks first (restore warning) unless the project is being reset.
    void RestoreDefaults();

private:
    ColorField& Color(int index) override { return txtclr(index); }
    void Commit() override;
    void Revert() override;
    void AfterColorChange(int index) override;
    void AfterColorPick(int index) override;

    std::array<ColorField, ColorCount> m_colors;
    std::array<std::string, ColorCount> m_defaultColors;
    CheckControl m_systemColors{1, true};
    CheckControl m_constrainWidth{1, true};
    TextControl m_width{"", false};
    bool m_loaded = false;
};

} // namespace pickwell
