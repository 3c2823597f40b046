#include "model/MainForm.h"

#include "ScriptedColorDialog.h"
#include "ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>

namespace pickwell {
namespace {

using Rows = std::vector<int>;
using Texts = std::vector<std::string>;

// A main form holding Top, Products (heading), Tools, Parts, Services (heading), Tapes.
struct Board {
    Board() {
        Add("Top", false);
        Add("Products", true);
        Add("Tools", false);
        Add("Parts", false);
        Add("Services", true);
        Add("Tapes", false);
    }
    void Add(const std::string& text, bool heading) {
        form.SetItemText(text);
        form.SetGroupHeading(heading ? 1 : 0);
        form.SetNotLinked(1);
        form.SetDefaultSelected(0);
        form.AddItem();
    }
    Texts RowTexts() const {
        Texts texts;
        for (const MenuItem& item : project.items) {
            texts.push_back(item.text);
        }
        return texts;
    }

    MenuProject project;
    ScriptedPrompt prompt;
    ScriptedColorDialog dialog;
    ColorFieldContext context{prompt, dialog, {}, false};
    MainForm form{project, context};
};

TEST(MainFormRowsTest, SeveralRowsMoveAsABlockAndStopAtTheEnds) {
    Board board;
    MainForm& form = board.form;
    form.SelectRows(4, {4, 3});
    EXPECT_EQ((Rows{3, 4}), form.selectedRows());

    form.MoveUp();
    EXPECT_EQ((Texts{"Top", "Tools", "Parts", "Products", "Services", "   Tapes"}),
              board.RowTexts());
    EXPECT_EQ((Rows{2, 3}), form.selectedRows());
    EXPECT_EQ(3, form.currentRow());
    EXPECT_EQ("lv", form.focus().control);

    form.MoveUp();
    EXPECT_EQ((Rows{1, 2}), form.selectedRows());
    EXPECT_FALSE(form.commandStates().moveUp);
    form.MoveUp();
    EXPECT_EQ((Texts{"Tools", "Parts", "Top", "Products", "Services", "   Tapes"}),
              board.RowTexts());

    // Rows apart keep their gap; the block stops when its last row reaches the bottom.
    form.SelectRows(1, {1, 5});
    form.MoveDown();
    EXPECT_EQ((Rows{2, 6}), form.selectedRows());
    EXPECT_FALSE(form.commandStates().moveDown);
    EXPECT_TRUE(form.commandStates().moveUp);
    const Texts before = board.RowTexts();
    form.MoveDown();
    EXPECT_EQ(before, board.RowTexts());

    // Choosing one row again brings back the rules for the current row.
    form.SetCurrentRow(6);
    EXPECT_EQ((Rows{6}), form.selectedRows());
    EXPECT_FALSE(form.commandStates().moveDown);
}

TEST(MainFormRowsTest, DeleteAsksOnceForAllSelectedRows) {
    Board board;
    MainForm& form = board.form;
    board.project.DirtyFlag = false;
    form.SelectRows(3, {1, 3, 6});

    board.prompt.Expect("Confirm Delete", Button::No);
    form.DeleteItem();
    EXPECT_EQ("Delete the 3 selected items?", board.prompt.last().text);
    EXPECT_EQ(MessageButtons::YesNo, board.prompt.last().buttons);
    EXPECT_EQ(6, form.rowCount());
    EXPECT_FALSE(board.project.DirtyFlag);

    board.prompt.Expect("Confirm Delete", Button::Yes);
    form.DeleteItem();
    EXPECT_EQ(2u, board.prompt.shown().size());
    EXPECT_EQ((Texts{"Products", "   Parts", "Services"}), board.RowTexts());
    EXPECT_TRUE(board.project.DirtyFlag);
    // The row that moved into the current row's place is current, and alone selected.
    EXPECT_EQ(2, form.currentRow());
    EXPECT_EQ((Rows{2}), form.selectedRows());
}

// A drop of rows equals the same rows moved there by presses of Move Up or Move Down.
struct DropCase {
    const char* name;
    Rows rows;
    int destination;
    int presses; // negative: Move Up
};

void PrintTo(const DropCase& drop, std::ostream* out) {
    *out << drop.name;
}

class MainFormDropTest : public testing::TestWithParam<DropCase> {};

TEST_P(MainFormDropTest, EqualsTheSamePressesOfMoveUpOrMoveDown) {
    const DropCase& drop = GetParam();
    Board dropped;
    dropped.form.MoveRowsTo(drop.rows, drop.destination);

    Board pressed;
    pressed.form.SelectRows(drop.rows.front(), drop.rows);
    for (int press = 0; press < std::abs(drop.presses); ++press) {
        if (drop.presses < 0) {
            pressed.form.MoveUp();
        } else {
            pressed.form.MoveDown();
        }
    }
    EXPECT_NE(Board().project.items, dropped.project.items);
    EXPECT_EQ(pressed.project.items, dropped.project.items);
    EXPECT_EQ(pressed.form.selectedRows(), dropped.form.selectedRows());
    EXPECT_EQ(pressed.form.currentRow(), dropped.form.currentRow());
}

INSTANTIATE_TEST_SUITE_P(MainFormRows, MainFormDropTest,
                         testing::Values(DropCase{"BlockUpAboveAHeading", {3, 4}, 1, -2},
                                         DropCase{"HeadingAndItemDownPastAHeading", {1, 2}, 6, 3},
                                         DropCase{"OneRowToTheEnd", {1}, 7, 5},
                                         DropCase{"HeadingUpOverItems", {5}, 2, -3},
                                         DropCase{"OneItemDownUnderAHeading", {1}, 4, 2}),
                         [](const testing::TestParamInfo<DropCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(MainFormRowsTest, ADropOfRowsApartGathersThemAtThePlace) {
    Board board;
    board.project.DirtyFlag = false;
    board.form.MoveRowsTo({3, 3}, 4); // already there
    EXPECT_FALSE(board.project.DirtyFlag);

    board.form.MoveRowsTo({1, 6}, 3);
    EXPECT_EQ((Texts{"Products", "   Top", "   Tapes", "   Tools", "   Parts", "Services"}),
              board.RowTexts());
    EXPECT_EQ((Rows{2, 3}), board.form.selectedRows());
    EXPECT_TRUE(board.project.DirtyFlag);
}

} // namespace
} // namespace pickwell
