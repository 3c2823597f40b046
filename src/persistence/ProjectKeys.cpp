#include "persistence/ProjectKeys.h"

#include "model/MainForm.h"
#include "platform/Prompt.h"
#include "style/ButtonStyleForm.h"
#include "style/MenuStyleForm.h"

namespace pickwell {

namespace {

using Forms = ProjectForms;
using Value = FieldValue;

// The field `member` of the project's part `part`, as a value.
template <typename Part>
std::function<Value(const MenuProject&)> Field(Part MenuProject::*part, std::string Part::*member) {
    return [part, member](const MenuProject& p) { return Value{0, (p.*part).*member}; };
}
template <typename Part>
std::function<Value(const MenuProject&)> Field(Part MenuProject::*part, int Part::*member) {
    return [part, member](const MenuProject& p) { return Value{(p.*part).*member, {}}; };
}

// Options of the standards-compliant code are stored only with it on, so that a classic
// project keeps the bytes it always had.
bool Standards(const MenuProject& p) {
    return p.menuOptions.standardsCode == 1;
}

void ChooseFont(Forms& forms, StyleWindow& window, const std::string& name) {
    if (!window.SelectFont(name)) {
        Message message;
        message.title = "Note";
        message.text = "This menu project uses a font that is not installed on your system. The "
                       "default font will be used instead.";
        message.icon = MessageIcon::Information;
        forms.prompt.Show(message);
    }
}

// The font keys both style sections hold, for the part `style` of the project, which the
// window that `window` picks shows.
template <typename Style>
std::vector<ProjectKey> FontKeys(Style MenuProject::*style, StyleWindow& (*window)(Forms&)) {
    return {
        {"Font", KeyForm::FontName, Field(style, &Style::fontName),
         [window](Forms& f, const Value& v) { ChooseFont(f, window(f), v.text); }},
        {"Font Size", KeyForm::FontSize, Field(style, &Style::fontSize),
         [window](Forms& f, const Value& v) { window(f).SetFontSizeText(v.text); }},
        {"Font Weight", KeyForm::FontWeight, Field(style, &Style::fontWeight),
         [window](Forms& f, const Value& v) { window(f).SetFontWeight(v.number); }},
        {"Underline", KeyForm::Check, Field(style, &Style::underline),
         [window](Forms& f, const Value& v) { window(f).SetUnderline(v.number); }},
        {"Italics", KeyForm::Check, Field(style, &Style::italic),
         [window](Forms& f, const Value& v) { window(f).SetItalic(v.number); }},
    };
}

StyleWindow& MenuWindow(Forms& forms) {
    return forms.menuStyle;
}
StyleWindow& ButtonWindow(Forms& forms) {
    return forms.buttonStyle;
}

// The rows of each part, one part after another.
std::vector<ProjectKey> Rows(std::initializer_list<std::vector<ProjectKey>> parts) {
    std::vector<ProjectKey> rows;
    for (const std::vector<ProjectKey>& part : parts) {
        rows.insert(rows.end(), part.begin(), part.end());
    }
    return rows;
}

// "Color 0" to "Color 5": the text, the face and the four borders.
std::vector<ProjectKey> ButtonColorKeys() {
    std::vector<ProjectKey> keys;
    for (int n = 0; n < ButtonStyleForm::ColorCount; ++n) {
        const auto get = [n](const MenuProject& p) {
            const ButtonStyle& style = p.buttonStyle;
            return Value{0, n == 0   ? style.textColor
                            : n == 1 ? style.bgColor
                                     : style.borderColors.at(static_cast<std::size_t>(n - 2))};
        };
        keys.push_back({"Color " + std::to_string(n), KeyForm::Color, get,
                        [n](Forms& f, const Value& v) { f.buttonStyle.SetColorText(n, v.text); }});
    }
    return keys;
}

std::vector<ProjectSection> MakeSections() {
    constexpr auto options = &MenuProject::menuOptions;
    constexpr auto menu = &MenuProject::menuStyle;
    constexpr auto button = &MenuProject::buttonOptions;
    constexpr auto style = &MenuProject::buttonStyle;
    return {
        {"Menu Options",
         {
             {"Navigate", KeyForm::ZeroOrOne, Field(options, &MenuOptions::navigateMode),
              [](Forms& f, const Value& v) {
                  f.main.SetNavigateMode(v.number);
                  f.main.ApplyNavigateMode(v.number);
              }},
             {"Align to Button", KeyForm::ListPosition, Field(options, &MenuOptions::alignToButton),
              [](Forms& f, const Value& v) { f.main.SetAlignToButton(v.number); }},
             {"Target", KeyForm::ListPosition, Field(options, &MenuOptions::target),
              [](Forms& f, const Value& v) { f.main.SetTarget(v.number); }},
             {"Frame Name", KeyForm::Text, Field(options, &MenuOptions::frameName),
              [](Forms& f, const Value& v) { f.main.SetFrameName(v.text); }},
             {"Menu Name", KeyForm::Text, Field(options, &MenuOptions::menuName),
              [](Forms& f, const Value& v) { f.main.SetMenuName(v.text); }},
             // Classic projects keep the bytes they always had: these keys exist only with the
             // option on.
             {"Standards Code", KeyForm::OnlyWhenOn, Field(options, &MenuOptions::standardsCode),
              [](Forms& f, const Value& v) { f.main.SetStandardsCode(v.number); }},
             {"List Label", KeyForm::Text, Field(options, &MenuOptions::listLabel),
              [](Forms& f, const Value& v) { f.main.SetListLabel(v.text); },
              [](const MenuProject& p) {
                  return Standards(p) && !p.menuOptions.listLabel.empty();
              }},
             {"Show Current Page", KeyForm::OnlyWhenOn,
              Field(options, &MenuOptions::showCurrentPage),
              [](Forms& f, const Value& v) { f.main.SetShowCurrentPage(v.number); }, Standards},
             {"Wide Screen Links", KeyForm::OnlyWhenOn,
              Field(options, &MenuOptions::wideScreenLinks),
              [](Forms& f, const Value& v) { f.main.SetWideScreenLinks(v.number); }, Standards},
             {"Wide Screen Width", KeyForm::Text, Field(options, &MenuOptions::wideScreenWidth),
              [](Forms& f, const Value& v) { f.main.SetWideScreenWidth(v.text); },
              [](const MenuProject& p) {
                  return Standards(p) && p.menuOptions.wideScreenLinks == 1;
              },
              std::string(DefaultWideScreenWidth)},
         }},
        {"Adv Menu Opts",
         Rows({
             {
                 {"Text Color", KeyForm::Color, Field(menu, &MenuStyle::textColor),
                  [](Forms& f, const Value& v) { f.menuStyle.SetColorText(0, v.text); }},
                 {"BG Color", KeyForm::Color, Field(menu, &MenuStyle::bgColor),
                  [](Forms& f, const Value& v) { f.menuStyle.SetColorText(1, v.text); }},
                 {"System Menu Colors", KeyForm::Check, Field(menu, &MenuStyle::useSystemColors),
                  [](Forms& f, const Value& v) {
                      f.menuStyle.SetSystemColors(v.number);
                      f.menuStyle.ApplyMenuColorMode();
                  }},
             },
             FontKeys(menu, MenuWindow),
             {
                 {"Width", KeyForm::Text, Field(menu, &MenuStyle::width),
                  [](Forms& f, const Value& v) { f.menuStyle.SetWidthText(v.text); }},
                 {"Constrain Width", KeyForm::Check, Field(menu, &MenuStyle::constrainWidth),
                  [](Forms& f, const Value& v) {
                      f.menuStyle.SetConstrainWidth(v.number);
                      f.menuStyle.ApplyMenuWidthMode();
                  }},
             },
         })},
        {"Button Options",
         {
             {"Button Type", KeyForm::ZeroOrOne, Field(button, &ButtonOptions::buttonType),
              [](Forms& f, const Value& v) {
                  f.main.SetButtonType(v.number);
                  f.main.ApplyButtonKind();
              }},
             {"Button Text", KeyForm::Text, Field(button, &ButtonOptions::buttonText),
              [](Forms& f, const Value& v) { f.main.SetButtonText(v.text); }},
             {"Button Graphic URL", KeyForm::Text, Field(button, &ButtonOptions::graphicUrl),
              [](Forms& f, const Value& v) { f.main.SetGraphicUrl(v.text); }},
             {"Button Graphic Wdth", KeyForm::Text, Field(button, &ButtonOptions::graphicWidth),
              [](Forms& f, const Value& v) { f.main.SetGraphicWidth(v.text); }},
             {"Button Graphic Ht", KeyForm::Text, Field(button, &ButtonOptions::graphicHeight),
              [](Forms& f, const Value& v) { f.main.SetGraphicHeight(v.text); }},
             {"Alt Text", KeyForm::Text, Field(button, &ButtonOptions::altText),
              [](Forms& f, const Value& v) { f.main.SetAltText(v.text); }},
         }},
        {"Adv Button Opts",
         Rows({
             ButtonColorKeys(),
             {
                 {"Synch Left and Top", KeyForm::Check, Field(style, &ButtonStyle::syncLeftTop),
                  [](Forms& f, const Value& v) { f.buttonStyle.SetSyncTopLeft(v.number); }},
                 {"Synch Right and Bottom", KeyForm::Check,
                  Field(style, &ButtonStyle::syncRightBottom),
                  [](Forms& f, const Value& v) { f.buttonStyle.SetSyncRightBottom(v.number); }},
                 {"Border", KeyForm::Check, Field(style, &ButtonStyle::noBorder),
                  [](Forms& f, const Value& v) { f.buttonStyle.SetNoBorder(v.number); }},
                 {"System Button Colors", KeyForm::Check,
                  Field(style, &ButtonStyle::useSystemColors),
                  [](Forms& f, const Value& v) {
                      f.buttonStyle.SetSystemColors(v.number);
                      f.buttonStyle.ApplyButtonColorMode();
                  }},
             },
             FontKeys(style, ButtonWindow),
             {
                 {"Height", KeyForm::Text, Field(style, &ButtonStyle::height),
                  [](Forms& f, const Value& v) { f.buttonStyle.SetHeightText(v.text); }},
                 {"Width", KeyForm::Text, Field(style, &ButtonStyle::width),
                  [](Forms& f, const Value& v) { f.buttonStyle.SetWidthText(v.text); }},
                 {"Border Thickness", KeyForm::Text, Field(style, &ButtonStyle::borderThickness),
                  [](Forms& f, const Value& v) { f.buttonStyle.SetThicknessText(v.text); }},
                 {"Constrain Button Size", KeyForm::Check,
                  Field(style, &ButtonStyle::constrainSize),
                  [](Forms& f, const Value& v) {
                      f.buttonStyle.SetConstrainSize(v.number);
                      f.buttonStyle.ApplyButtonSizeMode();
                  }},
             },
         })},
    };
}

} // namespace

const std::vector<ProjectSection>& ProjectSections() {
    static const std::vector<ProjectSection> sections = MakeSections();
    return sections;
}

} // namespace pickwell
