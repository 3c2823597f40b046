#include "style/StyleTransfer.h"

#include "StyleWindows.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

// Every control's value and enabled state, and whether each swatch shows its colour.
std::string State(const CheckControl& c) {
    return std::to_string(c.value) + (c.enabled ? " " : "-");
}
std::string State(const TextControl& c) {
    return c.text + (c.enabled ? " " : "-");
}
std::string State(const ColorField& f) {
    return f.text() + (f.enabled() ? " " : "-") + (f.swatchOpaque() ? "# " : " ");
}

template <typename Form> std::string FontState(const Form& f) {
    return f.combofont().text + "/" + f.combofontsize().text + "/" + f.Label16() + " ";
}

std::string Snapshot(const MenuStyleForm& m) {
    return State(m.txtclr(0)) + State(m.txtclr(1)) + State(m.chkmnusysclr()) + FontState(m) +
           State(m.chkmnufntU()) + State(m.chkmnufntI()) + State(m.chkconstmnuwdth()) +
           State(m.txtMW());
}

std::string Snapshot(const ButtonStyleForm& b) {
    std::string out;
    for (int i = 0; i < 6; ++i) {
        out += State(b.txtclr(i));
    }
    return out + State(b.chksysbttnclr()) + State(b.Check1()) + State(b.Check2()) +
           State(b.nbchk()) + State(b.txtBT()) + State(b.chkconstbttnsz()) + State(b.txtBW()) +
           State(b.txtBH()) + FontState(b) + State(b.chkbttnfntUL()) + State(b.chkbttnfntIT());
}

void ChangeEverything(MenuStyleForm& m) {
    m.SetSystemColors(0);
    m.SetColorText(0, "#111111");
    m.SetColorText(1, "#222222");
    m.SelectFontIndex(0);
    m.SetFontSizeText("21");
    m.SetFontWeight(800);
    m.SetUnderline(1);
    m.SetItalic(1);
    m.SetConstrainWidth(0);
    m.SetWidthText("250");
}

void ChangeEverything(ButtonStyleForm& b) {
    b.SetSystemColors(0);
    b.SetNoBorder(0);
    b.SetSyncTopLeft(0);
    b.SetSyncRightBottom(0);
    for (int i = 0; i < 6; ++i) {
        b.SetColorText(i, "#1" + std::to_string(i) + "1" + std::to_string(i) + "11");
    }
    b.SetThicknessText("4");
    b.SelectFontIndex(3);
    b.SetFontSizeText("9");
    b.SetFontWeight(300);
    b.SetUnderline(1);
    b.SetItalic(1);
    b.SetConstrainSize(0);
    b.SetWidthText("90");
    b.SetHeightText("30");
}

TEST(StyleTransfer, CancelPutsBackTheCommittedMenuStyle) {
    StyleWindows w;
    const MenuStyle committed = w.project.menuStyle;
    const std::string before = Snapshot(w.menu);
    w.menu.Show();
    ChangeEverything(w.menu);
    w.menu.Cancel();
    EXPECT_FALSE(w.menu.visible());
    EXPECT_EQ(committed, w.project.menuStyle);
    EXPECT_EQ(before, Snapshot(w.menu));
}

TEST(StyleTransfer, CancelAndCloseBoxPutBackTheCommittedButtonStyle) {
    StyleWindows w;
    const std::string before = Snapshot(w.button);
    ChangeEverything(w.button);
    w.button.Cancel();
    EXPECT_EQ(before, Snapshot(w.button));

    ChangeEverything(w.button);
    w.button.Ok();
    const ButtonStyle committed = w.project.buttonStyle;
    EXPECT_EQ("#131311", committed.borderColors[BorderLeft]);
    const std::string changed = Snapshot(w.button);
    w.button.SetSystemColors(1);
    w.button.CloseBox();
    EXPECT_EQ(changed, Snapshot(w.button));
    EXPECT_EQ(committed, w.project.buttonStyle);
}

TEST(StyleTransfer, CancelEmptiesACommittedThicknessBehindNoBorder) {
    StyleWindows w;
    w.project.SilentRestore = true;
    w.button.RestoreDefaults();
    w.button.Ok();
    ASSERT_EQ("2", w.project.buttonStyle.borderThickness);
    w.button.Cancel();
    EXPECT_EQ("", w.button.txtBT().text);
    EXPECT_EQ("2", w.project.buttonStyle.borderThickness);
}

TEST(StyleTransfer, RevertOfASavedProjectMarksItChanged) {
    StyleWindows w;
    w.Saved();
    w.button.Cancel();
    EXPECT_TRUE(w.project.DirtyFlag);
    w.project.DirtyFlag = false;
    w.menu.Cancel();
    EXPECT_FALSE(w.project.DirtyFlag);
}

TEST(StyleTransfer, OtherKindsDoNothing) {
    StyleWindows w;
    ChangeEverything(w.menu);
    ChangeEverything(w.button);
    const MenuProject before = w.project;
    for (const char* kind : {"MNU", "Bttn", "", "mnu "}) {
        CommitStyleWindow(kind, w.menu, w.button);
    }
    EXPECT_EQ(before.menuStyle, w.project.menuStyle);
    EXPECT_EQ(before.buttonStyle, w.project.buttonStyle);
    RevertStyleWindow("button", w.menu, w.button);
    EXPECT_EQ("90", w.button.txtBW().text);
}

} // namespace
} // namespace pickwell
