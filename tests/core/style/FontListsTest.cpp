#include "style/FontLists.h"

#include "StyleWindows.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

using Names = std::vector<std::string>;

TEST(SortFontNames, IgnoresCaseAndKeepsEqualNamesInPlatformOrder) {
    EXPECT_EQ((Names{"arial", "Arial Black", "ARIAL black", "courier", "Tahoma", "Z"}),
              SortFontNames({"Tahoma", "Arial Black", "courier", "arial", "ARIAL black", "Z"}));
}

TEST(FillFontLists, GivesTheStartUpStyles) {
    StyleWindows w({"Verdana", "MS Sans Serif", "Arial", "ms sans serif"});
    for (const ListControl* list : {&w.menu.combofont(), &w.button.combofont()}) {
        EXPECT_EQ((Names{"Arial", "MS Sans Serif", "ms sans serif", "Verdana"}), list->items);
        EXPECT_EQ("MS Sans Serif", list->text);
    }
    EXPECT_EQ("13", w.menu.combofontsize().text);
    EXPECT_EQ(5, w.button.combofontsize().index);
    // First load captured the system colours; "No Border" ticked, thickness empty.
    EXPECT_EQ(MenuStyle{}, w.project.menuStyle);
    EXPECT_EQ(ButtonStyle{}, w.project.buttonStyle);
    EXPECT_EQ("#808080", w.button.DefaultButtonColors()[5]);
}

TEST(FillFontLists, WithoutMsSansSerifStartsOnTheSecondFontAndRestoresTheFirst) {
    StyleWindows w({"Verdana", "Arial", "Courier New"});
    EXPECT_EQ("Courier New", w.menu.combofont().text);
    EXPECT_EQ("Courier New", w.project.buttonStyle.fontName);

    w.settings.values[{"Messages", "Show Restore Defaults Message"}] = "no";
    w.menu.RestoreDefaults();
    w.button.RestoreDefaults();
    EXPECT_EQ("Arial", w.menu.combofont().text);
    EXPECT_EQ("Arial", w.button.combofont().text);
}

TEST(FillFontLists, CopesWithOneFontOrNone) {
    StyleWindows single({"Only"});
    EXPECT_EQ("Only", single.menu.combofont().text);

    StyleWindows none(Names{});
    EXPECT_EQ(-1, none.button.combofont().index);
    EXPECT_EQ("#FFFFFF", none.project.menuStyle.bgColor) << "the windows are loaded all the same";
}

TEST(SelectFont, ReportsANameThatIsNotInstalled) {
    StyleWindows w;
    EXPECT_TRUE(w.button.SelectFont("Verdana"));
    EXPECT_FALSE(w.button.SelectFont("verdana"));
    EXPECT_FALSE(w.menu.SelectFont("Wingdings"));
    EXPECT_EQ("Verdana", w.button.combofont().text);
    EXPECT_EQ("MS Sans Serif", w.menu.combofont().text);
}

} // namespace
} // namespace pickwell
