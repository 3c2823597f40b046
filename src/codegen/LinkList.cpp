#include "codegen/LinkList.h"

#include "codegen/CodePieces.h"
#include "codegen/MenuStyleSheet.h"
#include "codegen/StandardsCode.h"

namespace pickwell {
namespace {

// The <li> lines of the items under their headings. `everyItem` keeps the unlinked items as
// text and the headings that have no item below them.
std::string ListItems(const MenuProject& project, bool everyItem) {
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
        } else if (inGroup && everyItem) {
            links += "<li>" + EscapeHtml(heading) + "</li>\r\n";
        }
        group.clear();
    };
    for (const MenuItem& item : project.items) {
        const CodeRow row = ToCodeRow(item);
        std::string& into = inGroup ? group : links;
        if (row.heading) {
            closeGroup();
            heading = row.text;
            inGroup = true;
        } else if (row.linked) {
            into += "<li><a href=\"" + EscapeHtml(row.url) + "\"" + target + ">" +
                    EscapeHtml(WithoutTrailingBlanks(row.text)) + "</a></li>\r\n";
        } else if (everyItem) {
            into += "<li>" + EscapeHtml(WithoutTrailingBlanks(row.text)) + "</li>\r\n";
        }
    }
    closeGroup();
    return links;
}

} // namespace

void AppendNoScriptLinks(std::string& out, const MenuProject& project) {
    const std::string links = ListItems(project, false);
    if (links.empty()) {
        return;
    }
    Line(out, "<noscript>");
    Line(out, "<ul>");
    out += links;
    Line(out, "</ul>");
    Line(out, "</noscript>");
}

void AppendLinkNav(std::string& out, const MenuProject& project) {
    const MenuOptions& options = project.menuOptions;
    out += "<nav id=\"";
    out += EscapeHtml(MenuStyleSheet::LinksId(options));
    out += "\" class=\"";
    out += MenuStyleSheet::LinksClass;
    out += "\" aria-label=\"";
    out += EscapeHtml(options.listLabel.empty() ? HiddenListLabel : options.listLabel);
    Line(out, "\">");
    Line(out, "<ul>");
    out += ListItems(project, true);
    Line(out, "</ul>");
    Line(out, "</nav>");
}

} // namespace pickwell
