#include "colour/ColorNames.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

TEST(ColorFromTextTest, ReadsTheFormsABrowserReads) {
    EXPECT_EQ(0x0080FF, ColorFromText("#FF8000"));
    EXPECT_EQ(0x0080FF, ColorFromText("#ff8000"));
    EXPECT_EQ(0x3311FF, ColorFromText("#F13"));
    EXPECT_EQ(0x800000, ColorFromText("Navy"));
    EXPECT_EQ(0xD30094, ColorFromText(" darkviolet "));
    EXPECT_EQ(0xFFFFF0, ColorFromText("azure"));
}

TEST(ColorFromTextTest, LeavesWhatABrowserIgnores) {
    for (const char* text : {"", "Default", "#FF800", "#GG0000", "FF8000", "bluish", "#FF8000FF"}) {
        EXPECT_EQ(std::nullopt, ColorFromText(text)) << text;
    }
}

} // namespace
} // namespace pickwell
