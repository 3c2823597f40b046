#include "style/FontLists.h"

#include "StyleWindows.h"

#include <gtest/gtest.h>

#include <set>

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

// Which font start-up and Restore Defaults choose on a desktop without "MS Sans Serif".
struct AutomaticFontCase {
    const char* name;
    Names installed;
    std::string sansSerif; // the desktop's sans-serif match
    std::set<std::string> symbolFonts;
    std::string startup;
    std::string restored;
};

void PrintTo(const AutomaticFontCase& c, std::ostream* out) {
    *out << c.name;
}

class AutomaticFont : public ::testing::TestWithParam<AutomaticFontCase> {};

TEST_P(AutomaticFont, IsTheDesktopsSansSerifElseALatinFontAtTheOldPlace) {
    const AutomaticFontCase& c = GetParam();
    FakeFontList fonts(c.installed);
    fonts.sansSerif = c.sansSerif;
    fonts.symbolFonts = c.symbolFonts;
    StyleWindows w(std::move(fonts));
    EXPECT_EQ(c.startup, w.menu.combofont().text);
    EXPECT_EQ(c.startup, w.project.buttonStyle.fontName);

    w.settings.values[{"Messages", "Show Restore Defaults Message"}] = "no";
    w.menu.SelectFontIndex(0);
    w.menu.RestoreDefaults();
    w.button.RestoreDefaults();
    EXPECT_EQ(c.restored, w.menu.combofont().text);
    EXPECT_EQ(c.restored, w.button.combofont().text);
}

INSTANTIATE_TEST_SUITE_P(
    FillFontLists, AutomaticFont,
    ::testing::Values(AutomaticFontCase{"SansSerifMatch",
                                        {"C059", "D050000L", "DejaVu Sans", "DejaVu Serif"},
                                        "DejaVu Sans",
                                        {"D050000L"},
                                        "DejaVu Sans",
                                        "DejaVu Sans"},
                      AutomaticFontCase{"MsSansSerifBeforeTheMatch",
                                        {"DejaVu Sans", "MS Sans Serif", "Verdana"},
                                        "DejaVu Sans",
                                        {},
                                        "MS Sans Serif",
                                        "MS Sans Serif"},
                      AutomaticFontCase{"MatchNotInTheList",
                                        {"C059", "D050000L", "Nimbus Sans"},
                                        "Helvetica",
                                        {"D050000L"},
                                        "Nimbus Sans",
                                        "C059"},
                      AutomaticFontCase{"SymbolFontsFirstAndLast",
                                        {"Dingbats", "Garamond", "Symbol"},
                                        "",
                                        {"Dingbats", "Symbol"},
                                        "Garamond",
                                        "Garamond"},
                      AutomaticFontCase{"NoLatinFontAtAll",
                                        {"Dingbats", "Symbol"},
                                        "",
                                        {"Dingbats", "Symbol"},
                                        "Symbol",
                                        "Dingbats"}),
    [](const ::testing::TestParamInfo<AutomaticFontCase>& info) { return info.param.name; });

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
