#include "check/Contrast.h"

#include "colour/ColorNames.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

struct ContrastCase {
    const char* name;
    const char* text;
    const char* back;
    const char* shown;
    bool passes;
};

class ContrastTest : public ::testing::TestWithParam<ContrastCase> {};

TEST_P(ContrastTest, MeasuresAsWcagDoes) {
    const ContrastCase& c = GetParam();
    const double ratio = ContrastRatio(*ColorFromText(c.text), *ColorFromText(c.back));
    EXPECT_EQ(c.shown, RatioText(ratio));
    EXPECT_EQ(c.passes, ratio >= TextContrastMinimum);
    // The ratio does not depend on which colour is the text.
    EXPECT_DOUBLE_EQ(ratio, ContrastRatio(*ColorFromText(c.back), *ColorFromText(c.text)));
}

// Black on white, and #767676 as the lightest grey that passes on white, are the usual
// examples; the other ratios are worked by hand from the luminance formula.
INSTANTIATE_TEST_SUITE_P(
    Pairs, ContrastTest,
    ::testing::Values(ContrastCase{"BlackOnWhite", "#000000", "#FFFFFF", "21.00:1", true},
                      ContrastCase{"GreyOnWhiteFails", "#777777", "#FFFFFF", "4.48:1", false},
                      ContrastCase{"DarkerGreyPasses", "#767676", "#FFFFFF", "4.54:1", true},
                      ContrastCase{"SameColour", "#3366CC", "#3366CC", "1.00:1", false},
                      ContrastCase{"RedOnWhite", "red", "white", "4.00:1", false},
                      ContrastCase{"WhiteOnNavy", "#FFF", "navy", "16.01:1", true},
                      ContrastCase{"GreyOnGrey", "#595959", "#D3D3D3", "4.68:1", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RatioTextTest, AFailingRatioNeverReadsAsEnough) {
    EXPECT_EQ("4.49:1", RatioText(4.4999));
    EXPECT_EQ("4.50:1", RatioText(4.5));
}

} // namespace
} // namespace pickwell
