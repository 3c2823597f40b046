#include "colour/ColorValues.h"

#include "ScriptedColorDialog.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

TEST(ColorToHex, WritesRedFirstInUpperCase) {
    EXPECT_EQ("#000000", ColorToHex(0));
    EXPECT_EQ("#FFFFFF", ColorToHex(0xFFFFFF));
    EXPECT_EQ("#0C0B0A", ColorToHex(0x0A0B0C));
    EXPECT_EQ("#0F0000", ColorToHex(0x00000F));
    EXPECT_EQ("#FF8000", ColorToHex(0x0080FF));
}

TEST(ColorToHex, UntranslatedSystemReferenceGivesFFForNonZeroChannels) {
    EXPECT_EQ("#FFFFFF", ColorToHex(SystemColorReference(15)));
    EXPECT_EQ("#000000", ColorToHex(static_cast<ColorValue>(0x80000000u)));
}

TEST(TranslateSystemColor, GivesTheFixedSchemeAndBlackForUnknownIndexes) {
    EXPECT_EQ(0x123456, TranslateSystemColor(0x123456));
    EXPECT_EQ("#000000", ColorToHex(TranslateSystemColor(SystemColorReference(ColorWindowText))));
    EXPECT_EQ("#FFFFFF", ColorToHex(TranslateSystemColor(SystemColorReference(ColorWindow))));
    EXPECT_EQ("#C0C0C0", ColorToHex(TranslateSystemColor(SystemColorReference(ColorButtonFace))));
    EXPECT_EQ("#808080", ColorToHex(TranslateSystemColor(SystemColorReference(ColorButtonShadow))));
    EXPECT_EQ("#FFFFFF",
              ColorToHex(TranslateSystemColor(SystemColorReference(ColorButtonHighlight))));
    EXPECT_EQ(0, TranslateSystemColor(SystemColorReference(3)));
}

TEST(HexToDecimalText, FollowsTheLenientDigitRule) {
    EXPECT_EQ("0", HexToDecimalText(""));
    EXPECT_EQ("0", HexToDecimalText("   "));
    EXPECT_EQ("255", HexToDecimalText("  FF "));
    EXPECT_EQ("16777215", HexToDecimalText("FFFFFF"));
    EXPECT_EQ("-318767105", HexToDecimalText("#FFFFFF"));
    EXPECT_EQ("42", HexToDecimalText("a"));
}

TEST(HexToDecimalText, CountsCharactersNotUtf8Bytes) {
    EXPECT_EQ("178", HexToDecimalText("\xC3\xA9")); // e acute is 233 in the code page
    // A pound sign in front still fits 32 bits, so the colour can be painted.
    EXPECT_EQ(0x563412, PreviewColorFor("\xC2\xA3"
                                        "123456"));
}

TEST(HexToDecimalText, ReportsOverflowForEightCharacters) {
    EXPECT_EQ("", HexToDecimalText("00000000"));
    EXPECT_EQ("", HexToDecimalText("#1234567"));
    EXPECT_NE("", HexToDecimalText("1234567"));
}

TEST(PreviewColorFor, SwapsTextOrderIntoValueOrder) {
    EXPECT_EQ(0x0080FF, PreviewColorFor("#FF8000"));
    EXPECT_EQ(0, PreviewColorFor("#000000"));
    EXPECT_EQ(0x0FF0CD, PreviewColorFor("#abcdef")); // lower case counts 42 to 47
    EXPECT_EQ(std::nullopt, PreviewColorFor("#1234567"));
}

TEST(KeyFilters, HexKeepsHexDigitsUpperCasesAndDropsTheRest) {
    EXPECT_EQ('C', HexKeyFilter('c'));
    EXPECT_EQ('7', HexKeyFilter('7'));
    EXPECT_EQ('F', HexKeyFilter('F'));
    EXPECT_EQ(0, HexKeyFilter('g'));
    EXPECT_EQ(0, HexKeyFilter('#'));
    EXPECT_EQ(0, HexKeyFilter(' '));
    EXPECT_EQ(0, HexKeyFilter(KeyEnter));
    EXPECT_EQ(KeyBackspace, HexKeyFilter(KeyBackspace));
}

TEST(KeyFilters, DigitKeepsDigitsAndBackspaceOnly) {
    EXPECT_EQ('0', DigitKeyFilter('0'));
    EXPECT_EQ(KeyBackspace, DigitKeyFilter(KeyBackspace));
    for (int key : {'-', '.', 'a', 'Z', ' '}) {
        EXPECT_EQ(0, DigitKeyFilter(key)) << key;
    }
}

TEST(CustomColors, BlackEntriesOpenAsWhiteAndChoicesPersistForTheRun) {
    CustomColors custom;
    ScriptedColorDialog dialog;
    dialog.answers = {0x112233};
    std::array<ColorValue, 16> userTable{};
    userTable[3] = 0x445566;
    dialog.nextCustom = userTable; // the user leaves black in every other slot
    EXPECT_EQ(0x112233, custom.ShowColorDialog(dialog, 0x010203, true));
    EXPECT_EQ(0xFFFFFF, dialog.customSeen[0]);
    EXPECT_EQ(0x010203, dialog.lastInitial);
    EXPECT_TRUE(dialog.lastFullOpen);

    EXPECT_EQ(-1, custom.ShowColorDialog(dialog, 0, false)); // cancelled
    EXPECT_EQ(0x445566, dialog.customSeen[3]);
    EXPECT_EQ(0xFFFFFF, dialog.customSeen[0]);
}

} // namespace
} // namespace pickwell
