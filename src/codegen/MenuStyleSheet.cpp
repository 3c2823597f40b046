#include "codegen/MenuStyleSheet.h"

#include "codegen/Declarations.h"

#include <charconv>

namespace pickwell {
namespace {

void AddRule(std::string& out, std::string_view selector, const Declarations& declarations) {
    if (declarations.empty()) {
        return;
    }
    out += selector;
    out += '{';
    out += declarations.text();
    Line(out, "}");
}

std::string ClassSelector(std::string_view scope, std::string_view className) {
    std::string out = "#";
    out += scope;
    out += " .";
    out += className;
    return out;
}

} // namespace

MenuStyleSheet::MenuStyleSheet(const MenuProject& project, const GenericFamilyOf& genericFamily) {
    const std::string form = FormId(project.menuOptions);
    if (project.menuOptions.listLabel.empty()) {
        AddRule(m_text, ClassSelector(form, HiddenClass), VisuallyHidden());
    }
    AddRule(m_text, ClassSelector(form, ListClass), ListDeclarations(project, genericFamily));
    for (const MenuItem& item : project.items) {
        const Declarations colors = ItemDeclarations(ToCodeRow(item));
        if (colors.empty() || m_itemClasses.contains(colors.text())) {
            continue;
        }
        std::string className = "pickwell-item" + std::to_string(m_itemClasses.size() + 1);
        AddRule(m_text, ClassSelector(form, className), colors);
        m_itemClasses.emplace(colors.text(), std::move(className));
    }
    if (project.menuOptions.navigateMode == 0) {
        AddRule(m_text, ClassSelector(form, ButtonClass),
                ButtonDeclarations(project, genericFamily));
    }
    if (project.menuOptions.wideScreenLinks == 1) {
        AddLinkRules(project, genericFamily);
    }
}

// The links take the list's font and colours and stand in a row, a group's items below its
// label; they show from the width up, the drop-down below it, and to visitors without script.
void MenuStyleSheet::AddLinkRules(const MenuProject& project,
                                  const GenericFamilyOf& genericFamily) {
    const MenuStyle& style = project.menuStyle;
    const std::string form = std::string(1, '#').append(FormId(project.menuOptions));
    const std::string links = std::string(1, '#').append(LinksId(project.menuOptions));
    Declarations nav("display:none");
    nav.AddFont(style.fontSize, style.fontName, Generic(genericFamily, style.fontName),
                style.fontWeight, style.italic, style.underline);
    Declarations link;
    link.Add("text-decoration", style.underline != 0 ? "underline" : "none");
    if (style.useSystemColors == 0) {
        nav.Add("background-color", style.bgColor);
        nav.Add("color", style.textColor);
        link.Add("color", "inherit");
    }
    AddRule(m_text, links, nav);
    AddRule(m_text, links + " ul", Declarations("list-style:none;margin:0;padding:0"));
    AddRule(m_text, links + " ul ul", Declarations("padding-left:1em"));
    // A flex row drops the line breaks between the items, which an underlined font would
    // otherwise underline as gaps.
    AddRule(m_text, links + ">ul",
            Declarations("display:flex;flex-wrap:wrap;align-items:flex-start"));
    AddRule(m_text, links + ">ul>li", Declarations("margin-right:1em"));
    AddRule(m_text, links + " a", link);
    // A bar shows the current page in a font that is already as bold as it gets.
    AddRule(m_text, links + " a[aria-current=page]",
            Declarations("font-weight:bolder;border-bottom:3px solid"));
    const std::string swap = links + "{display:block}" + form + "{display:none}}";
    Line(m_text, "@media (min-width:" + WideScreenWidth(project.menuOptions) + "px){" + swap);
    Line(m_text, "@media (scripting:none){" + swap);
}

std::string MenuStyleSheet::ItemClass(const CodeRow& row) const {
    const auto found = m_itemClasses.find(ItemDeclarations(row).text());
    return found == m_itemClasses.end() ? std::string() : found->second;
}

std::string MenuStyleSheet::WideScreenWidth(const MenuOptions& options) {
    const std::string& text = options.wideScreenWidth;
    unsigned width = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), width);
    if (error != std::errc{} || end != text.data() + text.size() || width == 0) {
        return std::string(DefaultWideScreenWidth);
    }
    return std::to_string(width);
}

} // namespace pickwell
