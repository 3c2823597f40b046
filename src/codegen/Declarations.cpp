#include "codegen/Declarations.h"

#include "codegen/StandardsCode.h"

namespace pickwell {
namespace {

// A font family as a CSS string in single quotes, so that it sits in a double-quoted
// attribute once escaped for HTML.
std::string CssString(std::string_view text) {
    std::string out(1, '\'');
    for (const char c : text) {
        if (c == '\'' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    out += '\'';
    return out;
}

std::string_view VerticalAlign(int position) {
    switch (position) {
    case 0:
        return "top";
    case 2:
        return "bottom";
    default:
        return "middle";
    }
}

} // namespace

void Declarations::Add(std::string_view property, std::string_view value, std::string_view unit) {
    if (value.empty()) {
        return;
    }
    if (!m_text.empty()) {
        m_text += ';';
    }
    m_text += property;
    m_text += ':';
    m_text += value;
    m_text += unit;
}

void Declarations::AddFont(const std::string& size, const std::string& name,
                           const std::string& generic, const std::string& weight, int italic,
                           int underline) {
    Add("font-size", size, "px");
    Add("font-family", name.empty() ? std::string() : CssString(name) + ',' + generic);
    Add("font-weight", weight);
    Add("font-style", italic != 0 ? "italic" : "normal");
    Add("text-decoration", underline != 0 ? "underline" : "none");
}

std::string Declarations::Attribute() const {
    return m_text.empty() ? std::string() : " style=\"" + EscapeHtml(m_text) + "\"";
}

Declarations VisuallyHidden() {
    return Declarations("position:absolute;width:1px;height:1px;margin:-1px;padding:0;"
                        "overflow:hidden;clip:rect(0,0,0,0);white-space:nowrap;border:0");
}

std::string Generic(const GenericFamilyOf& genericFamily, const std::string& font) {
    std::string generic = genericFamily ? genericFamily(font) : std::string();
    return generic == "serif" || generic == "monospace" ? generic : "sans-serif";
}

Declarations ListDeclarations(const MenuProject& project, const GenericFamilyOf& genericFamily) {
    const MenuStyle& style = project.menuStyle;
    Declarations list;
    list.AddFont(style.fontSize, style.fontName, Generic(genericFamily, style.fontName),
                 style.fontWeight, style.italic, style.underline);
    list.Add("width", style.width, "px");
    if (style.useSystemColors == 0) {
        list.Add("background-color", style.bgColor);
        list.Add("color", style.textColor);
    }
    if (project.menuOptions.navigateMode == 0) {
        list.Add("vertical-align", VerticalAlign(project.menuOptions.alignToButton));
    }
    return list;
}

Declarations ButtonDeclarations(const MenuProject& project, const GenericFamilyOf& genericFamily) {
    Declarations button;
    if (project.buttonOptions.buttonType == 0) {
        const ButtonStyle& style = project.buttonStyle;
        button.AddFont(style.fontSize, style.fontName, Generic(genericFamily, style.fontName),
                       style.fontWeight, style.italic, style.underline);
        button.Add("width", style.width, "px");
        button.Add("height", style.height, "px");
        if (style.useSystemColors == 0) {
            button.Add("background-color", style.bgColor);
            button.Add("color", style.textColor);
            if (style.noBorder == 1) {
                button.Add("border-style", "none");
            } else {
                button.Add("border-style", "solid");
                button.Add("border-width", style.borderThickness, "px");
                button.Add("border-top-color", style.borderColors[BorderTop]);
                button.Add("border-left-color", style.borderColors[BorderLeft]);
                button.Add("border-right-color", style.borderColors[BorderRight]);
                button.Add("border-bottom-color", style.borderColors[BorderBottom]);
            }
        }
    }
    button.Add("vertical-align", VerticalAlign(project.menuOptions.alignToButton));
    return button;
}

Declarations ItemDeclarations(const CodeRow& row) {
    Declarations colors;
    colors.Add("background-color", row.backColor);
    colors.Add("color", row.textColor == "Default" ? std::string_view{} : row.textColor);
    return colors;
}

} // namespace pickwell
