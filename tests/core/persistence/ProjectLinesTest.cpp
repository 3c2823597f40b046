#include "persistence/ProjectLines.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

// A file's item sections for two items, with `items` as the body of its [Items] section.
std::string FileWithItems(const std::string& items) {
    return "Pickwell Project File (Do not edit manually)\r\n[Items]\r\nicount=2\r\n" + items +
           "[URLS]\r\nURL 1=a.html\r\nURL 2=b.html\r\n[Linked]\r\n1=Yes\r\n2=No\r\n"
           "[ItemColors]\r\nBackcolor 1=Default\r\nTextcolor 1=Default\r\nIsHeading 1=Yes\r\n"
           "Backcolor 2=#FF0000\r\nTextcolor 2=Default\r\nIsHeading 2=No\r\n[Menu Options]\r\n"
           "Menu Name=Main\r\n";
}

// The texts of the first two items, or "broken" when the lines leave them to reads by key.
std::string Texts(const std::string& file, std::size_t linesPerRun = 1) {
    ProjectLines lines(0);
    std::string_view rest = file;
    while (!rest.empty()) {
        std::size_t end = 0;
        for (std::size_t n = 0; n < linesPerRun && end < rest.size(); ++n) {
            end = std::min(rest.find('\n', end), rest.size() - 1) + 1;
        }
        lines.Take(rest.substr(0, end));
        rest.remove_prefix(end);
    }
    const auto items = lines.TakeItems(2);
    return items ? (*items)[0].text + "|" + (*items)[1].text : "broken";
}

TEST(ProjectLines, TakesTheItemValuesAndKeepsEveryOtherLine) {
    const std::string file = FileWithItems("Item 1=One\r\nItem 2= \"Two\" \r\n");
    ProjectLines lines(2);
    lines.Take(file);
    EXPECT_TRUE(lines.StartsWithHeader());
    EXPECT_EQ(20u, lines.LineCount());
    EXPECT_EQ("Pickwell Project File (Do not edit manually)\r\n[Items]\r\nicount=2\r\n[URLS]\r\n"
              "[Linked]\r\n[ItemColors]\r\n[Menu Options]\r\nMenu Name=Main\r\n",
              lines.TakeOtherLines());
    const auto items = lines.TakeItems(2);
    ASSERT_TRUE(items);
    EXPECT_EQ("   Two", (*items)[1].text); // under the heading above
    EXPECT_EQ("b.html", (*items)[1].url);
    EXPECT_EQ("Yes", (*items)[0].linked);
    EXPECT_EQ("#FF0000", (*items)[1].backColor);
    EXPECT_EQ("Yes", (*items)[0].isHeading);
    EXPECT_EQ("No", (*items)[1].selected);
}

// A line of a key given already, a spelling that is another key and other keys are passed
// over; a key of the order out of turn, or in other case, leaves the section to reads by key.
TEST(ProjectLines, TakesValuesOnlyWhileTheirFirstLinesComeInTurn) {
    EXPECT_EQ("One|   Two", Texts(FileWithItems("\r\nItem 1=One\r\nItem 1=x\r\nItem 01=x\r\n"
                                                "note=x\r\n Item 2 =Two\r\n"),
                                  3));
    EXPECT_EQ("broken", Texts(FileWithItems("Item 2=Two\r\nItem 1=One\r\n")));
    EXPECT_EQ("broken", Texts(FileWithItems("item 1=x\r\nItem 1=One\r\nItem 2=Two\r\n")));
    EXPECT_EQ("broken", Texts(FileWithItems("Item 1=One\r\n")));
    // Values past the count change nothing, in turn or not.
    EXPECT_EQ("One|   Two", Texts(FileWithItems("Item 1=One\r\nItem 2=Two\r\nItem 4=x\r\n")));
    // Only the first block of a section gives values; a later one is kept as it is.
    EXPECT_EQ("broken", Texts(FileWithItems("Item 1=One\r\n[Other]\r\n[items]\r\nItem 2=Two\r\n")));
}

// The heading values may come before the texts they indent.
TEST(ProjectLines, IndentsUnderAHeadingWhateverTheOrderOfTheSections) {
    const std::string file = FileWithItems("Item 1=One\r\nItem 2=Two\r\n");
    const std::size_t items = file.find("[Items]");
    const std::size_t colors = file.find("[ItemColors]");
    const std::size_t options = file.find("[Menu Options]");
    EXPECT_EQ("One|   Two", Texts(file.substr(0, items) + file.substr(colors, options - colors) +
                                  file.substr(items, colors - items)));
}

TEST(ProjectLines, AFileWithoutItemSectionsHasNoItems) {
    ProjectLines lines(0);
    lines.Take("[Menu Options]\nMenu Name=Main");
    EXPECT_FALSE(lines.StartsWithHeader());
    EXPECT_EQ(2u, lines.LineCount());
    EXPECT_EQ(std::vector<MenuItem>{}, lines.TakeItems(0));
}

} // namespace
} // namespace pickwell
