#include "codegen/SiteCode.h"

#include "MenuItems.h"

#include "codegen/MenuStyleSheet.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace pickwell {
namespace {

MenuItem Colored(MenuItem item, std::string back, std::string text) {
    item.backColor = std::move(back);
    item.textColor = std::move(text);
    return item;
}

MenuProject Site() {
    MenuProject project;
    project.menuOptions.menuName = "shop";
    project.menuOptions.standardsCode = 1;
    project.menuOptions.showCurrentPage = 1;
    project.items = {Item("Books", "books.html")};
    return project;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// The text with its HTML comments taken out.
std::string WithoutComments(std::string text) {
    for (auto at = text.find("<!--"); at != std::string::npos; at = text.find("<!--")) {
        text.erase(at, text.find("-->", at) + 3 - at);
    }
    return text;
}

TEST(SiteCode, TheOptionsChangeNothingInTheClassicForm) {
    MenuProject project = Site();
    project.menuOptions.standardsCode = 0;
    project.menuOptions.showCurrentPage = 0;
    const std::string before = GenerateMenuCode(project, OutputMode::File).document();
    project.menuOptions.showCurrentPage = 1;
    project.menuOptions.wideScreenLinks = 1;
    EXPECT_EQ(before, GenerateMenuCode(project, OutputMode::File).document());
}

TEST(SiteCode, InlineTheStylesGoToTheHeadPartAndTheBodyCarriesOnlyClasses) {
    MenuProject project = Site();
    project.menuOptions.navigateMode = 1;
    project.items.push_back(Colored(Item("Cafe", "cafe.html"), "#FFFFCC", "#800000"));
    const MenuCode code = GenerateMenuCode(project, OutputMode::Clip);
    EXPECT_NE(std::string::npos,
              code.functionCode.find("<style>\r\n#shop-form .pickwell-hidden{position:absolute;"));
    EXPECT_NE(std::string::npos,
              code.functionCode.find("#shop-form .pickwell-item1{background-color:#FFFFCC;"
                                     "color:#800000}\r\n</style>\r\n<script>\r\n"));
    EXPECT_EQ(1u, Count(code.functionCode, "form.setAttribute(\"data-pickwell-ready\", \"\");"));
    EXPECT_EQ(std::string::npos, code.htmlCode.find(" style="));
    EXPECT_EQ(std::string::npos, code.htmlCode.find("<style"));
    EXPECT_NE(std::string::npos,
              code.htmlCode.find("<form name=\"shop\" id=\"shop-form\" data-pickwell=\"change\" "
                                 "data-pickwell-target=\"same\" data-pickwell-current>\r\n"
                                 "<label for=\"shop-list\" class=\"pickwell-hidden\">"));
    EXPECT_NE(std::string::npos,
              code.htmlCode.find("<option value=\"cafe.html\" class=\"pickwell-item1\">"));
    EXPECT_NE(std::string::npos, code.htmlCode.find("<noscript>"));

    project.menuOptions.showCurrentPage = 0;
    project.menuOptions.wideScreenLinks = 1;
    EXPECT_EQ(std::string::npos,
              GenerateMenuCode(project, OutputMode::Clip).htmlCode.find("data-pickwell-current"));
}

TEST(SiteCode, TheLinkListShowsEveryItemWithHeadingsAsGroupLabelsInsteadOfTheNoscriptLinks) {
    MenuProject project = Site();
    project.menuOptions.wideScreenLinks = 1;
    project.menuOptions.target = 1;
    project.items = {Item("Choose"), Heading("Empty"), Heading("Shop & Co"),
                     Item("   Books ", "books.html?a=1&b=2"), Item("   Soon")};
    const std::string html = GenerateMenuCode(project, OutputMode::Clip).htmlCode;
    EXPECT_NE(std::string::npos,
              html.find("</form>\r\n<nav id=\"shop-links\" class=\"pickwell-links\" "
                        "aria-label=\"Choose a page\">\r\n<ul>\r\n<li>Choose</li>\r\n"
                        "<li>Empty</li>\r\n<li>Shop &amp; Co\r\n<ul>\r\n"
                        "<li><a href=\"books.html?a=1&amp;b=2\" target=\"_blank\" "
                        "rel=\"noopener\">Books</a></li>\r\n<li>Soon</li>\r\n</ul>\r\n</li>\r\n"
                        "</ul>\r\n</nav>\r\n"))
        << html;
    EXPECT_EQ(std::string::npos, html.find("<noscript>")) << "the links serve without script";

    project.menuOptions.target = TargetDifferentFrame;
    project.menuOptions.frameName = "lower";
    project.menuOptions.listLabel = "Our \"pages\"";
    const std::string framed = GenerateMenuCode(project, OutputMode::Clip).htmlCode;
    EXPECT_NE(std::string::npos, framed.find("aria-label=\"Our &quot;pages&quot;\">"));
    EXPECT_NE(std::string::npos,
              framed.find("<a href=\"books.html?a=1&amp;b=2\" target=\"lower\">"));
}

TEST(SiteCode, TheLinksTakeTheMenusFontAndColorsAndSwapWithTheListAtTheWidth) {
    MenuProject project = Site();
    project.menuOptions.wideScreenLinks = 1;
    project.menuOptions.wideScreenWidth = "1000";
    MenuStyle& style = project.menuStyle;
    style.fontName = "Serif Face";
    style.underline = 1;
    const std::string css =
        GenerateSiteFiles(project, [](const std::string&) { return std::string("serif"); }).css;
    EXPECT_NE(std::string::npos,
              css.find("#shop-links{display:none;font-size:13px;font-family:'Serif Face',serif;"
                       "font-weight:500;font-style:normal;text-decoration:underline}\r\n"));
    EXPECT_NE(std::string::npos, css.find("#shop-links a{text-decoration:underline}\r\n"));
    EXPECT_NE(std::string::npos, css.find("@media (min-width:1000px){#shop-links{display:block}"
                                          "#shop-form{display:none}}\r\n"));

    style.useSystemColors = 0;
    style.bgColor = "#003366";
    style.textColor = "#FFFFFF";
    const std::string colored = GenerateSiteFiles(project, {}).css;
    EXPECT_NE(std::string::npos,
              colored.find("text-decoration:underline;background-color:#003366;color:#FFFFFF}"));
    EXPECT_NE(std::string::npos,
              colored.find("#shop-links a{text-decoration:underline;color:inherit}"));
}

struct WidthCase {
    const char* name;
    const char* typed;
    const char* used;
};

void PrintTo(const WidthCase& widthCase, std::ostream* out) {
    *out << widthCase.typed;
}

class WideScreenWidth : public ::testing::TestWithParam<WidthCase> {};

TEST_P(WideScreenWidth, AnEmptyOrInvalidWidthMeans768) {
    MenuOptions options;
    options.wideScreenWidth = GetParam().typed;
    EXPECT_EQ(GetParam().used, MenuStyleSheet::WideScreenWidth(options));
}

INSTANTIATE_TEST_SUITE_P(SiteCode, WideScreenWidth,
                         ::testing::Values(WidthCase{"Typed", "1024", "1024"},
                                           WidthCase{"LeadingZero", "0600", "600"},
                                           WidthCase{"Empty", "", "768"},
                                           WidthCase{"Zero", "0", "768"},
                                           WidthCase{"NotANumber", "wide", "768"},
                                           WidthCase{"TrailingText", "800px", "768"},
                                           WidthCase{"TooLarge", "99999999999", "768"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SiteCode, EveryRuleIsScopedByTheMenuNameAndItemColorsShareTheirClass) {
    MenuProject project = Site();
    project.menuOptions.menuName = "news_2";
    project.menuOptions.wideScreenLinks = 1;
    project.items = {Colored(Item("A", "a.html"), "#111111", "#EEEEEE"),
                     Colored(Heading("B"), "#222222", "Default"),
                     Colored(Item("C", "c.html"), "#111111", "#EEEEEE")};
    const SiteFiles files = GenerateSiteFiles(project, {});
    std::string css = files.css;
    css.erase(0, css.find("\r\n") + 2); // the comment line
    for (std::size_t at = 0; at < css.size(); at = css.find("\r\n", at) + 2) {
        const std::string rule = css.substr(at, css.find("\r\n", at) - at);
        EXPECT_TRUE(rule.starts_with("#news_2-") || rule.starts_with("@media")) << rule;
    }
    EXPECT_NE(std::string::npos,
              css.find("#news_2-form .pickwell-item2{background-color:#222222}"));
    EXPECT_EQ(2u, Count(files.html, "class=\"pickwell-item1\""));
    EXPECT_NE(std::string::npos,
              files.html.find("<optgroup label=\"B\" class=\"pickwell-item2\">"));
}

TEST(SiteCode, TheFragmentHasNoScriptNorStyleAttributeAndNamesTheFilesForTheHead) {
    MenuProject project = Site();
    project.menuOptions.wideScreenLinks = 1;
    project.buttonOptions.buttonType = 1;
    project.buttonOptions.graphicUrl = "go.png";
    project.buttonStyle.useSystemColors = 0;
    const SiteFiles files = GenerateSiteFiles(project, {}, "menu <1>");
    const std::string body = WithoutComments(files.html);
    EXPECT_EQ(std::string::npos, body.find("<script"));
    EXPECT_EQ(std::string::npos, body.find(" style="));
    EXPECT_NE(std::string::npos, body.find("<input type=\"image\" src=\"go.png\" alt=\"Go\" "
                                           "class=\"pickwell-button\">"));
    EXPECT_NE(std::string::npos, files.html.find("<link rel=\"stylesheet\" "
                                                 "href=\"menu%20%3C1%3E.css\">\r\n<script "
                                                 "src=\"menu%20%3C1%3E.js\" defer></script>\r\n"));
    EXPECT_NE(std::string::npos,
              files.css.find("#shop-form .pickwell-button{vertical-align:middle}"));
    EXPECT_EQ(std::string::npos, files.script.find("<script"));
    EXPECT_EQ(std::string::npos, files.script.find("eval"));
    EXPECT_EQ(GenerateSiteFiles(project, {}, "shop").html, GenerateSiteFiles(project, {}).html);
    for (const std::string& text : {files.html, files.css, files.script}) {
        EXPECT_EQ(Count(text, "\n"), Count(text, "\r\n"));
    }
}

TEST(SiteCode, AFontNameCannotEndTheStyleElement) {
    MenuProject project = Site();
    project.menuStyle.fontName = "x</style><script>";
    const std::string head = GenerateMenuCode(project, OutputMode::Clip).functionCode;
    EXPECT_EQ(1u, Count(head, "</style>"));
    EXPECT_NE(std::string::npos, head.find("'x\\3c /style>\\3c script>'"));
}

} // namespace
} // namespace pickwell
