#include "text/LeadingNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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

// Values at the edges of a double's range and of the written forms, each as the C library's
// strtod and "%.0f" / "%.15G" give it in the C locale.
struct ReadCase {
    const char* name;
    const char* text;
    std::optional<double> value;
    friend void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.text; }
};

class LeadingNumberRead : public testing::TestWithParam<ReadCase> {};

TEST_P(LeadingNumberRead, GivesWhatTheCLocaleGives) {
    const std::optional<double> read = ParseLeadingNumber(GetParam().text);
    ASSERT_EQ(GetParam().value.has_value(), read.has_value());
    if (read) {
        EXPECT_EQ(*GetParam().value, *read);
        EXPECT_EQ(std::signbit(*GetParam().value), std::signbit(*read));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, LeadingNumberRead,
    testing::Values(
        ReadCase{"Fraction", "17.5", 17.5}, ReadCase{"CommaEndsTheNumber", "17,5", 17},
        ReadCase{"PlusSign", "+4.25", 4.25}, ReadCase{"TrailingPoint", "5.", 5},
        ReadCase{"DExponent", "2d3", 2000},
        ReadCase{"LargestDouble", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        ReadCase{"BeyondTheLargest", "1.8e308", std::nullopt},
        ReadCase{"HugeExponent", "1e99999999999999999999999", std::nullopt},
        ReadCase{"SmallMantissaHugeExponent", "0.0000001e316", std::nullopt},
        ReadCase{"Subnormal", "1e-310", 1e-310},
        ReadCase{"SmallestSubnormal", "4.9e-324", std::numeric_limits<double>::denorm_min()},
        ReadCase{"UnderflowToZero", "1e-400", 0.0},
        ReadCase{"NegativeUnderflowToMinusZero", "-1e-400", -0.0},
        ReadCase{"LargeMantissaTinyExponent", "1000000e-330", 0.0},
        ReadCase{"ZeroWithHugeExponent", "0e99999", 0.0},
        ReadCase{"ManyDigits", "123456789012345678901234567890", 123456789012345678901234567890.0}),
    [](const auto& info) { return std::string(info.param.name); });

struct WriteCase {
    const char* name;
    double value;
    const char* text;
    friend void PrintTo(const WriteCase& c, std::ostream* out) { *out << c.text; }
};

class LeadingNumberWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(LeadingNumberWrite, GivesWhatTheCLocaleGives) {
    EXPECT_EQ(GetParam().text, NumberToText(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Edges, LeadingNumberWrite,
    testing::Values(WriteCase{"Fraction", 17.5, "17.5"}, WriteCase{"SumOfTenths", 0.1 + 0.2, "0.3"},
                    WriteCase{"LargestWholeWritten", 999999999999999, "999999999999999"},
                    WriteCase{"FirstWholeInExponentForm", 1e15, "1E+15"},
                    WriteCase{"RoundsUpToTheExponentForm", 999999999999999.9, "1E+15"},
                    WriteCase{"FifteenDigits", 123456.7890123456, "123456.789012346"},
                    WriteCase{"SmallWithoutExponent", 0.0001, "0.0001"},
                    WriteCase{"SmallWithExponent", 0.00001, "1E-5"},
                    WriteCase{"ThreeDigitExponent", -1e100, "-1E+100"},
                    WriteCase{"Subnormal", -1e-310, "-9.99999999999997E-311"},
                    WriteCase{"NegativeHalf", -0.5, "-0.5"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pickwell
