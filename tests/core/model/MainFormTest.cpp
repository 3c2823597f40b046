#include "model/MainForm.h"

#include "ScriptedColorDialog.h"
#include "ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <functional>

namespace pickwell {
namespace {

class MainFormTest : public testing::Test {
protected:
    struct Entry {
        std::string text;
        std::string link = "";
        bool heading = false;
        bool notLinked = false;
    };

    void Fill(const Entry& entry) {
        form.SetItemText(entry.text);
        form.SetLinkText(entry.link);
        form.SetGroupHeading(entry.heading ? 1 : 0);
        form.SetNotLinked(entry.notLinked ? 1 : 0);
    }

    // Adds with "Default selected" unticked, so that no question comes.
    void Add(const Entry& entry) {
        Fill(entry);
        form.SetDefaultSelected(0);
        form.AddItem();
    }

    std::vector<std::string> RowTexts() const {
        std::vector<std::string> texts;
        for (const MenuItem& item : project.items) {
            texts.push_back(item.text);
        }
        return texts;
    }

    const MenuItem& Row(int row) const { return project.items.at(row - 1); }

    MenuProject project;
    ScriptedPrompt prompt;
    ScriptedColorDialog dialog;
    ColorFieldContext context{prompt, dialog, {}, false};
    MainForm form{project, context};
};

using Texts = std::vector<std::string>;

TEST_F(MainFormTest, StartsWithDefaultColorsAndNothingToDo) {
    for (int i : {0, 1}) {
        EXPECT_FALSE(form.txtclr(i).enabled());
        EXPECT_FALSE(form.colorTrioEnabled(i));
        EXPECT_EQ(WindowBackground, form.txtclr(i).swatchColor());
    }
    EXPECT_EQ("#FFFFFF", form.txtclr(0).text());
    EXPECT_EQ("#000000", form.txtclr(1).text());
    EXPECT_EQ(1, form.chksel().value);
    EXPECT_EQ(1, form.chkdefitmclr().value);
    EXPECT_EQ(CommandStates{}, form.commandStates());
    EXPECT_EQ(OptionStates{}, form.optionStates());
    EXPECT_EQ("Pickwell", form.windowTitle());
    EXPECT_EQ(0, form.currentRow());

    // Unticking "Default Color" brings back the swatches' own colours.
    form.SetDefaultColor(0);
    EXPECT_TRUE(form.txtclr(0).enabled());
    EXPECT_TRUE(form.colorTrioEnabled(1));
    EXPECT_EQ("#FFFFFF", form.txtclr(0).text());
    EXPECT_EQ(0xFFFFFF, form.txtclr(0).swatchColor());
    EXPECT_EQ("#000000", form.txtclr(1).text());
    EXPECT_EQ(0x000000, form.txtclr(1).swatchColor());
}

TEST_F(MainFormTest, FirstItemIsSelectedWithoutAQuestionAndTheEditorResets) {
    Fill({"Home", "index.html"});
    form.AddItem();

    EXPECT_EQ((MenuItem{"Home", "Yes", "index.html", "Yes", "Default", "Default", "No"}), Row(1));
    EXPECT_EQ(0, form.chksel().value);
    EXPECT_TRUE(project.DirtyFlag);
    EXPECT_EQ(1, form.currentRow());
    EXPECT_EQ("", form.itemtexttext().text);
    EXPECT_EQ("", form.linktext().text);
    EXPECT_EQ("itemtexttext", form.focus().control);
}

TEST_F(MainFormTest, SecondSelectedItemAsksWhichKeepsTheMark) {
    Fill({"   Home", "index.html"});
    form.AddItem();

    Fill({"News", "news.html"});
    form.SetDefaultSelected(1);
    prompt.Expect("Selected Item", Button::No);
    form.AddItem();
    const Message& question = prompt.last();
    EXPECT_EQ("You have already designated \"   Home\" as the selected item in the menu. Do you "
              "wish to change it to this one?",
              question.text);
    EXPECT_EQ(MessageIcon::Information, question.icon);
    EXPECT_EQ(MessageButtons::YesNo, question.buttons);
    EXPECT_EQ(Button::No, question.defaultButton);
    EXPECT_EQ("Yes", Row(1).selected);
    EXPECT_EQ("No", Row(2).selected);

    Fill({"About", "about.html"});
    form.SetDefaultSelected(1);
    prompt.Expect("Selected Item", Button::Yes);
    form.AddItem();
    EXPECT_EQ("No", Row(1).selected);
    EXPECT_EQ("Yes", Row(3).selected);
}

TEST_F(MainFormTest, UpdatingTheMarkedRowKeepsOrDropsTheMarkWithoutAsking) {
    Fill({"Home", "index.html"});
    form.AddItem();
    Add({"News", "news.html"});
    form.SetCurrentRow(1);

    Fill({"Start", "start.html"});
    form.SetDefaultSelected(1);
    form.UpdateItem();
    EXPECT_EQ((Texts{"Start", "News"}), RowTexts());
    EXPECT_EQ("Yes", Row(1).selected);
    EXPECT_EQ(1, form.currentRow());

    form.EditItem();
    EXPECT_EQ(1, form.chksel().value);
    form.SetDefaultSelected(0);
    form.UpdateItem();
    EXPECT_EQ("No", Row(1).selected);
    EXPECT_FALSE(project.selectedItem());
}

TEST_F(MainFormTest, HeadingsIndentTheItemsAddedBelowThem) {
    Add({"Top", "top.html"});
    Add({"Products", "", true});
    Add({"Tools", "tools.html"});
    Add({"Services", "", true});

    EXPECT_EQ((Texts{"Top", "Products", "   Tools", "Services"}), RowTexts());
    EXPECT_EQ((MenuItem{"Products", "No", "", "No", "Default", "Default", "Yes"}), Row(2));
    EXPECT_TRUE(form.IsRowBold(2));
    EXPECT_FALSE(form.IsRowBold(3));

    // Updating looks only above the replaced row.
    form.SetCurrentRow(1);
    Fill({"Top again", "top.html"});
    form.UpdateItem();
    EXPECT_EQ("Top again", Row(1).text);

    form.SetCurrentRow(2);
    form.EditItem();
    EXPECT_EQ(1, form.grheadchk().value);
    EXPECT_FALSE(form.chksel().enabled);
    EXPECT_FALSE(form.notlinkchk().enabled);
    EXPECT_FALSE(form.linktext().enabled);
    EXPECT_FALSE(form.linklblEnabled());
    form.UpdateItem();
    EXPECT_EQ((MenuItem{"Products", "No", "", "No", "Default", "Default", "Yes"}), Row(2));
}

TEST_F(MainFormTest, MovingReindentsOnlyTheMovedRow) {
    Add({"Products", "", true});
    Add({"Tools", "tools.html"});
    Add({"Parts", "parts.html"});

    form.SetCurrentRow(2);
    form.MoveUp();
    EXPECT_EQ((Texts{"Tools", "Products", "   Parts"}), RowTexts());
    EXPECT_EQ(1, form.currentRow());
    EXPECT_EQ("lv", form.focus().control);

    form.MoveDown();
    EXPECT_EQ((Texts{"Products", "   Tools", "   Parts"}), RowTexts());
    EXPECT_EQ(2, form.currentRow());

    // A heading moved down leaves the rows it passes as they were.
    form.SetCurrentRow(1);
    form.MoveDown();
    EXPECT_EQ((Texts{"   Tools", "Products", "   Parts"}), RowTexts());
    EXPECT_TRUE(form.IsRowBold(2));
    EXPECT_EQ(2, form.currentRow());

    project.DirtyFlag = false;
    form.MoveUp();
    EXPECT_TRUE(project.DirtyFlag);
}

TEST_F(MainFormTest, MoveCommandsDoNothingAtTheEnds) {
    Add({"One", "1.html"});
    Add({"Two", "2.html"});
    form.SetCurrentRow(1);
    form.MoveUp();
    form.SetCurrentRow(2);
    form.MoveDown();
    EXPECT_EQ((Texts{"One", "Two"}), RowTexts());
}

TEST_F(MainFormTest, EditLoadsTheRowWithoutChangingIt) {
    form.SetDefaultColor(0);
    form.SetColorText(0, "#FF8000");
    form.SetColorText(1, "#102030");
    Add({"   Spaced", "x.html", false, true});
    EXPECT_EQ((MenuItem{"   Spaced", "No", "", "No", "#FF8000", "#102030", "No"}), Row(1));
    EXPECT_EQ(1, form.chkdefitmclr().value);

    project.DirtyFlag = false;
    form.EditItem();
    EXPECT_EQ("Spaced", form.itemtexttext().text);
    EXPECT_EQ(1, form.notlinkchk().value);
    EXPECT_FALSE(form.linktext().enabled);
    EXPECT_EQ(0, form.chkdefitmclr().value);
    EXPECT_EQ("#FF8000", form.txtclr(0).text());
    EXPECT_EQ(0x0080FF, form.txtclr(0).swatchColor());
    EXPECT_EQ("#102030", form.txtclr(1).text());
    EXPECT_TRUE(form.txtclr(1).enabled());
    EXPECT_EQ("itemtexttext", form.focus().control);
    EXPECT_FALSE(project.DirtyFlag);
    EXPECT_EQ("   Spaced", Row(1).text);

    // A row with default colours ticks the box again.
    form.SetDefaultColor(1);
    Add({"Plain", "p.html"});
    form.EditItem();
    EXPECT_EQ(1, form.chkdefitmclr().value);
    EXPECT_FALSE(form.txtclr(0).enabled());
}

TEST_F(MainFormTest, NotLinkedStoresNoLinkEvenWithTextInTheField) {
    Fill({"Label", "kept.html"});
    form.SetNotLinked(1);
    EXPECT_EQ("kept.html", form.linktext().text);
    EXPECT_FALSE(form.linktext().enabled);
    form.SetDefaultSelected(0);
    form.AddItem();
    EXPECT_EQ("No", Row(1).linked);
    EXPECT_EQ("", Row(1).url);
}

TEST_F(MainFormTest, DeleteAsksAndKeepsACurrentRow) {
    Add({"One", "1.html"});
    Add({"Two", "2.html"});
    Add({"Three", "3.html"});
    project.DirtyFlag = false;

    form.SetCurrentRow(2);
    prompt.Expect("Confirm Delete", Button::No);
    form.DeleteItem();
    EXPECT_EQ("Delete selected item?", prompt.last().text);
    EXPECT_EQ(MessageIcon::Question, prompt.last().icon);
    EXPECT_EQ(MessageButtons::YesNo, prompt.last().buttons);
    EXPECT_EQ(3, form.rowCount());
    EXPECT_FALSE(project.DirtyFlag);

    prompt.Expect("Confirm Delete", Button::Yes);
    form.DeleteItem();
    EXPECT_EQ((Texts{"One", "Three"}), RowTexts());
    EXPECT_EQ(2, form.currentRow());
    EXPECT_TRUE(project.DirtyFlag);

    prompt.Expect("Confirm Delete", Button::Yes);
    form.DeleteItem();
    EXPECT_EQ(1, form.currentRow());
    prompt.Expect("Confirm Delete", Button::Yes);
    form.DeleteItem();
    EXPECT_EQ(0, form.currentRow());
}

TEST_F(MainFormTest, ListToolbarDispatchesByKey) {
    form.ToolbarButtonClick("delete"); // empty list: no question
    Add({"One", "1.html"});
    Add({"Two", "2.html"});

    form.ToolbarButtonClick("movup");
    EXPECT_EQ((Texts{"Two", "One"}), RowTexts());
    form.ToolbarButtonClick("movdn");
    EXPECT_EQ((Texts{"One", "Two"}), RowTexts());
    form.ToolbarButtonClick("edit");
    EXPECT_EQ("Two", form.itemtexttext().text);
    form.ToolbarButtonClick("saveproj");
    prompt.Expect("Confirm Delete", Button::Yes);
    form.ToolbarButtonClick("delete");
    EXPECT_EQ((Texts{"One"}), RowTexts());
}

TEST_F(MainFormTest, DoubleClickEditsOnlyOverARow) {
    Add({"One", "1.html"});
    form.RowReleasedAfterDoubleClick(0);
    EXPECT_EQ("", form.itemtexttext().text);
    form.RowReleasedAfterDoubleClick(1);
    EXPECT_EQ("One", form.itemtexttext().text);
}

TEST_F(MainFormTest, LinkFieldTakesOnlyPlainTextDrops) {
    form.SetLinkText("old");
    EXPECT_FALSE(form.DropOnLinkText(false, "file.bin"));
    EXPECT_EQ("old", form.linktext().text);
    EXPECT_TRUE(form.DropOnLinkText(true, "http://example.org/"));
    EXPECT_EQ("http://example.org/", form.linktext().text);

    form.SetGroupHeading(1);
    EXPECT_FALSE(form.DropOnLinkText(true, "late.html"));
    EXPECT_EQ("", form.linktext().text);
}

TEST_F(MainFormTest, AddAndUpdateNeedTextAndALinkOrAReason) {
    form.SetItemText("Home");
    EXPECT_FALSE(form.commandStates().add);
    form.SetLinkText("index.html");
    EXPECT_TRUE(form.commandStates().add);
    EXPECT_FALSE(form.commandStates().update);
    EXPECT_FALSE(form.commandStates().edit);
    EXPECT_FALSE(form.commandStates().moveDown);

    form.SetLinkText("");
    form.SetGroupHeading(1);
    EXPECT_TRUE(form.commandStates().add);
    form.SetGroupHeading(0);
    form.SetNotLinked(1);
    EXPECT_TRUE(form.commandStates().add);
    form.SetItemText("");
    EXPECT_FALSE(form.commandStates().add);

    Add({"Home", "index.html"});
    Fill({"News", "news.html"});
    EXPECT_TRUE(form.commandStates().update);
}

TEST_F(MainFormTest, ListCommandsFollowTheRowsAndTheCurrentRow) {
    Add({"One", "1.html"});
    CommandStates one = form.commandStates();
    EXPECT_TRUE(one.edit && one.remove && one.saveProject && one.copyCode && one.saveCode &&
                one.preview);
    EXPECT_FALSE(one.moveUp || one.moveDown);

    Add({"Two", "2.html"});
    form.SetCurrentRow(1);
    EXPECT_FALSE(form.commandStates().moveUp);
    EXPECT_TRUE(form.commandStates().moveDown);
    form.SetCurrentRow(2);
    EXPECT_TRUE(form.commandStates().moveUp);
    EXPECT_FALSE(form.commandStates().moveDown);

    form.RemoveAllItems();
    EXPECT_EQ(CommandStates{}, form.commandStates());
}

TEST_F(MainFormTest, NavigationOnItemChangeLocksTheButtonOptions) {
    form.SetButtonType(1);
    OptionStates graphic = form.optionStates();
    EXPECT_TRUE(graphic.buttngrurl && graphic.lblw && graphic.txth && graphic.lblalt);
    EXPECT_FALSE(graphic.buttontxttxt || graphic.cmdBttnAdv);

    form.SetNavigateMode(1);
    const OptionStates locked = form.optionStates();
    EXPECT_FALSE(locked.cmbbttnaln || locked.lblbttnaln || locked.buttonpropopt ||
                 locked.buttontxttxt || locked.cmdBttnAdv || locked.buttngrurl || locked.txtalt);
    EXPECT_FALSE(locked.buttonPropertiesPage);

    form.SetNavigateMode(0);
    EXPECT_EQ(graphic, form.optionStates());
    form.SetButtonType(0);
    EXPECT_EQ(OptionStates{}, form.optionStates());
}

TEST_F(MainFormTest, OnlyADifferentFrameTakesAFrameName) {
    form.SetTarget(TargetDifferentFrame);
    EXPECT_TRUE(form.optionStates().txtfrm && form.optionStates().lblfrm);
    form.SetFrameName("right");

    form.SetTarget(1);
    EXPECT_EQ("", project.menuOptions.frameName);
    EXPECT_FALSE(form.optionStates().txtfrm || form.optionStates().lblfrm);
}

TEST_F(MainFormTest, OnlyStandardsCodeTakesAListLabel) {
    EXPECT_FALSE(form.optionStates().txtlistlbl || form.optionStates().lbllistlbl);
    form.SetStandardsCode(1);
    EXPECT_TRUE(form.optionStates().txtlistlbl && form.optionStates().lbllistlbl);
    form.SetStandardsCode(0);
    EXPECT_FALSE(form.optionStates().txtlistlbl);
}

TEST_F(MainFormTest, SiteOptionsNeedTheStandardsCodeAndTheWidthNeedsTheLinks) {
    const OptionStates& states = form.optionStates();
    EXPECT_FALSE(states.chkcurpage || states.chkwidelinks || states.txtwidewdth);
    form.SetStandardsCode(1);
    EXPECT_TRUE(states.chkcurpage && states.chkwidelinks);
    EXPECT_FALSE(states.txtwidewdth || states.lblwidewdth);
    form.SetWideScreenLinks(1);
    EXPECT_TRUE(states.txtwidewdth && states.lblwidewdth);
    form.SetStandardsCode(0);
    EXPECT_FALSE(states.chkcurpage || states.chkwidelinks || states.txtwidewdth);
}

TEST_F(MainFormTest, OptionEditsMarkANeverSavedProjectOnlyForTheMenuName) {
    form.SetNavigateMode(1);
    form.SetNavigateMode(0);
    form.SetTarget(2);
    form.SetFrameName("f");
    form.SetButtonType(1);
    form.SetGraphicUrl("go.png");
    form.SetGraphicWidth("20");
    form.SetGraphicHeight("10");
    form.SetAltText("Go");
    form.SetButtonText("Off");
    form.SetAlignToButton(0);
    form.SetStandardsCode(1);
    form.SetListLabel("Pages");
    EXPECT_FALSE(project.DirtyFlag);

    form.SetMenuName("Nav");
    EXPECT_TRUE(project.DirtyFlag);
}

TEST_F(MainFormTest, OptionEditsMarkASavedProjectExceptButtonTextAndAlignment) {
    project.HasProjectFile = true;
    form.SetButtonText("Off");
    form.SetAlignToButton(2);
    EXPECT_FALSE(project.DirtyFlag);

    const std::vector<std::function<void()>> edits{
        [&] { form.SetNavigateMode(1); },    [&] { form.SetTarget(1); },
        [&] { form.SetFrameName("f"); },     [&] { form.SetButtonType(1); },
        [&] { form.SetGraphicUrl("u"); },    [&] { form.SetGraphicWidth("1"); },
        [&] { form.SetGraphicHeight("2"); }, [&] { form.SetAltText("a"); },
        [&] { form.SetStandardsCode(1); },   [&] { form.SetListLabel("Pages"); },
    };
    for (std::size_t i = 0; i < edits.size(); ++i) {
        project.DirtyFlag = false;
        edits[i]();
        EXPECT_TRUE(project.DirtyFlag) << "edit " << i;
    }
}

TEST_F(MainFormTest, LoadedItemsAreIndentedOnceAndTheListHasACurrentRow) {
    form.AppendLoadedItems({{"Group", "No", "", "No", "Default", "Default", "Yes"}});
    form.AppendLoadedItems({{"Child", "Yes", "c.html", "Yes", "#FFFFFF", "#000000", "No"}});
    EXPECT_EQ((Texts{"Group", "   Child"}), RowTexts());
    EXPECT_EQ(1, form.currentRow());
    EXPECT_TRUE(form.commandStates().moveDown);
    EXPECT_FALSE(project.DirtyFlag);

    form.RemoveAllItems();
    EXPECT_EQ(0, form.rowCount());
}

TEST_F(MainFormTest, ColorFieldsAskForTheFocusByTheirNames) {
    form.SetDefaultColor(0);
    form.SetColorText(1, "#12");
    prompt.Expect("Oops!");
    form.ColorLostFocus(1);
    EXPECT_EQ((FocusRequest{"txtclr1", 1, 6}), form.focus());
}

TEST_F(MainFormTest, TheViewHearsOnceAfterEachHandlerAndBeforeAQuestion) {
    int notices = 0;
    form.SetChangedCallback([&] { ++notices; });
    Fill({"One", "1.html"});
    notices = 0;
    form.AddItem();
    EXPECT_EQ(1, notices);

    Fill({"Two", "2.html"});
    form.SetDefaultSelected(1);
    notices = 0;
    prompt.Expect("Selected Item", Button::No);
    form.AddItem();
    EXPECT_EQ(2, notices);
}

} // namespace
} // namespace pickwell
