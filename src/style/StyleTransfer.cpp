#include "style/StyleTransfer.h"

#include "style/ButtonStyleForm.h"
#include "style/MenuStyleForm.h"

#include <charconv>
#include <optional>

namespace pickwell {

namespace {

// Committed weights come from the slider, so anything but a whole number is left alone.
std::optional<int> ParseWeight(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

void CommitStyleWindow(std::string_view kind, MenuStyleForm& menu, ButtonStyleForm& button) {
    if (kind == "mnu") {
        CommitMenuStyle(menu);
    } else if (kind == "bttn") {
        CommitButtonStyle(button);
    }
}

void RevertStyleWindow(std::string_view kind, MenuStyleForm& menu, ButtonStyleForm& button) {
    if (kind == "bttn") {
        RevertButtonStyle(button);
    } else if (kind == "mnu") {
        RevertMenuStyle(menu);
    }
}

void CommitMenuStyle(MenuStyleForm& menu) {
    menu.project().menuStyle = WorkingMenuStyle(menu);
}

void CommitButtonStyle(ButtonStyleForm& button) {
    button.project().buttonStyle = WorkingButtonStyle(button);
}

MenuStyle WorkingMenuStyle(MenuStyleForm& menu) {
    menu.FirstLoad();
    MenuStyle style = menu.project().menuStyle;
    style.textColor = menu.txtclr(0).text();
    style.bgColor = menu.txtclr(1).text();
    style.useSystemColors = menu.chkmnusysclr().value;
    style.fontName = menu.combofont().text;
    style.fontSize = menu.combofontsize().text;
    style.fontWeight = std::to_string(menu.Slider1());
    style.italic = menu.chkmnufntI().value;
    style.underline = menu.chkmnufntU().value;
    style.width = menu.txtMW().text;
    style.constrainWidth = menu.chkconstmnuwdth().value;
    return style;
}

ButtonStyle WorkingButtonStyle(ButtonStyleForm& button) {
    button.FirstLoad();
    ButtonStyle style = button.project().buttonStyle;
    style.textColor = button.txtclr(0).text();
    style.bgColor = button.txtclr(1).text();
    for (int side = 0; side < 4; ++side) {
        style.borderColors[static_cast<std::size_t>(side)] = button.txtclr(side + 2).text();
    }
    style.syncLeftTop = button.Check1().value;
    style.syncRightBottom = button.Check2().value;
    style.useSystemColors = button.chksysbttnclr().value;
    style.fontName = button.combofont().text;
    style.fontSize = button.combofontsize().text;
    style.fontWeight = std::to_string(button.Slider1());
    style.underline = button.chkbttnfntUL().value;
    style.italic = button.chkbttnfntIT().value;
    style.width = button.txtBW().text;
    style.height = button.txtBH().text;
    style.borderThickness = button.txtBT().text;
    style.constrainSize = button.chkconstbttnsz().value;
    style.noBorder = button.nbchk().value;
    return style;
}

void RevertMenuStyle(MenuStyleForm& menu) {
    menu.FirstLoad();
    // A copy: the handlers below must not see the committed values move under them.
    const MenuStyle style = menu.project().menuStyle;
    menu.SetColorText(0, style.textColor);
    menu.SetColorText(1, style.bgColor);
    menu.SetSystemColors(style.useSystemColors);
    menu.ApplyMenuColorMode();
    menu.SelectFont(style.fontName);
    menu.SetFontSizeText(style.fontSize);
    if (const auto weight = ParseWeight(style.fontWeight)) {
        menu.SetFontWeight(*weight);
    }
    menu.SetItalic(style.italic);
    menu.SetUnderline(style.underline);
    menu.SetWidthText(style.width);
    menu.SetConstrainWidth(style.constrainWidth);
}

void RevertButtonStyle(ButtonStyleForm& button) {
    button.FirstLoad();
    const ButtonStyle style = button.project().buttonStyle;
    button.SetColorText(0, style.textColor);
    button.SetColorText(1, style.bgColor);
    for (int side = 0; side < 4; ++side) {
        button.SetColorText(side + 2, style.borderColors[static_cast<std::size_t>(side)]);
    }
    button.SetSyncTopLeft(style.syncLeftTop);
    button.ApplyTopLeftSync();
    button.SetSyncRightBottom(style.syncRightBottom);
    button.ApplyRightBottomSync();
    button.SetSystemColors(style.useSystemColors);
    button.ApplyButtonColorMode();
    button.SelectFont(style.fontName);
    button.SetFontSizeText(style.fontSize);
    if (const auto weight = ParseWeight(style.fontWeight)) {
        button.SetFontWeight(*weight);
    }
    button.SetUnderline(style.underline);
    button.SetItalic(style.italic);
    button.SetWidthText(style.width);
    button.SetHeightText(style.height);
    button.SetThicknessText(style.borderThickness);
    button.SetConstrainSize(style.constrainSize);
    button.ApplyButtonSizeMode();
    button.SetNoBorder(style.noBorder);
    button.ApplyBorderMode();
}

} // namespace pickwell
