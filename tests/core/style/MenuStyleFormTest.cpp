#include "style/MenuStyleForm.h"

#include "StyleWindows.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

TEST(MenuStyleForm, SystemColorsHideTheSwatchesButKeepTheTexts) {
    StyleWindows w;
    EXPECT_FALSE(w.menu.txtclr(1).enabled());
    EXPECT_FALSE(w.menu.txtclr(1).swatchOpaque());
    w.menu.SetSystemColors(0);
    w.menu.SetColorText(0, "#FF8000");
    EXPECT_TRUE(w.menu.txtclr(0).enabled());
    EXPECT_TRUE(w.menu.txtclr(0).swatchOpaque());

    w.menu.SetSystemColors(1);
    EXPECT_FALSE(w.menu.txtclr(0).enabled());
    EXPECT_FALSE(w.menu.txtclr(0).swatchOpaque());
    EXPECT_EQ("#FF8000", w.menu.txtclr(0).text());

    w.menu.SetSystemColors(0);
    EXPECT_TRUE(w.menu.txtclr(0).swatchOpaque());
    EXPECT_EQ(0x0080FF, w.menu.txtclr(0).swatchColor());
}

TEST(MenuStyleForm, WidthFromFontEmptiesTheWidth) {
    StyleWindows w;
    w.menu.SetConstrainWidth(0);
    EXPECT_TRUE(w.menu.txtMW().enabled);
    w.menu.SetWidthText("12345");
    EXPECT_EQ("1234", w.menu.txtMW().text);

    w.menu.SetConstrainWidth(1);
    EXPECT_FALSE(w.menu.txtMW().enabled);
    EXPECT_EQ("", w.menu.txtMW().text);
    w.menu.SetConstrainWidth(0);
    EXPECT_TRUE(w.menu.txtMW().enabled);
    EXPECT_EQ("", w.menu.txtMW().text);
}

TEST(MenuStyleForm, SliderShowsItsPositionAndStaysInRange) {
    StyleWindows w;
    w.menu.ScrollFontWeight(730);
    EXPECT_EQ("730", w.menu.Label16());
    EXPECT_EQ(500, w.menu.Slider1());
    w.menu.SetFontWeight(2000);
    EXPECT_EQ(900, w.menu.Slider1());
    EXPECT_EQ("900", w.menu.Label16());
    w.menu.SetFontWeight(0);
    EXPECT_EQ("100", w.menu.Label16());
}

TEST(MenuStyleForm, OnlyAColorPickMarksTheProject) {
    StyleWindows w;
    w.menu.SetSystemColors(0);
    w.colorDialog.answers = {0x0000FF};
    w.menu.PickColor(1);
    EXPECT_EQ("#FF0000", w.menu.txtclr(1).text());
    EXPECT_FALSE(w.project.DirtyFlag) << "never saved or loaded";

    w.Saved();
    w.menu.SetColorText(0, "#123456");
    w.menu.SelectFontIndex(0);
    w.menu.SetFontSizeText("20");
    w.menu.SetFontWeight(700);
    w.menu.SetConstrainWidth(0);
    EXPECT_FALSE(w.project.DirtyFlag);
    w.colorDialog.answers = {0x00FF00};
    w.menu.PickColor(0);
    EXPECT_TRUE(w.project.DirtyFlag);
}

TEST(MenuStyleForm, RestoreDefaultsAnsweredNoChangesNothing) {
    StyleWindows w;
    w.menu.SetSystemColors(0);
    w.menu.SetUnderline(1);
    w.notices.Expect(NoticeKind::RestoreDefaults, NoticeAction::No, false);
    w.menu.RestoreDefaults();
    EXPECT_EQ(0, w.menu.chkmnusysclr().value);
    EXPECT_EQ(1, w.menu.chkmnufntU().value);
    EXPECT_EQ("frmAdvMnuOp", w.notices.owners.back());

    // The unticked box turned the warning off: the next restore goes ahead at once.
    w.menu.RestoreDefaults();
    EXPECT_EQ(1, w.menu.chkmnusysclr().value);
    EXPECT_EQ(0, w.menu.chkmnufntU().value);
}

} // namespace
} // namespace pickwell
