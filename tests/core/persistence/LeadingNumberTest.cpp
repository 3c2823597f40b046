#include "persistence/LeadingNumber.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

TEST(LeadingNumber, TakesTheLeadingNumberAndIgnoresTheRest) {
    EXPECT_EQ(13.0, ParseLeadingNumber("013px"));
    EXPECT_EQ(-2.5, ParseLeadingNumber(" - 2.5.7"));
    EXPECT_EQ(12.0, ParseLeadingNumber("1 2"));
    EXPECT_EQ(1500.0, ParseLeadingNumber("1.5e3x"));
    EXPECT_EQ(7.0, ParseLeadingNumber("7e"));
    EXPECT_EQ(0.5, ParseLeadingNumber(".5"));
    EXPECT_EQ(0.0, ParseLeadingNumber(""));
    EXPECT_EQ(0.0, ParseLeadingNumber("abc12"));
    EXPECT_EQ(0.0, ParseLeadingNumber("+-3"));
    EXPECT_FALSE(ParseLeadingNumber("1e400").has_value());
}

TEST(LeadingNumber, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(2.0, RoundHalfEven(2.5));
    EXPECT_EQ(4.0, RoundHalfEven(3.5));
    EXPECT_EQ(-2.0, RoundHalfEven(-2.5));
    EXPECT_EQ(1.0, RoundHalfEven(0.51));
    EXPECT_EQ(0.0, RoundHalfEven(0.49));
}

TEST(LeadingNumber, WritesTheShortestText) {
    EXPECT_EQ("13", NumberToText(13));
    EXPECT_EQ("0", NumberToText(-0.0));
    EXPECT_EQ("-2.5", NumberToText(-2.5));
    EXPECT_EQ("1E+20", NumberToText(1e20));
    EXPECT_EQ("1.5E-7", NumberToText(1.5e-7));
}

} // namespace
} // namespace pickwell
