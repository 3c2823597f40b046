#include "text/Windows1252.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

TEST(Windows1252, RoundTripsEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string utf8 = DecodeWindows1252(all);
    EXPECT_EQ(all, EncodeWindows1252(utf8, Unmappable::QuestionMark));
    EXPECT_TRUE(FitsWindows1252(utf8));
}

TEST(Windows1252, MapsTheHighControlsAndKeepsUndefinedBytes) {
    EXPECT_EQ("\xE2\x82\xAC", DecodeWindows1252("\x80")); // euro sign
    EXPECT_EQ("\xC2\x81", DecodeWindows1252("\x81"));     // undefined: U+0081
    EXPECT_EQ("\xC3\xA9", DecodeWindows1252("\xE9"));     // e acute
    EXPECT_EQ("\x80\x9D", EncodeWindows1252("\xE2\x82\xAC\xC2\x9D", Unmappable::QuestionMark));
}

TEST(Windows1252, ReplacesCharactersTheCodePageLacks) {
    const std::string text = "a\xE2\x86\x92z\xF0\x9F\x98\x80"; // a, right arrow, z, emoji
    EXPECT_FALSE(FitsWindows1252(text));
    EXPECT_EQ("a?z?", EncodeWindows1252(text, Unmappable::QuestionMark));
    EXPECT_EQ("a&#8594;z&#128512;", EncodeWindows1252(text, Unmappable::CharacterReference));
}

TEST(Utf8, CountsAndCutsByCharacters) {
    const std::string text = "\xC3\xA9t\xC3\xA9"; // "été"
    EXPECT_EQ(3u, Utf8Length(text));
    EXPECT_EQ("\xC3\xA9t", Utf8Left(text, 2));
    EXPECT_EQ(text, Utf8Left(text, 10));
    EXPECT_EQ(text, FromCodePoints(ToCodePoints(text)));
}

} // namespace
} // namespace pickwell
