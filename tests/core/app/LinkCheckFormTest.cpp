#include "app/LinkCheckForm.h"

#include "ScriptedLinkProbe.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

using Verdict = CheckFinding::Verdict;

MenuItem Linked(std::string text, std::string url) {
    MenuItem item;
    item.text = std::move(text);
    item.linked = "Yes";
    item.url = std::move(url);
    return item;
}

MenuItem Coloured(std::string text, std::string back, std::string fore) {
    MenuItem item = Linked(std::move(text), "#");
    item.backColor = std::move(back);
    item.textColor = std::move(fore);
    return item;
}

class LinkCheckFormTest : public ::testing::Test {
protected:
    LinkCheckFormTest() { site.Write("Books.html", ""); }

    const CheckFinding& Row(std::size_t i) { return form.findings().at(i); }

    TempDir site;
    MenuProject project;
    ScriptedLinkProbe probe;
    LinkCheckForm form{project, probe};
};

TEST_F(LinkCheckFormTest, ChecksEveryLinkedAddressAndAsksEachWebAddressOnce) {
    MenuItem heading;
    heading.text = "Shop";
    heading.isHeading = "Yes";
    project.items = {heading,
                     Linked("   Books", "Books.html"),
                     Linked("   Cards", "books.html"),
                     Linked("   Partner", "www.partner-books.co.uk"),
                     Linked("   Empty", ""),
                     Linked("   News", "https://example.com/news"),
                     Linked("   News again", "https://example.com/news"),
                     Linked("   Old", "https://example.com/old")};
    project.items.push_back(MenuItem{"Not linked", "No", "", "No", "Default", "Default", "No"});
    form.SetSiteFolder(site.path());
    form.SetContrast(0);
    form.Check();

    ASSERT_EQ(7u, form.findings().size());
    EXPECT_EQ((CheckFinding{"Item 2: Books", "Books.html", "", "found in the site folder",
                            Verdict::Passed}),
              Row(0));
    EXPECT_EQ("letter case differs", Row(1).problem);
    EXPECT_EQ("host without a scheme", Row(2).problem);
    EXPECT_EQ("empty address", Row(3).problem);
    EXPECT_EQ((std::vector<std::string>{"https://example.com/news", "https://example.com/old"}),
              probe.addresses());
    EXPECT_TRUE(form.running());
    EXPECT_FALSE(form.checkEnabled());
    EXPECT_EQ("Checking: 0 of 2 web addresses answered.", form.statusText());

    probe.Answer(0, {LinkAnswer::Outcome::Answered, 200, "https://example.com/news/", {}});
    EXPECT_EQ("redirected", Row(4).problem);
    EXPECT_EQ("200 at https://example.com/news/", Row(5).detail);
    probe.AnswerStatus(1, 404);
    EXPECT_EQ((CheckFinding{"Item 8: Old", "https://example.com/old", "not found", "404",
                            Verdict::Problem}),
              Row(6));
    EXPECT_FALSE(form.running());
    EXPECT_TRUE(form.checkEnabled());
    EXPECT_EQ("Done: 4 problems found.", form.statusText());
}

TEST_F(LinkCheckFormTest, CancelLeavesTheUnansweredAddressesUnchecked) {
    project.items = {Linked("A", "https://a.example/"), Linked("B", "https://b.example/")};
    form.Check();
    probe.Answer(0, {LinkAnswer::Outcome::TimedOut, 0, {}, {}});
    EXPECT_EQ("nothing within 10 s", Row(0).detail);
    form.Cancel();
    EXPECT_FALSE(probe.probing());
    EXPECT_FALSE(form.running());
    EXPECT_EQ("not checked", Row(1).detail);
    EXPECT_EQ("Cancelled: 1 of 2 web addresses answered.", form.statusText());
}

TEST_F(LinkCheckFormTest, MeasuresTheColoursTheGeneratedPagePaints) {
    project.menuStyle.useSystemColors = 0;
    project.menuStyle.textColor = "#777777";
    project.menuStyle.bgColor = "#FFFFFF";
    project.buttonStyle.useSystemColors = 0;
    MenuItem heading = Coloured("Heading", "#000000", "#000000");
    heading.isHeading = "Yes";
    project.items = {Coloured("Plain", "Default", "#FFFFFF"), heading,
                     Coloured("   Own text", "#FFFFFF", "#000000"),
                     Coloured("   List text", "#FFFFFF", "Default"),
                     Coloured("   Unknown", "bluish", "#000000")};
    form.Check();

    const auto& rows = form.findings();
    // Four links (fragments), the list, the button, three items and the note.
    ASSERT_EQ(10u, rows.size());
    EXPECT_EQ((CheckFinding{"The list", "#777777 on #FFFFFF", "contrast too low",
                            "4.48:1, needs 4.5:1", Verdict::Problem}),
              rows[4]);
    EXPECT_EQ((CheckFinding{"The button", "#000000 on #C0C0C0", "", "11.54:1", Verdict::Passed}),
              rows[5]);
    EXPECT_EQ("21.00:1", rows[6].detail);
    EXPECT_EQ("#777777 on #FFFFFF", rows[7].address);
    EXPECT_EQ("colour not understood", rows[8].problem);
    EXPECT_EQ(
        (CheckFinding{"Items 3, 4, 5", "", "colours may not show", rows[9].detail, Verdict::Note}),
        rows[9]);
    EXPECT_EQ(3, form.problemCount()); // the list, the item in its text colour, "bluish"
    EXPECT_FALSE(form.running());
    EXPECT_EQ(form.progressMaximum(), form.progressValue()); // no web address: done is whole
}

TEST_F(LinkCheckFormTest, TheButtonIsLeftOutWhereThePageHasNone) {
    project.buttonStyle.useSystemColors = 0;
    project.menuOptions.navigateMode = 1;
    form.Check();
    EXPECT_TRUE(form.findings().empty());
    EXPECT_EQ("Done: no problems found.", form.statusText());
}

} // namespace
} // namespace pickwell
