#include "style/ButtonStyleForm.h"

#include "StyleWindows.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

constexpr int KeyF = 'F';
constexpr int Key7 = '7';

// System colours and "No Border" off, so that every border row can be edited.
void OpenBorders(ButtonStyleForm& button) {
    button.SetSystemColors(0);
    button.SetNoBorder(0);
}

TEST(ButtonStyleForm, SystemColorsTickNoBorderAndDisableEveryRow) {
    StyleWindows w;
    OpenBorders(w.button);
    w.button.SetSyncTopLeft(0);
    w.button.SetSyncRightBottom(0);
    w.button.SetThicknessText("3");
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(w.button.txtclr(i).enabled()) << i;
    }

    w.button.SetSystemColors(1);
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(w.button.txtclr(i).enabled()) << i;
        EXPECT_FALSE(w.button.txtclr(i).swatchOpaque()) << i;
    }
    EXPECT_EQ(1, w.button.nbchk().value);
    EXPECT_FALSE(w.button.nbchk().enabled);
    EXPECT_EQ("", w.button.txtBT().text);

    w.button.SetSystemColors(0);
    EXPECT_EQ(1, w.button.nbchk().value);
    EXPECT_TRUE(w.button.nbchk().enabled);
    EXPECT_TRUE(w.button.txtclr(0).enabled());
    EXPECT_FALSE(w.button.txtclr(3).enabled()) << "the border rows wait for No Border";
    EXPECT_FALSE(w.button.txtBT().enabled);
    EXPECT_EQ("", w.button.txtBT().text);

    w.button.SetNoBorder(0);
    EXPECT_TRUE(w.button.txtclr(3).enabled());
    EXPECT_TRUE(w.button.txtclr(5).enabled());
    EXPECT_TRUE(w.button.txtBT().enabled);
    EXPECT_EQ("", w.button.txtBT().text);
}

TEST(ButtonStyleForm, TopLeftSyncCopiesEveryIntermediateText) {
    StyleWindows w;
    OpenBorders(w.button);
    for (const std::string typed : {"#", "#F", "#FF80", "#FF8000"}) {
        w.button.SetColorText(2, typed);
        EXPECT_EQ(typed, w.button.txtclr(3).text());
        EXPECT_EQ(typed.size() == 7, w.button.txtclr(3).swatchOpaque()) << typed;
    }
    EXPECT_EQ(0x0080FF, w.button.txtclr(3).swatchColor());
    EXPECT_FALSE(w.button.txtclr(3).enabled());

    w.button.SetColorText(4, "#00FF00");
    EXPECT_EQ("#00FF00", w.button.txtclr(5).text());
    w.button.SetSyncRightBottom(0);
    w.button.SetColorText(4, "#0000FF");
    EXPECT_EQ("#00FF00", w.button.txtclr(5).text());
    EXPECT_TRUE(w.button.txtclr(5).enabled());
}

TEST(ButtonStyleForm, BorderSwatchesStayClearWhileNoBorderIsTicked) {
    StyleWindows w;
    w.button.SetSystemColors(0);
    for (int i = 2; i < 6; ++i) {
        EXPECT_FALSE(w.button.txtclr(i).swatchOpaque()) << i;
    }
    w.button.SetNoBorder(0);
    EXPECT_TRUE(w.button.txtclr(3).swatchOpaque());
}

TEST(ButtonStyleForm, SizeFromFontEmptiesWidthAndHeight) {
    StyleWindows w;
    w.button.SetConstrainSize(0);
    w.button.SetWidthText("80");
    w.button.SetHeightText("24");
    EXPECT_TRUE(w.button.txtBH().enabled);
    w.button.SetConstrainSize(1);
    EXPECT_EQ("", w.button.txtBW().text);
    EXPECT_EQ("", w.button.txtBH().text);
    EXPECT_FALSE(w.button.txtBW().enabled);
}

TEST(ButtonStyleForm, ThicknessKeysWhileSystemColorsAreOn) {
    StyleWindows w;
    w.notices.Expect(NoticeKind::Border, NoticeAction::Ok, false);
    EXPECT_EQ(0, w.button.KeyPressThickness(Key7));
    EXPECT_EQ("FrmAdvBttnOp", w.notices.owners.back());
    EXPECT_EQ(0, w.button.KeyPressThickness(Key7)) << "dropped, now without the notice";

    w.button.SetSystemColors(0);
    EXPECT_EQ(Key7, w.button.KeyPressThickness(Key7));
    EXPECT_EQ(0, w.button.KeyPressThickness(KeyF));
}

TEST(ButtonStyleForm, EditsMarkASavedProjectByTheirOwnRules) {
    StyleWindows w;
    w.Saved();
    w.button.SelectFontSize(2);
    w.button.SelectFontIndex(0);
    w.button.ScrollFontWeight(700);
    w.button.SetUnderline(1);
    w.button.SetConstrainSize(0);
    EXPECT_FALSE(w.project.DirtyFlag);

    for (auto edit : std::initializer_list<void (*)(ButtonStyleForm&)>{
             [](ButtonStyleForm& b) { b.SetFontSizeText("20"); },
             [](ButtonStyleForm& b) { b.SetFontWeight(700); },
             [](ButtonStyleForm& b) { b.SetWidthText("9"); },
             [](ButtonStyleForm& b) { b.SetColorText(0, "#"); },
             [](ButtonStyleForm& b) { b.SetSyncTopLeft(0); },
         }) {
        w.project.DirtyFlag = false;
        edit(w.button);
        EXPECT_TRUE(w.project.DirtyFlag);
    }
}

TEST(ButtonStyleForm, RestoreDefaultsLeavesThicknessTwoBehindNoBorder) {
    StyleWindows w;
    OpenBorders(w.button);
    w.button.SetSyncTopLeft(0);
    w.button.SetColorText(3, "#123456");
    w.button.SetConstrainSize(0);
    w.button.SetWidthText("80");
    w.button.SetFontWeight(900);
    w.notices.Expect(NoticeKind::RestoreDefaults, NoticeAction::Yes);
    w.button.RestoreDefaults();

    EXPECT_EQ("2", w.button.txtBT().text);
    EXPECT_EQ(1, w.button.nbchk().value);
    EXPECT_FALSE(w.button.txtBT().enabled);
    w.button.Ok();
    ButtonStyle defaults;
    defaults.borderThickness = "2";
    EXPECT_EQ(defaults, w.project.buttonStyle);
}

} // namespace
} // namespace pickwell
