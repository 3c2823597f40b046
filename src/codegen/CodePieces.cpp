#include "codegen/CodePieces.h"

#include "codegen/MenuCode.h"

namespace pickwell {

void Line(std::string& out, std::string_view piece) {
    out += piece;
    out += CrLf;
}

void AppendLines(std::string& out, std::string_view text) {
    for (std::string_view rest = text; !rest.empty();) {
        const auto end = rest.find('\n');
        Line(out, rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
}

void AppendMakerComment(std::string& out) {
    Line(out, "<!--Find this and more great software titles from-->");
    out += "<!--Brackenfield Software at ";
    out += MakerWebAddress;
    Line(out, "-->");
    out += CrLf;
}

void AppendPreviewNote(std::string& out) {
    Line(out, "<!--Note: Do not use this code in your page.-->");
    Line(out, "<!--Select the \"Copy Code to Clipboard\" or \"Save Code to File\"-->");
    Line(out, "<!--command from the file menu of the program or their corresponding-->");
    Line(out, "<!--toolbar buttons to copy and paste the code into your document.-->");
    out += CrLf;
}

void SpillIfLong(std::string& out, const CodeSpill& spill) {
    constexpr std::size_t Long = std::size_t{64} << 10;
    if (spill && out.size() >= Long) {
        spill(out);
    }
}

CodeRow ToCodeRow(const MenuItem& item) {
    std::string_view text = item.text;
    if (text.starts_with(HeadingIndent)) {
        text.remove_prefix(HeadingIndent.size());
    }
    // Only the background colour is tested: "Default" there drops both colours.
    const bool defaultColors = item.backColor == "Default";
    return {text,
            item.linked == "Yes",
            item.url,
            item.selected == "Yes",
            defaultColors ? std::string_view{} : std::string_view{item.backColor},
            defaultColors ? std::string_view{} : std::string_view{item.textColor},
            item.isHeading == "Yes"};
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

namespace {

std::string FramesetPage(const std::string& frameName, std::string_view head) {
    std::string out;
    Line(out, "<HTML>");
    if (!head.empty()) {
        Line(out, head);
    }
    Line(out, "<FRAMESET ROWS=\"75%,*\">");
    out += "<FRAME name=\"main\" SRC=\"";
    out += PreviewPageName;
    Line(out, "\">");
    out += "<FRAME name=\"";
    out += frameName;
    out += "\" SRC=\"";
    out += SecondFramePageName;
    Line(out, "\">");
    Line(out, "</FRAMESET>");
    Line(out, "<NOFRAMES>");
    Line(out, "Cannot display preview. Your browser must support frames.");
    Line(out, "</NOFRAMES>");
    out += "</HTML>";
    return out;
}

std::string SecondFramePage(std::string_view head) {
    std::string out = "<HTML>";
    out += head;
    Line(out, "<BODY><TABLE width=100% border=0 height=100%><TR>"
              "<TD align=\"center\" valign=\"center\">");
    Line(out, "<font color=\"blue\" face=\"verdana\" size=3>You selected the target of the menu "
              "links to be another frame. Linked urls will be displayed in this frame.</font>");
    out += "<TR></TD></TABLE></BODY></HTML>";
    return out;
}

} // namespace

void AddFramePages(MenuCode& code, const MenuOptions& options, std::string_view head) {
    if (options.target == TargetDifferentFrame) {
        code.framesetPage = FramesetPage(options.frameName, head);
        code.secondFramePage = SecondFramePage(head);
    }
}

} // namespace pickwell
