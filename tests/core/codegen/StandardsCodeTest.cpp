#include "codegen/StandardsCode.h"

#include "MenuItems.h"

#include <gtest/gtest.h>

#include <string>

namespace pickwell {
namespace {

MenuProject Standards() {
    MenuProject project;
    project.menuOptions.menuName = "shop";
    project.menuOptions.standardsCode = 1;
    project.items = {Item("Books", "books.html")};
    return project;
}

std::string Html(const MenuProject& project) {
    return GenerateMenuCode(project, OutputMode::Clip).htmlCode;
}

// The value of the first `attribute="..."` after `after` in the HTML code.
std::string AttributeAfter(const std::string& html, const std::string& after,
                           const std::string& attribute) {
    const auto at = html.find(attribute + "=\"", html.find(after));
    if (at == std::string::npos) {
        return "(none)";
    }
    const auto start = at + attribute.size() + 2;
    return html.substr(start, html.find('"', start) - start);
}

TEST(StandardsCode, TheClassicCodeStaysByteForByteWhenTheOptionIsOff) {
    MenuProject project = Standards();
    project.menuOptions.standardsCode = 0;
    const MenuCode before = GenerateMenuCode(project, OutputMode::File);
    project.menuOptions.standardsCode = 1;
    project.menuOptions.listLabel = "Pages";
    EXPECT_NE(before.document(), GenerateMenuCode(project, OutputMode::File).document());
    project.menuOptions.standardsCode = 0;
    const MenuCode after = GenerateMenuCode(project, OutputMode::File);
    EXPECT_EQ(before.document(), after.document());
    EXPECT_EQ(PageEncoding::Windows1252, after.encoding);
    EXPECT_NE(std::string::npos, after.htmlCode.find("action=\"javascript:gothere(document.shop)"));
}

TEST(StandardsCode, StylesAreCssDeclarationsWithUnitsAndOnlyThoseThatHaveAValue) {
    MenuProject project = Standards();
    MenuStyle& list = project.menuStyle;
    list.fontName = "Bob's \"Font\"";
    list.fontSize = "17";
    list.fontWeight = "700";
    list.italic = 1;
    list.width = "";
    EXPECT_EQ("font-size:17px;font-family:'Bob\\'s &quot;Font&quot;',sans-serif;font-weight:700;"
              "font-style:italic;text-decoration:none;vertical-align:middle",
              AttributeAfter(Html(project), "<select", "style"));

    list.width = "260";
    list.useSystemColors = 0;
    list.bgColor = "#FFF4D6";
    list.textColor = "#1F3A93";
    project.menuOptions.alignToButton = 0;
    const std::string style = AttributeAfter(Html(project), "<select", "style");
    EXPECT_NE(std::string::npos,
              style.find(";width:260px;background-color:#FFF4D6;color:#1F3A93;vertical-align:top"))
        << style;
}

TEST(StandardsCode, EveryFontListEndsWithTheGenericFamilyTheDesktopNames) {
    MenuProject project = Standards();
    project.menuStyle.fontName = "DejaVu Serif";
    project.buttonStyle.fontName = "Z003";
    const GenericFamilyOf generic = [](const std::string& family) {
        return family == "DejaVu Serif" ? std::string("serif") : std::string("cursive");
    };
    const std::string html = GenerateMenuCode(project, OutputMode::Clip, generic).htmlCode;
    EXPECT_NE(std::string::npos, html.find("font-family:'DejaVu Serif',serif;"));
    EXPECT_NE(std::string::npos, html.find("font-family:'Z003',sans-serif;"))
        << "only the generic families every browser knows";
}

TEST(StandardsCode, TheButtonShowsItsColorsBorderAndSizeAsTheStyleWindowDoes) {
    MenuProject project = Standards();
    ButtonStyle& button = project.buttonStyle;
    EXPECT_EQ(
        "font-size:13px;font-family:'MS Sans Serif',sans-serif;font-weight:500;font-style:normal;"
        "text-decoration:none;vertical-align:middle",
        AttributeAfter(Html(project), "type=\"submit\"", "style"))
        << "system colours leave the browser's own button";

    button.useSystemColors = 0;
    button.noBorder = 1;
    button.width = "120";
    button.height = "40";
    EXPECT_NE(std::string::npos, AttributeAfter(Html(project), "type=\"submit\"", "style")
                                     .find(";width:120px;height:40px;background-color:#C0C0C0;"
                                           "color:#000000;border-style:none;"));

    button.noBorder = 0;
    button.borderThickness = "3";
    button.borderColors = {"#A5D6A7", "#A5D6A8", "#1B5E20", "#1B5E21"};
    EXPECT_NE(std::string::npos,
              AttributeAfter(Html(project), "type=\"submit\"", "style")
                  .find(";border-style:solid;border-width:3px;border-top-color:#A5D6A7;"
                        "border-left-color:#A5D6A8;border-right-color:#1B5E20;"
                        "border-bottom-color:#1B5E21;"));
}

TEST(StandardsCode, TextsAndAddressesAreEscaped) {
    MenuProject project = Standards();
    project.items = {Heading("Fish & <Chips>"), Item("Say \"hi\"  ", "a.html?x=\"1\"&y=2")};
    project.buttonOptions.buttonText = "Go <now>";
    project.menuOptions.listLabel = "Pages & more";
    const std::string html = Html(project);
    EXPECT_NE(std::string::npos, html.find("<optgroup label=\"Fish &amp; &lt;Chips&gt;\">"));
    EXPECT_NE(std::string::npos, html.find("<option value=\"a.html?x=&quot;1&quot;&amp;y=2\">"
                                           "Say &quot;hi&quot;</option>"));
    EXPECT_NE(std::string::npos, html.find("value=\"Go &lt;now&gt;\""));
    EXPECT_NE(std::string::npos, html.find(">Pages &amp; more</label>"));
}

TEST(StandardsCode, TheScriptFindsItsMenusByDataAttributesAndNeedsNoJavascriptAction) {
    MenuProject project = Standards();
    const MenuCode code = GenerateMenuCode(project, OutputMode::Clip);
    EXPECT_EQ(std::string::npos, code.htmlCode.find("javascript:"));
    EXPECT_NE(std::string::npos, code.functionCode.find("event.preventDefault();"));
    EXPECT_NE(std::string::npos, code.htmlCode.find("<form name=\"shop\" data-pickwell=\"button\" "
                                                    "data-pickwell-target=\"same\">"));

    project.menuOptions.navigateMode = 1;
    project.menuOptions.target = TargetDifferentFrame;
    project.menuOptions.frameName = "lower";
    const std::string html = Html(project);
    EXPECT_NE(std::string::npos,
              html.find("data-pickwell=\"change\" data-pickwell-target=\"frame\" "
                        "data-pickwell-frame=\"lower\">"));
    EXPECT_EQ(std::string::npos, html.find("<input")) << "no button on item change";
    project.menuOptions.target = 1;
    EXPECT_NE(std::string::npos, Html(project).find("data-pickwell-target=\"new\">"));
}

TEST(StandardsCode, TheListHasALabelThatIsHiddenWhenTheAuthorGaveNoText) {
    MenuProject project = Standards();
    std::string html = Html(project);
    EXPECT_EQ("shop-list", AttributeAfter(html, "<label", "for"));
    EXPECT_EQ("shop-list", AttributeAfter(html, "<select", "id"));
    EXPECT_NE(std::string::npos, AttributeAfter(html, "<label", "style").find("position:absolute"));
    // Words a listener understands, not the menu's code name.
    EXPECT_NE(std::string::npos, html.find(">Choose a page</label>"));
    EXPECT_EQ(std::string::npos, html.find(">shop</label>"));

    project.menuOptions.listLabel = "Our pages";
    html = Html(project);
    EXPECT_NE(std::string::npos, html.find("<label for=\"shop-list\">Our pages</label>"));
}

TEST(StandardsCode, ItemsKeepTheirGroupsColorsAndSelectionAndVisitorsWithoutScriptGetLinks) {
    MenuProject project = Standards();
    MenuItem cafe = Item("   Café", "cafe.html");
    cafe.selected = "Yes";
    cafe.backColor = "#FFFFCC";
    cafe.textColor = "#800000";
    MenuItem colored = Heading("B");
    colored.backColor = "#003366";
    colored.textColor = "#FFFFFF";
    project.items = {Item("Choose"), Heading("A"), colored, cafe};
    project.menuOptions.target = 1;
    const std::string html = Html(project);
    EXPECT_NE(std::string::npos,
              html.find("<option value=\"nolink\">Choose</option>\r\n"
                        "<optgroup label=\"A\">\r\n</optgroup>\r\n<optgroup label=\"B\" "
                        "style=\"background-color:#003366;color:#FFFFFF\">\r\n"
                        "<option value=\"cafe.html\" selected style=\"background-color:#FFFFCC;"
                        "color:#800000\">Café</option>\r\n</optgroup>\r\n</select>"));
    // A page opened in a new window gets no window.opener, with script or without.
    EXPECT_NE(std::string::npos,
              html.find("<noscript>\r\n<ul>\r\n<li>B\r\n<ul>\r\n<li><a href=\"cafe.html\" "
                        "target=\"_blank\" rel=\"noopener\">Café</a></li>\r\n</ul>\r\n</li>\r\n"
                        "</ul>\r\n</noscript>"));
    EXPECT_NE(std::string::npos, GenerateMenuCode(project, OutputMode::Clip)
                                     .functionCode.find("window.open(choice.value, \"_blank\", "
                                                        "\"noopener\");"));

    project.items = {Item("Choose")};
    EXPECT_EQ(std::string::npos, Html(project).find("<noscript>"));
}

TEST(StandardsCode, DocumentsAreWholeUtf8Html5PagesWithCrLfLineEnds) {
    MenuProject project = Standards();
    const MenuCode file = GenerateMenuCode(project, OutputMode::File);
    EXPECT_TRUE(file.document().starts_with("<!DOCTYPE html>\r\n<html lang=\"en\">\r\n<head>\r\n"
                                            "<meta charset=\"utf-8\">\r\n<title>shop</title>"));
    EXPECT_TRUE(file.document().ends_with("</body>\r\n</html>"));
    EXPECT_EQ(PageEncoding::Utf8, file.encoding);

    project.menuOptions.target = TargetDifferentFrame;
    project.menuOptions.frameName = "lower";
    const MenuCode preview = GenerateMenuCode(project, OutputMode::Preview);
    EXPECT_NE(std::string::npos, preview.document().find("<title>Pickwell - Menu Preview</title>"));
    EXPECT_NE(std::string::npos, preview.functionCode.find("Do not use this code in your page"));
    EXPECT_EQ(std::string::npos, preview.functionCode.find("function rs()"));
    EXPECT_TRUE(preview.framesetPage.starts_with(
        "<HTML>\r\n<HEAD><meta charset=\"utf-8\"></HEAD>\r\n<FRAMESET"));
    EXPECT_NE(std::string::npos, preview.framesetPage.find("<FRAME name=\"lower\""));
    EXPECT_TRUE(
        preview.secondFramePage.starts_with("<HTML><HEAD><meta charset=\"utf-8\"></HEAD><BODY>"));
    for (const std::string& text : {file.document(), preview.document()}) {
        for (std::size_t at = text.find('\n'); at != std::string::npos;
             at = text.find('\n', at + 1)) {
            ASSERT_EQ('\r', text[at - 1]) << "a bare line feed at " << at;
        }
    }
}

} // namespace
} // namespace pickwell
