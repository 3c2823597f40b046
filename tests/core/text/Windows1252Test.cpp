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
}

TEST(Windows1252, MapsTheHighControlsAndKeepsUndefinedBytes) {
    EXPECT_EQ("\xE2\x82\xAC", DecodeWindows1252("\x80")); // euro sign
    EXPECT_EQ("\xC2\x81", DecodeWindows1252("\x81"));     // undefined: U+0081
    EXPECT_EQ("\xC3\xA9", DecodeWindows1252("\xE9"));     // e acute
    EXPECT_EQ("\x80\x9D", EncodeWindows1252("\xE2\x82\xAC\xC2\x9D", Unmappable::QuestionMark));
}

TEST(Windows1252, ReplacesCharactersTheCodePageLacks) {
    const std::string text = "a\xE2\x86\x92z\xF0\x9F\x98\x80"; // a, right arrow, z, emoji
    EXPECT_EQ("a?z?", EncodeWindows1252(text, Unmappable::QuestionMark));
    EXPECT_EQ("a&#8594;z&#128512;", EncodeWindows1252(text, Unmappable::CharacterReference));
}

// Only a reference the encoder writes reads back as its character; every other stays as it is,
// so that a file's bytes read and write unchanged.
struct ReferenceCase {
    const char* name;
    const char* bytes;
    const char* text;
    friend void PrintTo(const ReferenceCase& c, std::ostream* out) { *out << c.name; }
};

class DecodedReferences : public testing::TestWithParam<ReferenceCase> {};

TEST_P(DecodedReferences, ReadBackOnlyWhatTheEncoderWrites) {
    std::string text;
    AppendDecodedWithReferences(text, GetParam().bytes, 254);
    EXPECT_EQ(GetParam().text, text);
    if (text != GetParam().bytes) {
        EXPECT_EQ(GetParam().bytes, EncodeWindows1252(text, Unmappable::CharacterReference));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodedReferences,
    testing::Values(ReferenceCase{"Greek", "&#945;&#946;", "\xCE\xB1\xCE\xB2"},
                    ReferenceCase{"EmojiBesideACodePageByte", "\xE9&#128512;!",
                                  "\xC3\xA9\xF0\x9F\x98\x80!"},
                    ReferenceCase{"LastCharacter", "&#1114111;", "\xF4\x8F\xBF\xBF"},
                    ReferenceCase{"Ascii", "&#65;", "&#65;"},
                    ReferenceCase{"ALetterOfTheCodePage", "&#233;", "&#233;"},
                    ReferenceCase{"TheEuroSignsByte", "&#8364;", "&#8364;"},
                    ReferenceCase{"Hexadecimal", "&#x3B1;", "&#x3B1;"},
                    ReferenceCase{"LeadingZero", "&#0945;", "&#0945;"},
                    ReferenceCase{"NoSemicolon", "&#945 &#", "&#945 &#"},
                    ReferenceCase{"Surrogate", "&#55296;", "&#55296;"},
                    ReferenceCase{"BeyondTheLastCharacter", "&#1114112;", "&#1114112;"},
                    ReferenceCase{"EightDigits", "&#10000000;", "&#10000000;"},
                    ReferenceCase{"AmpersandBefore", "&&#945;", "&\xCE\xB1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Windows1252, AReferenceCountsAsOneCharacterOfTheLimit) {
    std::string text;
    AppendDecodedWithReferences(text, "ab&#945;&#946;cd", 3);
    EXPECT_EQ("ab\xCE\xB1", text);
    text.clear();
    AppendDecodedWithReferences(text, "\xE9&#0;xyz", 3);
    EXPECT_EQ("\xC3\xA9&#", text);
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
