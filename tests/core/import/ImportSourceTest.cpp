#include "import/ImportSource.h"
#include "ImportRows.h"
#include "import/LinkText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace pickwell {
namespace {

const std::string Data = std::string(PICKWELL_TEST_DATA) + "import/";

struct Sample {
    std::string name;
    std::string file;
    std::string selector;
    std::vector<std::string> rows;
};

class SampleImport : public testing::TestWithParam<Sample> {};

// Each sample is read as the window reads it: the format guessed from the file.
TEST_P(SampleImport, GivesTheItemsInOrder) {
    const ImportedItems imported =
        ImportFile(Data + GetParam().file, std::nullopt, GetParam().selector);
    ASSERT_TRUE(imported.ok()) << imported.error;
    EXPECT_EQ(Rows(imported.items), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Import, SampleImport,
    testing::Values(
        Sample{"FirefoxBookmarks",
               "firefox-bookmarks.html",
               "",
               {"Kestrel Books – Home -> https://www.kestrel-books.example/", "# Suppliers",
                "Paper & Ink Ltd -> https://paper.example/order?ref=kb&qty=5",
                "Binding Co. -> https://binding.example/", "# Printers",
                "Brackwater Press -> https://press.example/", "# Bookmarks Toolbar",
                "Events -> https://www.kestrel-books.example/events/"}},
        Sample{"ChromeBookmarks",
               "chrome-bookmarks.html",
               "",
               {"# Bookmarks bar", "Café Menü -> https://café.example/menu", "# Reading",
                "Today's news -> https://news.example/today", "# Other bookmarks",
                "A b -> https://tools.example/a%20b"}},
        Sample{"PageNavWithNestedListAndRelativeLinks",
               "site-nav.html",
               "",
               {"Home -> index.html", "# Books", "Novels -> books/novels.html",
                "Poetry & verse -> books/poetry.html", "Children’s books -> books/children.html",
                "Readings and signings -> ../events/", "Opening hours: 9–5"}},
        Sample{"PageListBySelector",
               "site-nav.html",
               "footer  ul.legal",
               {"Privacy -> /privacy.html", "Terms -> /terms.html"}},
        Sample{"PageWithBaseAddress",
               "page-with-base.html",
               "div.menu",
               {"# Shop", "Cart -> https://www.kestrel-books.example/shop/cart.html",
                "About us -> https://www.kestrel-books.example/about/",
                "Catalogue -> https://cdn.example/catalogue.pdf",
                "Partner -> https://elsewhere.example/", "Script"}},
        Sample{"SitemapIndexOfLocalFiles",
               "sitemap-index.xml",
               "",
               {"Home -> https://www.kestrel-books.example/",
                "About us -> https://www.kestrel-books.example/about-us.html", "# Books",
                "Books -> https://www.kestrel-books.example/books/",
                "Second hand finds -> "
                "https://www.kestrel-books.example/books/second_hand-finds.html",
                "Books -> https://www.kestrel-books.example/books/index.php?page=2", "# Blog",
                "Spring reading list -> "
                "https://www.kestrel-books.example/blog/2024/spring-reading%20list/"}},
        Sample{"CsvUtf8WithHeaderQuotesAndLineBreaks",
               "items-utf8.csv",
               "",
               {"# Fiction", "Crime, mystery & thrillers -> crime.html [#FFEECC/#330000]",
                "The \"Big\" Sale -> sale.html [#FF0000/]",
                "Opening hours: Mon–Sat -> hours.html"}},
        Sample{"CsvWindows1252WithoutHeader",
               "items-1252.csv",
               "",
               {"Café Zoë -> cafe.html", "Señor’s “Fiesta” -> fiesta.html",
                "Price list, 2024 -> prices.pdf"}}),
    [](const testing::TestParamInfo<Sample>& info) { return info.param.name; });

struct Damaged {
    std::string name;
    ImportFormat format;
    std::string bytes;
    std::string selector;
    std::string message; // a part of the message
};

class DamagedImport : public testing::TestWithParam<Damaged> {};

TEST_P(DamagedImport, NamesTheProblemAndBringsNothing) {
    const ImportedItems imported =
        ParseImport(GetParam().format, GetParam().bytes, "/nowhere/file", GetParam().selector);
    EXPECT_FALSE(imported.ok());
    EXPECT_TRUE(imported.items.empty());
    EXPECT_NE(imported.error.find(GetParam().message), std::string::npos) << imported.error;
}

INSTANTIATE_TEST_SUITE_P(
    Import, DamagedImport,
    testing::Values(
        Damaged{"CsvUnclosedQuote", ImportFormat::Csv, "a,a.html\n\"Open,x\nmore\n", "",
                "Line 2: a quoted field is not closed."},
        Damaged{"CsvStrayQuote", ImportFormat::Csv, "A,b\"c\n", "",
                "Line 1: a quote stands inside a field"},
        Damaged{"CsvTextAfterClosingQuote", ImportFormat::Csv, "\"A\"b,c\n", "",
                "Line 1: text follows the closing quote"},
        Damaged{"CsvBadColour", ImportFormat::Csv, "Text,Link,Back Color\nA,a.html,red\n", "",
                "Line 2: \"red\" is not a colour"},
        Damaged{"CsvBadHeadingWord", ImportFormat::Csv, "A,a.html\r\nB,b.html,maybe\r\n", "",
                "Line 2: the heading column says \"maybe\""},
        Damaged{"CsvSurplusField", ImportFormat::Csv, "A,a.html,No,,,surplus\n", "",
                "Line 1: field 6 has no column."},
        Damaged{"CsvRowWithoutText", ImportFormat::Csv, "\"A\nB\",a.html\n,b.html\n", "",
                "Line 3: the item has no text."},
        Damaged{"CsvUnknownColumn", ImportFormat::Csv, "Text,Price\n", "",
                "the column \"Price\" is not known"},
        Damaged{"CsvEmpty", ImportFormat::Csv, "\r\n\r\n", "", "holds no rows"},
        Damaged{"SitemapNotClosed", ImportFormat::Sitemap,
                "<?xml version=\"1.0\"?>\n<urlset>\n<url><loc>https://a.example/</loc>\n"
                "</urlset>\n",
                "", "Line 3: Opening and ending tag mismatch"},
        Damaged{"SitemapWrongRoot", ImportFormat::Sitemap, "<html>\n<body/></html>", "",
                "Line 1: the file is not a sitemap"},
        Damaged{"SitemapEmptyLoc", ImportFormat::Sitemap,
                "<urlset>\n<url><loc> </loc></url></urlset>", "",
                "Line 2: the <loc> element is empty."},
        Damaged{"SitemapIndexNamesMissingFile", ImportFormat::Sitemap,
                "<sitemapindex>\n<sitemap><loc>https://x.example/gone.xml</loc></sitemap>"
                "</sitemapindex>",
                "", "Line 2: the sitemap \"gone.xml\" is not in the folder /nowhere/"},
        Damaged{"SitemapWithoutPages", ImportFormat::Sitemap, "<urlset></urlset>", "",
                "lists no pages"},
        Damaged{"BookmarksWithoutList", ImportFormat::Bookmarks, "<p>Just a page</p>", "",
                "has no bookmark list"},
        Damaged{"BookmarksWithoutAddresses", ImportFormat::Bookmarks,
                "<DL><p><DT><H3>Empty</H3><DL><p></DL><DT><A HREF=\"place:x\">Smart</A></DL>", "",
                "hold no bookmarks"},
        Damaged{"PageWithoutLists", ImportFormat::Nav, "<p>No navigation here</p>", "",
                "has no <nav> element and no list"},
        Damaged{"NavWithoutLinks", ImportFormat::Nav, "<body>\n<nav id=\"top\">\n</nav>", "",
                "<nav id=\"top\"> on line 2 holds no links"},
        Damaged{"EmptyPage", ImportFormat::Nav, "", "", "holds no HTML"},
        Damaged{"SelectorBeyondTheSubset", ImportFormat::Nav, "<nav><a href=a>A</a></nav>",
                "nav > a", "cannot be used"},
        Damaged{"SelectorMatchingNothing", ImportFormat::Nav, "<nav><a href=a>A</a></nav>", "#menu",
                "No element of the page matches \"#menu\""}),
    [](const testing::TestParamInfo<Damaged>& info) { return info.param.name; });

TEST(SitemapImport, TakesFiftyThousandAddressesGroupedByFolder) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<urlset>\n";
    for (int i = 0; i < 50000; ++i) {
        xml += "<url><loc>https://www.example.org/section-" + std::to_string(i % 10) + "/page-" +
               std::to_string(i) + ".html</loc></url>\n";
    }
    xml += "</urlset>\n";
    const ImportedItems imported = ParseImport(ImportFormat::Sitemap, xml, "/x/sitemap.xml", "");
    ASSERT_TRUE(imported.ok()) << imported.error;
    ASSERT_EQ(imported.items.size(), 50010u);
    EXPECT_EQ(Row(imported.items[0]), "# Section 0");
    EXPECT_EQ(Row(imported.items[5001]), "# Section 1");
    EXPECT_EQ(Row(imported.items[5002]), "Page 1 -> https://www.example.org/section-1/page-1.html");
    EXPECT_EQ(Row(imported.items.back()),
              "Page 49999 -> https://www.example.org/section-9/page-49999.html");
}

struct Link {
    std::string name;
    std::string href;
    std::string base;
    std::string resolved;
};

class ResolvedLink : public testing::TestWithParam<Link> {};

TEST_P(ResolvedLink, IsWhatABrowserWouldOpen) {
    EXPECT_EQ(ResolveLink(GetParam().href, GetParam().base), GetParam().resolved);
}

INSTANTIATE_TEST_SUITE_P(
    Import, ResolvedLink,
    testing::Values(Link{"DotStepsTaken", "./a/../b.html", "", "b.html"},
                    Link{"StepsAboveTheFolderKept", "../x/./y.html?q=1#top", "",
                         "../x/y.html?q=1#top"},
                    Link{"RootedPathStaysRooted", "/docs/../a.html", "", "/a.html"},
                    Link{"FolderKeepsItsSlash", "sub/", "", "sub/"},
                    Link{"AgainstAPageAddress", "c.html", "https://h.example/a/b.html",
                         "https://h.example/a/c.html"},
                    Link{"UpFromAFolderAddress", "../d.html", "https://h.example/a/b/",
                         "https://h.example/a/d.html"},
                    Link{"OtherSchemeUntouched", "mailto:x@y.example", "https://h.example/",
                         "mailto:x@y.example"}),
    [](const testing::TestParamInfo<Link>& info) { return info.param.name; });

} // namespace
} // namespace pickwell
