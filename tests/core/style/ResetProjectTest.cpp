#include "style/ResetProject.h"

#include "StyleWindows.h"
#include "model/MainForm.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

struct Reset : testing::Test {
    StyleWindows w;
    MainForm main{w.project, w.colors};
};

TEST_F(Reset, GivesANewProjectWithTheRestoredStyles) {
    main.SetItemText("Home");
    main.SetLinkText("index.html");
    main.AddItem();
    main.SetTarget(2);
    main.SetFrameName("right");
    main.SetStandardsCode(1);
    main.SetListLabel("Pages");
    main.SetButtonType(1);
    main.SetGraphicUrl("go.gif");
    main.SetAlignToButton(0);
    main.SetNavigateMode(1);
    main.SetWindowTitle("Pickwell - old.pkw");
    w.menu.SetUnderline(1);
    w.menu.Ok();
    w.button.SetSystemColors(0);
    w.button.Ok();
    w.project.HasProjectFile = true;
    w.project.ProjectPath = "C:\\menus\\old.pkw";

    // The restore warning is on, yet a reset asks nothing: the notice double would fail.
    ResetProject(main, w.menu, w.button);

    const MenuProject& p = w.project;
    EXPECT_TRUE(p.items.empty());
    EXPECT_EQ("", p.menuOptions.menuName);
    EXPECT_EQ("", p.menuOptions.frameName);
    EXPECT_EQ(1, p.menuOptions.standardsCode);
    EXPECT_EQ("", p.menuOptions.listLabel);
    EXPECT_EQ(1, p.menuOptions.alignToButton);
    EXPECT_EQ(0, p.menuOptions.target);
    EXPECT_EQ(0, p.menuOptions.navigateMode);
    EXPECT_EQ((ButtonOptions{0, "Go", "", "", "", ""}), p.buttonOptions);
    EXPECT_EQ(MenuStyle{}, p.menuStyle);
    ButtonStyle restored;
    restored.borderThickness = "2";
    EXPECT_EQ(restored, p.buttonStyle);

    EXPECT_FALSE(p.DirtyFlag);
    EXPECT_FALSE(p.SilentRestore);
    EXPECT_TRUE(p.HasProjectFile);
    EXPECT_EQ("C:\\menus\\old.pkw", p.ProjectPath);
    EXPECT_EQ("Pickwell", main.windowTitle());
    EXPECT_EQ("itemtexttext", main.focus().control);
    EXPECT_EQ("", main.itemtexttext().text);
    EXPECT_TRUE(main.optionStates().cmdBttnAdv);
    EXPECT_FALSE(main.optionStates().buttngrurl);
}

} // namespace
} // namespace pickwell
