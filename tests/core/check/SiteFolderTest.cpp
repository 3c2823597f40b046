#include "check/SiteFolder.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pickwell {
namespace {

using Found = SiteFileResult::Found;

class SiteFolderTest : public ::testing::Test {
protected:
    SiteFolderTest() {
        std::filesystem::create_directories(site.File("Books/new"));
        site.Write("index.html", "");
        site.Write("Books/new/Spring Titles.html", "");
    }
    SiteFileResult Find(const char* address) { return FindInSiteFolder(site.path(), address); }

    TempDir site;
};

TEST_F(SiteFolderTest, FindsPagesAndFoldersAsTheServerWould) {
    EXPECT_EQ(Found::Yes, Find("index.html").found);
    EXPECT_EQ(Found::Yes, Find("/index.html?from=menu#top").found);
    EXPECT_EQ(Found::Yes, Find("Books/new/Spring%20Titles.html").found);
    EXPECT_EQ(Found::Yes, Find("./Books/../Books/new/").found);
    EXPECT_EQ(Found::No, Find("Books/old/").found);
    EXPECT_EQ(Found::No, Find("index.html/").found);
    EXPECT_EQ(Found::No, Find("contact.html").found);
}

TEST_F(SiteFolderTest, NamesTheSpellingOfAPageFoundOnlyUnderAnotherCase) {
    const SiteFileResult result = Find("books/NEW/spring%20titles.html");
    EXPECT_EQ(Found::OtherCase, result.found);
    EXPECT_EQ("Books/new/Spring Titles.html", result.actualPath);
    EXPECT_EQ("Books/", Find("books/").actualPath);
}

} // namespace
} // namespace pickwell
