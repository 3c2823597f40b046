#include "import/ImportForm.h"
#include "ImportRows.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

const std::string Data = std::string(PICKWELL_TEST_DATA) + "import/";

ImportForm FormFor(const std::string& file) {
    const std::string path = Data + file;
    return ImportForm(path, *ReadImportFile(path));
}

TEST(ImportForm, OffersThePagesListsWithTheNavigationChosen) {
    ImportForm form = FormFor("site-nav.html");
    EXPECT_EQ(form.format(), ImportFormat::Nav);
    EXPECT_TRUE(form.listEnabled());
    EXPECT_EQ(form.listChoices(),
              (std::vector<std::string>{"ul.social: Follow us", "nav#main: Home, Books, Novels, …",
                                        "ol.steps: Browse, Order", "ul.legal: Privacy, Terms"}));
    EXPECT_EQ(form.listIndex(), 1);
    EXPECT_EQ(form.preview().size(), 7u);
    EXPECT_EQ(form.statusText(), "7 items will be added to the end of the list.");

    form.SetList(3);
    EXPECT_EQ(Rows(form.preview()),
              (std::vector<std::string>{"Privacy -> /privacy.html", "Terms -> /terms.html"}));
}

TEST(ImportForm, AnotherFormatReparsesAndAFailureClosesOk) {
    ImportForm form = FormFor("site-nav.html");
    form.SetFormat(ImportFormat::Sitemap);
    EXPECT_TRUE(form.failed());
    EXPECT_FALSE(form.okEnabled());
    EXPECT_FALSE(form.listEnabled());
    EXPECT_TRUE(form.preview().empty());
    form.Accept();
    EXPECT_FALSE(form.closed());

    form.SetFormat(ImportFormat::Nav);
    EXPECT_EQ(form.listIndex(), 1);
    EXPECT_TRUE(form.okEnabled());
    form.Accept();
    EXPECT_TRUE(form.accepted());
}

TEST(ImportForm, GuessesTheFormatFromContentBeforeName) {
    EXPECT_EQ(FormFor("firefox-bookmarks.html").format(), ImportFormat::Bookmarks);
    EXPECT_EQ(FormFor("sitemap-pages.xml").format(), ImportFormat::Sitemap);
    EXPECT_EQ(FormFor("items-1252.csv").format(), ImportFormat::Csv);
    ImportForm cancelled = FormFor("items-utf8.csv");
    cancelled.Cancel();
    EXPECT_TRUE(cancelled.closed());
    EXPECT_FALSE(cancelled.accepted());
}

} // namespace
} // namespace pickwell
