#include "ProjectFixture.h"

#include <malloc.h>
#include <random>

namespace pickwell {
namespace {

// Thousands of editor operations as a user might make them, then many saves and loads of the
// result: every load gives back what was saved, and memory stays where it was.
class LongRunTest : public ProjectFixture {
protected:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    bool Chance() { return Pick(2) == 0; }
    Button Answer() { return Chance() ? Button::Yes : Button::No; }

    bool AnotherRowSelected(int except) const {
        for (int row = 1; row <= main.rowCount(); ++row) {
            if (row != except &&
                project.items[static_cast<std::size_t>(row - 1)].selected == "Yes") {
                return true;
            }
        }
        return false;
    }

    void FillEditor() {
        main.SetItemText("Item " + std::to_string(Pick(1000)));
        main.SetGroupHeading(Pick(6) == 0 ? 1 : 0);
        if (main.grheadchk().value == 0) {
            main.SetNotLinked(Pick(5) == 0 ? 1 : 0);
            main.SetLinkText("page" + std::to_string(Pick(50)) + ".html");
            main.SetDefaultSelected(Pick(4) == 0 ? 1 : 0);
        }
        main.SetDefaultColor(Chance() ? 1 : 0);
        if (main.chkdefitmclr().value == 0) {
            main.SetColorText(0, Chance() ? "#FFFFCC" : "#102030");
            main.SetColorText(1, "#800000");
        }
    }

    void Operation() {
        const int rows = main.rowCount();
        switch (Pick(rows == 0 ? 1 : 7)) {
        case 0:
        case 1:
            FillEditor();
            if (main.chksel().value == 1 && AnotherRowSelected(0)) {
                prompt.Expect("Selected Item", Answer());
            }
            main.AddItem();
            break;
        case 2:
            main.SetCurrentRow(1 + Pick(rows));
            FillEditor();
            if (main.chksel().value == 1 && AnotherRowSelected(main.currentRow())) {
                prompt.Expect("Selected Item", Answer());
            }
            main.UpdateItem();
            break;
        case 3:
            main.SetCurrentRow(1 + Pick(rows));
            main.EditItem();
            break;
        case 4:
            main.SetCurrentRow(1 + Pick(rows));
            main.ToolbarButtonClick(Chance() ? "movup" : "movdn");
            break;
        case 5:
            main.SetCurrentRow(1 + Pick(rows));
            prompt.Expect("Confirm Delete", Pick(4) == 0 ? Button::Yes : Button::No);
            main.ToolbarButtonClick("delete");
            break;
        default:
            main.SetTarget(Pick(3));
            if (main.project().menuOptions.target == TargetDifferentFrame) {
                main.SetFrameName("frame" + std::to_string(Pick(9)));
            }
            main.SetMenuName("menu" + std::to_string(Pick(99)));
            main.SetNavigateMode(Pick(2));
            break;
        }
    }

    // The rows as a load gives them back: the indent follows the headings above.
    static std::vector<MenuItem> AsLoaded(std::vector<MenuItem> items) {
        bool headingAbove = false;
        for (MenuItem& item : items) {
            item.text.erase(0, item.text.find_first_not_of(' '));
            if (item.isHeading == "Yes") {
                headingAbove = true;
            } else if (headingAbove) {
                item.text = "   " + item.text;
            }
        }
        return items;
    }

    std::mt19937 random{20261209};
};

TEST_F(LongRunTest, FiveThousandEditsThenTwoHundredSavesAndLoadsKeepEverything) {
    for (int i = 0; i < 5000; ++i) {
        Operation();
        ASSERT_LE(std::count_if(project.items.begin(), project.items.end(),
                                [](const MenuItem& item) { return item.selected == "Yes"; }),
                  1)
            << "operation " << i;
    }
    ASSERT_GT(main.rowCount(), 10);

    const std::string path = dir.File("long.pkw");
    const std::vector<MenuItem> items = AsLoaded(project.items);
    const MenuOptions menuOptions = project.menuOptions;
    const ButtonOptions buttonOptions = project.buttonOptions;
    std::size_t heapAtHalf = 0;
    for (int cycle = 0; cycle < 200; ++cycle) {
        ASSERT_EQ(SaveResult::Saved, SaveAs(path)) << cycle;
        const MenuStyle menuStyleSaved = project.menuStyle;
        const ButtonStyle buttonStyleSaved = project.buttonStyle;
        ASSERT_TRUE(LoadProject(workspace, path)) << cycle;
        ASSERT_EQ(items, project.items) << cycle;
        ASSERT_EQ(menuOptions, project.menuOptions) << cycle;
        ASSERT_EQ(buttonOptions, project.buttonOptions) << cycle;
        ASSERT_EQ(menuStyleSaved, project.menuStyle) << cycle;
        ASSERT_EQ(buttonStyleSaved, project.buttonStyle) << cycle;
        if (cycle == 99) {
            heapAtHalf = mallinfo2().uordblks;
        }
    }
    // What a hundred more cycles leave behind is noise, not a leak of one file per cycle.
    EXPECT_LT(mallinfo2().uordblks, heapAtHalf + 64 * 1024);
}

} // namespace
} // namespace pickwell
