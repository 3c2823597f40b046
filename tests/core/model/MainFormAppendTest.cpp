#include "model/MainForm.h"

#include "ScriptedColorDialog.h"
#include "ScriptedPrompt.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

struct Form {
    MenuProject project;
    ScriptedPrompt prompt;
    ScriptedColorDialog dialog;
    ColorFieldContext context{prompt, dialog, {}, false};
    MainForm form{project, context};

    // Add through the editor, as the user would type the entry.
    void Add(const ItemEntry& entry, int selected = 0) {
        form.SetItemText(entry.text);
        form.SetGroupHeading(entry.heading ? 1 : 0);
        form.SetLinkText(entry.link);
        form.SetNotLinked(entry.link.empty() && !entry.heading ? 1 : 0);
        form.SetDefaultSelected(selected);
        if (!entry.backColor.empty() || !entry.textColor.empty()) {
            form.SetDefaultColor(0);
            form.SetColorText(0, entry.backColor.empty() ? "#FFFFFF" : entry.backColor);
            form.SetColorText(1, entry.textColor.empty() ? "#000000" : entry.textColor);
        }
        form.AddItem();
    }
};

struct CountingObserver : ItemRowsObserver {
    void BeforeRowsInserted(int first, int count) override { inserts.push_back({first, count}); }
    void AfterRowsInserted() override {}
    void BeforeRowsRemoved(int, int) override {}
    void AfterRowsRemoved() override {}
    void RowChanged(int) override {}
    std::vector<std::pair<int, int>> inserts;
};

const std::vector<ItemEntry> Entries{
    {"Home", "index.html", false},
    {"Books", "", true},
    {"Novels", "novels.html", false, "#FFEECC", "#330000"},
    {"Sale", "sale.html", false, "#FF0000", ""},
    {"Opening hours", "", false},
    {"Shop", "shop.html", true}, // a heading carries no link, whatever it brought
};

TEST(MainFormAppendTest, EachEntryGetsTheRowThatAddWouldWrite) {
    Form added;
    Form appended;
    for (Form* form : {&added, &appended}) {
        form->Add({"Top", "top.html", false}, 1);
    }
    for (const ItemEntry& entry : Entries) {
        added.Add(entry);
    }
    appended.project.DirtyFlag = false;
    CountingObserver observer;
    appended.form.SetRowsObserver(&observer);

    appended.form.AppendItems(Entries);

    EXPECT_EQ(appended.project.items, added.project.items);
    EXPECT_EQ(appended.form.currentRow(), 7);
    EXPECT_TRUE(appended.project.DirtyFlag);
    EXPECT_EQ(observer.inserts, (std::vector<std::pair<int, int>>{{2, 6}}));
    // The editor is not touched, and the row that was marked selected stays so.
    EXPECT_EQ(appended.project.items[0].selected, "Yes");
    EXPECT_EQ(appended.form.itemtexttext().text, "");
}

TEST(MainFormAppendTest, AHeadingAlreadyInTheListIndentsTheFirstEntries) {
    Form form;
    form.Add({"Products", "", true});
    form.form.AppendItems({{"Tools", "tools.html", false}});
    EXPECT_EQ(form.project.items.back().text, "   Tools");
    form.form.AppendItems({});
    EXPECT_EQ(form.form.rowCount(), 2);
}

} // namespace
} // namespace pickwell
