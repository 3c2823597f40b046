#include "codegen/StandardsCode.h"

#include "codegen/CodePieces.h"

#include <string>
#include <vector>

namespace pickwell {
namespace {

constexpr std::string_view NoLink = "nolink";

// The standards form's pages are UTF-8 (PageEncodingOf), so that a text in any script reads
// the same when the code is placed into a page of today.
constexpr std::string_view CharsetMeta = "<meta charset=\"utf-8\">";

// A page opened in a new window gets no window.opener, so it cannot redirect the menu's page.
constexpr std::string_view NewWindowRel = " rel=\"noopener\"";

// The label stays for screen readers when the author wants no visible text.
constexpr std::string_view VisuallyHidden =
    "position:absolute;width:1px;height:1px;margin:-1px;padding:0;overflow:hidden;"
    "clip:rect(0,0,0,0);white-space:nowrap;border:0";

// One script serves every menu of the page: it finds the forms marked data-pickwell, so the
// function code is placed once however many menus there are.
constexpr std::string_view Script = R"js(<script>
(function () {
"use strict";
function go(form) {
var list = form.elements.selectsite;
var choice = list.options[list.selectedIndex];
if (!choice || choice.value === "nolink") {
return;
}
var target = form.getAttribute("data-pickwell-target");
if (target === "new") {
window.open(choice.value, "_blank", "noopener");
} else if (target === "frame") {
window.parent[form.getAttribute("data-pickwell-frame")].location.href = choice.value;
} else {
window.location.href = choice.value;
}
}
function init(form) {
var list = form.elements.selectsite;
form.addEventListener("submit", function (event) {
event.preventDefault();
go(form);
});
if (form.getAttribute("data-pickwell") !== "change") {
return;
}
// Moving through the list with the keys chooses nothing; Enter, a click or a choice in the
// opened list does.
var byKeys = false;
list.addEventListener("keydown", function (event) {
if (event.key === "Enter") {
event.preventDefault();
byKeys = false;
go(form);
return;
}
var opens = event.key === " " || event.key === "F4" ||
(event.altKey && (event.key === "ArrowDown" || event.key === "ArrowUp"));
byKeys = !opens;
});
list.addEventListener("mousedown", function () {
byKeys = false;
});
list.addEventListener("change", function () {
if (!byKeys) {
go(form);
}
});
}
function forms() {
return document.querySelectorAll("form[data-pickwell]");
}
function start() {
Array.prototype.forEach.call(forms(), init);
}
if (document.readyState === "loading") {
document.addEventListener("DOMContentLoaded", start);
} else {
start();
}
// A page brought back by the Back button shows the pre-selected item again, so that choosing
// the item chosen before navigates once more.
window.addEventListener("pageshow", function () {
Array.prototype.forEach.call(forms(), function (form) {
form.reset();
});
});
}());
</script>)js";

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

// Declarations go in only with a value, so that nothing empty or invalid reaches the browser.
class Declarations {
public:
    void Add(std::string_view property, std::string_view value, std::string_view unit = {}) {
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
    // `generic` ends the family list, so that a visitor without the font gets a face like it.
    void AddFont(const std::string& size, const std::string& name, const std::string& generic,
                 const std::string& weight, int italic, int underline) {
        Add("font-size", size, "px");
        Add("font-family", name.empty() ? std::string() : CssString(name) + ',' + generic);
        Add("font-weight", weight);
        Add("font-style", italic != 0 ? "italic" : "normal");
        Add("text-decoration", underline != 0 ? "underline" : "none");
    }
    // ` style="..."`, or nothing when there is no declaration.
    std::string Attribute() const {
        return m_text.empty() ? std::string() : " style=\"" + EscapeHtml(m_text) + "\"";
    }

private:
    std::string m_text;
};

// Only the three generic names that every browser knows reach the page.
std::string Generic(const GenericFamilyOf& genericFamily, const std::string& font) {
    std::string generic = genericFamily ? genericFamily(font) : std::string();
    return generic == "serif" || generic == "monospace" ? generic : "sans-serif";
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

std::string_view TargetWord(int target) {
    switch (target) {
    case 1:
        return "new";
    case TargetDifferentFrame:
        return "frame";
    default:
        return "same";
    }
}

std::string FunctionCode(OutputMode mode) {
    std::string out;
    Line(out, "<!--Code generated by Pickwell-->");
    AppendMakerComment(out);
    if (mode == OutputMode::Preview) {
        AppendPreviewNote(out);
    } else {
        Line(out, "<!--Begin Javascript function code. Place in head section of document.-->");
    }
    // Written line by line, so that every line ends in CR LF like the rest of the code.
    for (std::string_view rest = Script; !rest.empty();) {
        const auto end = rest.find('\n');
        Line(out, rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    Line(out, "<!--End Pickwell javascript function code.-->");
    out += CrLf;
    return out;
}

// A colour left "Default" is no colour of the item's own.
std::string ColorAttribute(const CodeRow& row) {
    Declarations colors;
    colors.Add("background-color", row.backColor);
    colors.Add("color", row.textColor == "Default" ? std::string_view{} : row.textColor);
    return colors.Attribute();
}

void AppendSelect(std::string& out, const MenuProject& project, const std::string& id,
                  const GenericFamilyOf& genericFamily, const CodeSpill& spill) {
    const MenuOptions& options = project.menuOptions;
    const MenuStyle& style = project.menuStyle;
    Declarations list;
    list.AddFont(style.fontSize, style.fontName, Generic(genericFamily, style.fontName),
                 style.fontWeight, style.italic, style.underline);
    list.Add("width", style.width, "px");
    if (style.useSystemColors == 0) {
        list.Add("background-color", style.bgColor);
        list.Add("color", style.textColor);
    }
    if (options.navigateMode == 0) {
        list.Add("vertical-align", VerticalAlign(options.alignToButton));
    }
    out += "<select id=\"";
    out += id;
    out += "\" name=\"selectsite\"";
    out += list.Attribute();
    Line(out, ">");

    bool groupOpen = false;
    for (const MenuItem& item : project.items) {
        const CodeRow row = ToCodeRow(item);
        if (row.heading) {
            if (groupOpen) {
                Line(out, "</optgroup>");
            }
            out += "<optgroup label=\"";
            out += EscapeHtml(row.text);
            out += '"';
            out += ColorAttribute(row);
            Line(out, ">");
            groupOpen = true;
            continue;
        }
        out += "<option value=\"";
        out += row.linked ? EscapeHtml(row.url) : std::string(NoLink);
        out += '"';
        if (row.selected) {
            out += " selected";
        }
        out += ColorAttribute(row);
        out += '>';
        out += EscapeHtml(WithoutTrailingBlanks(row.text));
        Line(out, "</option>");
        SpillIfLong(out, spill);
    }
    if (groupOpen) {
        Line(out, "</optgroup>");
    }
    Line(out, "</select>");
}

void AppendButton(std::string& out, const MenuProject& project,
                  const GenericFamilyOf& genericFamily) {
    const ButtonOptions& options = project.buttonOptions;
    if (options.buttonType != 0) {
        out += "<input type=\"image\" src=\"";
        out += EscapeHtml(options.graphicUrl);
        out += "\" alt=\"";
        out += EscapeHtml(options.altText.empty() ? options.buttonText : options.altText);
        out += '"';
        for (const auto& [name, value] : {std::pair{"width", &options.graphicWidth},
                                          std::pair{"height", &options.graphicHeight}}) {
            if (!value->empty()) {
                out += ' ';
                out += name;
                out += "=\"";
                out += EscapeHtml(*value);
                out += '"';
            }
        }
        Declarations align;
        align.Add("vertical-align", VerticalAlign(project.menuOptions.alignToButton));
        out += align.Attribute();
        Line(out, ">");
        return;
    }
    const ButtonStyle& style = project.buttonStyle;
    Declarations button;
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
    button.Add("vertical-align", VerticalAlign(project.menuOptions.alignToButton));
    out += "<input type=\"submit\" value=\"";
    out += EscapeHtml(options.buttonText);
    out += '"';
    out += button.Attribute();
    Line(out, ">");
}

// The links of the menu for visitors without script, grouped under their headings.
void AppendNoScriptLinks(std::string& out, const MenuProject& project) {
    const MenuOptions& options = project.menuOptions;
    std::string target;
    if (options.target == 1) {
        target = " target=\"_blank\"" + std::string(NewWindowRel);
    } else if (options.target == TargetDifferentFrame) {
        target = " target=\"" + EscapeHtml(options.frameName) + "\"";
    }
    std::string links;
    std::string group;
    std::string_view heading;
    bool inGroup = false;
    auto closeGroup = [&] {
        if (inGroup && !group.empty()) {
            links += "<li>" + EscapeHtml(heading) + "\r\n<ul>\r\n" + group + "</ul>\r\n</li>\r\n";
        }
        group.clear();
    };
    for (const MenuItem& item : project.items) {
        const CodeRow row = ToCodeRow(item);
        if (row.heading) {
            closeGroup();
            heading = row.text;
            inGroup = true;
        } else if (row.linked) {
            std::string& into = inGroup ? group : links;
            into += "<li><a href=\"" + EscapeHtml(row.url) + "\"" + target + ">" +
                    EscapeHtml(WithoutTrailingBlanks(row.text)) + "</a></li>\r\n";
        }
    }
    closeGroup();
    if (links.empty()) {
        return;
    }
    Line(out, "<noscript>");
    Line(out, "<ul>");
    out += links;
    Line(out, "</ul>");
    Line(out, "</noscript>");
}

std::string HtmlCode(const MenuProject& project, OutputMode mode,
                     const GenericFamilyOf& genericFamily, const CodeSpill& spill) {
    const MenuOptions& options = project.menuOptions;
    const std::string id = options.menuName + "-list";
    std::string out;
    Line(out, "<!--Code generated by Pickwell.-->");
    if (mode != OutputMode::Preview) {
        AppendMakerComment(out);
        Line(out, "<!--Begin HTML code. Place anywhere in body section of document.-->");
    }
    out += "<form name=\"";
    out += EscapeHtml(options.menuName);
    out += "\" data-pickwell=\"";
    out += options.navigateMode == 0 ? "button" : "change";
    out += "\" data-pickwell-target=\"";
    out += TargetWord(options.target);
    if (options.target == TargetDifferentFrame) {
        out += "\" data-pickwell-frame=\"";
        out += EscapeHtml(options.frameName);
    }
    Line(out, "\">");

    out += "<label for=\"";
    out += id;
    out += '"';
    if (options.listLabel.empty()) {
        out += " style=\"";
        out += VisuallyHidden;
        out += "\">";
        out += HiddenListLabel;
    } else {
        out += '>';
        out += EscapeHtml(options.listLabel);
    }
    Line(out, "</label>");
    AppendSelect(out, project, id, genericFamily, spill);
    if (options.navigateMode == 0) {
        AppendButton(out, project, genericFamily);
    }
    Line(out, "</form>");
    AppendNoScriptLinks(out, project);
    if (mode != OutputMode::Preview) {
        Line(out, "<!--End Pickwell HTML code.-->");
        out += CrLf;
    }
    return out;
}

// A whole page around the two texts.
void SetDocument(MenuCode& code, std::string_view title, std::string_view bodyStart,
                 std::string_view bodyEnd) {
    std::string& start = code.documentStart;
    start.clear();
    Line(start, "<!DOCTYPE html>");
    Line(start, "<html lang=\"en\">");
    Line(start, "<head>");
    Line(start, CharsetMeta);
    start += "<title>";
    start += EscapeHtml(title);
    Line(start, "</title>");
    std::string& middle = code.documentMiddle;
    middle.clear();
    Line(middle, "</head>");
    Line(middle, "<body>");
    middle += bodyStart;
    std::string& end = code.documentEnd;
    end = bodyEnd;
    Line(end, "</body>");
    end += "</html>";
}

// Landmarks hold every part of the preview, so that it is a page a screen reader can walk.
std::string PreviewBodyStart() {
    std::string out;
    Line(out, "<main>");
    Line(out, "<h1 style=\"font:bold 16px Arial,sans-serif;text-align:center\">Menu Preview</h1>");
    Line(out, "<div style=\"background:#C0C0C0;width:468px;margin:0 auto;padding:10px;"
              "text-align:center\">");
    Line(out, "<p style=\"font:13px Arial,sans-serif;color:blue\">Below is what the menu will "
              "look like on your page. The menu is fully functional.</p>");
    return out;
}

std::string PreviewBodyEnd() {
    std::string out;
    Line(out, "</div>");
    Line(out, "</main>");
    out += "<footer><p style=\"font:bold 10px Arial,sans-serif;text-align:center\"><a href=\"";
    out += MakerWebAddress;
    out += '"';
    out += NewWindowRel;
    Line(out, " target=\"_blank\">Click for more great software titles and free webmaster "
              "resources from Brackenfield Software</a></p></footer>");
    return out;
}

} // namespace

std::string EscapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

void GenerateStandardsCode(const MenuProject& project, OutputMode mode,
                           const GenericFamilyOf& genericFamily, MenuCode& code,
                           const CodeSpill& spill) {
    code.functionCode = FunctionCode(mode);
    switch (mode) {
    case OutputMode::File:
        SetDocument(code, project.menuOptions.menuName, {}, {});
        break;
    case OutputMode::Preview:
        SetDocument(code, "Pickwell - Menu Preview", PreviewBodyStart(), PreviewBodyEnd());
        AddFramePages(code, project.menuOptions, "<HEAD>" + std::string(CharsetMeta) + "</HEAD>");
        break;
    case OutputMode::Clip:
        break;
    }
    code.htmlCode = HtmlCode(project, mode, genericFamily, spill);
}

} // namespace pickwell
