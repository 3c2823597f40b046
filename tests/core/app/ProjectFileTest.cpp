#include "ProjectFixture.h"
#include "style/ResetProject.h"

#include <filesystem>

namespace pickwell {
namespace {

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(std::string::npos, at) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

class ProjectFileTest : public ProjectFixture {
protected:
    void AddThreeItems() {
        main.AppendLoadedItems({Item("Fruit", "No", "", "Yes")});
        MenuItem apple = Item("Apple", "Yes", "apple.html");
        apple.backColor = "#FF0000";
        apple.textColor = "#00FF00";
        main.AppendLoadedItems({apple});
        MenuItem pear = Item("Pear", "No", "");
        pear.selected = "Yes";
        main.AppendLoadedItems({pear});
    }

    // Loads `bytes` from shop.pkw.
    bool LoadText(const std::string& bytes) {
        dir.Write("shop.pkw", bytes);
        return LoadProject(workspace, dir.File("shop.pkw"));
    }

    void ExpectRejected(const std::string& bytes, const std::string& why, bool fontNote = false) {
        SCOPED_TRACE(why);
        if (fontNote) {
            prompt.Expect("Note");
        }
        project.HasProjectFile = false;
        main.AppendLoadedItems({Item("kept?", "No", "")});
        const std::string recentBefore = recent.StoredPath(0);
        prompt.Expect("Oops!");
        EXPECT_FALSE(LoadText(bytes));
        EXPECT_EQ("Could not load \"shop.pkw\". The file is either corrupt, not a valid Pickwell "
                  "project file, or no longer exists.",
                  prompt.last().text);
        EXPECT_EQ(MessageIcon::Warning, prompt.last().icon);
        EXPECT_TRUE(project.items.empty());
        EXPECT_EQ("Pickwell", main.windowTitle());
        EXPECT_FALSE(project.DirtyFlag);
        EXPECT_FALSE(project.HasProjectFile);
        EXPECT_FALSE(project.SilentRestore);
        EXPECT_EQ(dir.File("shop.pkw"), project.ProjectPath);
        EXPECT_EQ(recentBefore, recent.StoredPath(0));
    }
};

TEST_F(ProjectFileTest, WritesTheFileInItsOrderAndReadsItBackAsTheUserMadeIt) {
    AddThreeItems();
    ASSERT_EQ(SaveResult::Saved, SaveAs(dir.File("shop.pkw")));
    EXPECT_EQ(ThreeItemFile, ReadWholeFile(dir.File("shop.pkw")).bytes);
    EXPECT_EQ("Pickwell - shop.pkw", main.windowTitle());
    EXPECT_EQ("&1. shop.pkw", recent.entries()[0].caption);
    EXPECT_TRUE(recent.separatorVisible());

    main.RemoveAllItems();
    main.SetItemText("typed");
    ASSERT_TRUE(LoadProject(workspace, dir.File("shop.pkw")));
    ASSERT_EQ(3u, project.items.size());
    EXPECT_EQ("Fruit", project.items[0].text);
    EXPECT_EQ("   Apple", project.items[1].text); // one indent, not two
    EXPECT_EQ("#FF0000", project.items[1].backColor);
    EXPECT_EQ("No", project.items[1].selected);
    EXPECT_EQ("Yes", project.items[2].selected);
    EXPECT_EQ("", main.itemtexttext().text);
    EXPECT_EQ("itemtexttext", main.focus().control);
    EXPECT_FALSE(project.DirtyFlag);
    EXPECT_TRUE(project.HasProjectFile);
    EXPECT_EQ(dir.File("shop.pkw"), settings.GetSetting("Folders", "Last Used Save Folder", ""));
}

TEST_F(ProjectFileTest, EveryOptionAndStyleValueSurvivesASaveAndALoad) {
    main.AppendLoadedItems({Item("Only", "Yes", "only.html")});
    main.SetAlignToButton(2);
    main.SetTarget(2);
    main.SetFrameName("right");
    main.SetMenuName("Shop");
    main.SetButtonType(1);
    main.SetButtonText("Jump");
    main.SetGraphicUrl("go.gif");
    main.SetGraphicWidth("80");
    main.SetGraphicHeight("20");
    main.SetAltText("Go there");

    menuStyle.SetSystemColors(0);
    menuStyle.SetColorText(0, "#112233");
    menuStyle.SetColorText(1, "#445566");
    menuStyle.SelectFont("Verdana");
    menuStyle.SetFontSizeText("15");
    menuStyle.SetFontWeight(700);
    menuStyle.SetUnderline(1);
    menuStyle.SetItalic(1);
    menuStyle.SetConstrainWidth(0);
    menuStyle.SetWidthText("200");

    buttonStyle.SetSystemColors(0);
    buttonStyle.SetNoBorder(0);
    buttonStyle.SetSyncTopLeft(0);
    buttonStyle.SetSyncRightBottom(0);
    const char* colors[] = {"#010101", "#020202", "#030303", "#040404", "#050505", "#060606"};
    for (int n = 0; n < ButtonStyleForm::ColorCount; ++n) {
        buttonStyle.SetColorText(n, colors[n]);
    }
    buttonStyle.SelectFont("Arial");
    buttonStyle.SetFontSizeText("11");
    buttonStyle.SetFontWeight(300);
    buttonStyle.SetUnderline(1);
    buttonStyle.SetConstrainSize(0);
    buttonStyle.SetWidthText("90");
    buttonStyle.SetHeightText("30");
    buttonStyle.SetThicknessText("3");

    ASSERT_EQ(SaveResult::Saved, SaveAs(dir.File("shop.pkw")));
    const MenuProject saved = project;
    ASSERT_EQ("#030303", saved.buttonStyle.borderColors[BorderTop]);
    ASSERT_EQ("200", saved.menuStyle.width);

    ASSERT_TRUE(LoadProject(workspace, dir.File("shop.pkw")));
    EXPECT_EQ(saved.items, project.items);
    EXPECT_EQ(saved.menuOptions, project.menuOptions);
    EXPECT_EQ(saved.buttonOptions, project.buttonOptions);
    EXPECT_EQ(saved.menuStyle, project.menuStyle);
    EXPECT_EQ(saved.buttonStyle, project.buttonStyle);
    EXPECT_TRUE(main.optionStates().txtfrm);
    EXPECT_TRUE(main.optionStates().buttngrurl);
    EXPECT_TRUE(buttonStyle.txtBW().enabled);
    EXPECT_FALSE(project.DirtyFlag);
}

TEST_F(ProjectFileTest, SiteOptionsAreStoredOnlyWhenSetWithTheStandardsCode) {
    main.AppendLoadedItems({Item("Only", "Yes", "only.html")});
    const std::string path = dir.File("site.pkw");
    main.SetStandardsCode(1);
    main.SetShowCurrentPage(1);
    main.SetWideScreenLinks(1);
    main.SetWideScreenWidth("900");
    ASSERT_EQ(SaveResult::Saved, SaveAs(path));
    EXPECT_NE(std::string::npos,
              ReadWholeFile(path).bytes.find("Standards Code=1\r\nShow Current Page=1\r\n"
                                             "Wide Screen Links=1\r\nWide Screen Width=900\r\n"
                                             "[Adv Menu Opts]"));
    ResetProject(main, menuStyle, buttonStyle);
    EXPECT_EQ(MenuOptions{}.wideScreenWidth, project.menuOptions.wideScreenWidth);
    ASSERT_TRUE(LoadProject(workspace, path));
    EXPECT_EQ(1, project.menuOptions.showCurrentPage);
    EXPECT_EQ("900", project.menuOptions.wideScreenWidth);
    EXPECT_TRUE(main.optionStates().txtwidewdth);

    // Off, nothing is written, and a file without the keys reads as the defaults.
    main.SetShowCurrentPage(0);
    main.SetWideScreenLinks(0);
    ASSERT_EQ(SaveResult::Saved, SaveAs(path));
    EXPECT_EQ(std::string::npos, ReadWholeFile(path).bytes.find("Wide Screen"));
    EXPECT_EQ(std::string::npos, ReadWholeFile(path).bytes.find("Current Page"));
    ASSERT_TRUE(LoadProject(workspace, path));
    EXPECT_EQ(MenuOptions{}.wideScreenWidth, project.menuOptions.wideScreenWidth);
    EXPECT_EQ(0, project.menuOptions.wideScreenLinks);
}

TEST_F(ProjectFileTest, StandardsCodeAndItsLabelAreKeptOnlyWhileTheOptionIsOn) {
    main.AppendLoadedItems({Item("Only", "Yes", "only.html")});
    const std::string path = dir.File("standards.pkw");
    main.SetStandardsCode(1);
    main.SetListLabel("Our pages");
    ASSERT_EQ(SaveResult::Saved, SaveAs(path));
    EXPECT_NE(std::string::npos,
              ReadWholeFile(path).bytes.find("Menu Name=MyMenu\r\nStandards Code=1\r\n"
                                             "List Label=Our pages\r\n[Adv Menu Opts]"));
    main.SetStandardsCode(0);
    main.SetListLabel("");
    ASSERT_TRUE(LoadProject(workspace, path));
    EXPECT_EQ(1, project.menuOptions.standardsCode);
    EXPECT_EQ("Our pages", project.menuOptions.listLabel);
    EXPECT_TRUE(main.optionStates().txtlistlbl);

    main.SetStandardsCode(0);
    ASSERT_EQ(SaveResult::Saved, SaveAs(path));
    EXPECT_EQ(std::string::npos, ReadWholeFile(path).bytes.find("Standards Code"));
    EXPECT_EQ(std::string::npos, ReadWholeFile(path).bytes.find("List Label"));
    ASSERT_TRUE(LoadProject(workspace, path));
    EXPECT_EQ(0, project.menuOptions.standardsCode);
    EXPECT_EQ("", project.menuOptions.listLabel);
}

TEST_F(ProjectFileTest, AProjectWithoutItemsHoldsOnlyItsCountBeforeTheOptions) {
    ASSERT_EQ(SaveResult::Saved, SaveAs(dir.File("empty.pkw")));
    const std::string bytes = ReadWholeFile(dir.File("empty.pkw")).bytes;
    EXPECT_EQ(0u, bytes.find("Pickwell Project File (Do not edit manually)\r\n"
                             "[Items]\r\nicount=0\r\n[Menu Options]\r\nNavigate=0\r\n"));
    ASSERT_TRUE(LoadProject(workspace, dir.File("empty.pkw")));
    EXPECT_TRUE(project.items.empty());
}

TEST_F(ProjectFileTest, ItemTextsComeBackTrimmedAndCut) {
    main.AppendLoadedItems({Item("  Own blanks", "No", "")});
    main.AppendLoadedItems({Item(std::string(300, 'x'), "No", "")});
    main.AppendLoadedItems({Item("Heading", "No", "", "Yes")});
    main.AppendLoadedItems({Item("  Under", "No", "")});
    ASSERT_EQ(SaveResult::Saved, SaveAs(dir.File("shop.pkw")));
    ASSERT_TRUE(LoadProject(workspace, dir.File("shop.pkw")));
    EXPECT_EQ("Own blanks", project.items[0].text);
    EXPECT_EQ(std::string(254, 'x'), project.items[1].text);
    EXPECT_EQ("   Under", project.items[3].text);
}

// Items are read a run at a time; every item must land in its place across the runs' bounds,
// also when a section's order breaks.
TEST_F(ProjectFileTest, AListOfThousandsComesBackItemForItem) {
    std::vector<MenuItem> items;
    for (int i = 1; i <= 5000; ++i) {
        const std::string n = std::to_string(i);
        MenuItem item =
            Item(i % 10 == 1 ? "Group " + n : "   Page " + n, i % 10 == 1 ? "No" : "Yes",
                 i % 10 == 1 ? "" : "page" + n + ".html", i % 10 == 1 ? "Yes" : "No");
        if (i % 3 == 0) {
            item.backColor = "#0000" + std::to_string(10 + i % 90);
            item.textColor = "#FF00" + std::to_string(10 + i % 90);
        }
        item.selected = i == 2049 ? "Yes" : "No";
        items.push_back(item);
    }
    main.AppendLoadedItems(items);
    ASSERT_EQ(SaveResult::Saved, SaveAs(dir.File("map.pkw")));
    main.RemoveAllItems();
    ASSERT_TRUE(LoadProject(workspace, dir.File("map.pkw")));
    EXPECT_EQ(items, project.items);

    // Moves the line of one key to just after the line of another.
    const auto moveLine = [](std::string& text, const std::string& key, const std::string& after) {
        const auto at = text.find("\n" + key + "=") + 1;
        const std::string line = text.substr(at, text.find('\n', at) + 1 - at);
        text.erase(at, line.size());
        const auto anchor = text.find("\n" + after + "=") + 1;
        text.insert(text.find('\n', anchor) + 1, line);
    };
    std::string text = ReadWholeFile(dir.File("map.pkw")).bytes;
    moveLine(text, "Item 3000", "Item 3001");
    moveLine(text, "Backcolor 4000", "IsHeading 4000");
    ASSERT_TRUE(LoadText(text));
    EXPECT_EQ(items, project.items);
}

// Item sections edited by hand (keys out of turn, in other case, or given twice) read as
// their first lines say, whether they are read in one pass or key by key.
TEST_F(ProjectFileTest, HandEditedItemSectionsReadAsTheirFirstLinesSay) {
    std::string text = Replace(ThreeItemFile, "Item 2=   Apple\r\nItem 3=   Pear\r\n",
                               "Item 3=   Pear\r\nItem 2=   Apple\r\n");
    text = Replace(text, "URL 2=apple.html", "url 2 = apple.html");
    text = Replace(text, "[Linked]\r\n", "[Linked]\r\n3=Yes\r\n");
    text = Replace(text, "IsHeading 3=No\r\n", "IsHeading 3=No\r\nBackcolor 2=#000000\r\n");
    ASSERT_TRUE(LoadText(text));
    ASSERT_EQ(3u, project.items.size());
    EXPECT_EQ("   Apple", project.items[1].text);
    EXPECT_EQ("   Pear", project.items[2].text);
    EXPECT_EQ("apple.html", project.items[1].url);
    EXPECT_EQ("Yes", project.items[2].linked);
    EXPECT_EQ("#FF0000", project.items[1].backColor);
}

TEST_F(ProjectFileTest, TheSelectedSectionIsWrittenOnlyForASelectedItem) {
    MenuItem first = Item("First", "No", "");
    first.selected = "Yes";
    main.AppendLoadedItems({first});
    main.AppendLoadedItems({Item("Second", "No", "")});
    ASSERT_EQ(SaveResult::Saved, SaveAs(dir.File("shop.pkw")));
    const std::string withFirst = ReadWholeFile(dir.File("shop.pkw")).bytes;
    EXPECT_LT(withFirst.find("[Selected]"), withFirst.find("[ItemColors]"));

    project.items[0].selected = "No";
    ASSERT_EQ(SaveResult::Saved, SaveAs(dir.File("shop.pkw")));
    EXPECT_EQ(std::string::npos, ReadWholeFile(dir.File("shop.pkw")).bytes.find("Selected"));

    for (const char* number : {"0", "9", "1.5", "x"}) {
        ASSERT_TRUE(
            LoadText(Replace(withFirst, "SelectedItem=1", std::string("SelectedItem=") + number)));
        for (const MenuItem& item : project.items) {
            EXPECT_EQ("No", item.selected) << number;
        }
    }
}

TEST_F(ProjectFileTest, RejectsFilesItCannotUseAndLeavesANewProject) {
    const std::string valid = ThreeItemFile;
    ExpectRejected(Replace(valid, "manually)", "manually) "), "header with an extra blank");
    ExpectRejected("", "empty file");
    ExpectRejected(valid.substr(0, valid.find("[Adv Menu Opts]")) +
                       valid.substr(valid.find("[Button Options]")),
                   "no Adv Menu Opts: the font weight reads as 0", true);
    ExpectRejected(Replace(valid, "Align to Button=1", "Align to Button=3"), "list position");
    ExpectRejected(Replace(valid, "Underline=0", "Underline=-1"), "check box");
    ExpectRejected(Replace(valid, "Font Weight=500", "Font Weight=99.4"), "weight");
    ExpectRejected(Replace(valid, "Font Size=13", "Font Size=1e999"), "size beyond range");
    ExpectRejected(Replace(valid, "icount=3", "icount=3000000000"), "beyond 32 bits");
    ExpectRejected(Replace(valid, "icount=3", "icount=2000000000"), "more items than lines");
}

TEST_F(ProjectFileTest, RejectsWhatIsNotARegularFile) {
    std::filesystem::create_directory(dir.File("folder.pkw"));
    prompt.Expect("Oops!");
    EXPECT_FALSE(LoadProject(workspace, dir.File("folder.pkw")));

    prompt.Expect("Oops!");
    EXPECT_FALSE(LoadProject(workspace, "no-folder.pkw"));
    EXPECT_EQ("Could not load \"\". The file is either corrupt, not a valid Pickwell project "
              "file, or no longer exists.",
              prompt.last().text);
}

TEST_F(ProjectFileTest, AcceptsLenientValuesAndRunsEachControlsHandling) {
    std::string text = ThreeItemFile;
    text = Replace(text, "Navigate=0\r\n", "");
    text = Replace(text, "Target=0", "Target=2.5"); // halves go to the even neighbour
    text = Replace(text, "Align to Button=1", "Align to Button=-1");
    text = Replace(text, "Frame Name=", "Frame Name=  \"main\"  ");
    text = Replace(text, "System Menu Colors=1", "System Menu Colors=0");
    text = Replace(text, "Font Size=13", "Font Size= 015px");
    text = Replace(text, "Font Weight=500", "Font Weight=700");
    text = Replace(text, "Italics=0", "Italics=2");
    text = Replace(text, "Width=\r\nConstrain Width=1", "Width=123456\r\nConstrain Width=0");
    text = Replace(text, "Button Type=0", "Button Type=graphic");
    ASSERT_TRUE(LoadText(text));

    EXPECT_EQ(1, project.menuOptions.navigateMode);
    EXPECT_EQ(2, project.menuOptions.target);
    EXPECT_TRUE(main.optionStates().txtfrm);
    EXPECT_EQ(-1, project.menuOptions.alignToButton);
    EXPECT_EQ("main", project.menuOptions.frameName);
    EXPECT_EQ(1, project.buttonOptions.buttonType);
    EXPECT_TRUE(main.optionStates().buttngrurl);

    EXPECT_EQ(0, project.menuStyle.useSystemColors);
    EXPECT_TRUE(menuStyle.txtclr(0).enabled());
    EXPECT_EQ("15", project.menuStyle.fontSize);
    EXPECT_EQ("700", project.menuStyle.fontWeight);
    EXPECT_EQ(2, project.menuStyle.italic);
    EXPECT_EQ("1234", project.menuStyle.width);
    EXPECT_TRUE(menuStyle.txtMW().enabled);
    EXPECT_FALSE(project.DirtyFlag);
}

TEST_F(ProjectFileTest, AFontThatIsNotInstalledKeepsTheDefaultAfterANote) {
    std::string text = Replace(ThreeItemFile, "Font=MS Sans Serif", "Font=Comic Sans MS");
    text = Replace(text, "Font=MS Sans Serif", "Font=Fancy");
    prompt.Expect("Note");
    prompt.Expect("Note");
    ASSERT_TRUE(LoadText(text));
    EXPECT_EQ("This menu project uses a font that is not installed on your system. The default "
              "font will be used instead.",
              prompt.last().text);
    EXPECT_EQ(MessageIcon::Information, prompt.last().icon);
    EXPECT_EQ("MS Sans Serif", project.menuStyle.fontName);
    EXPECT_EQ("MS Sans Serif", project.buttonStyle.fontName);
}

TEST_F(ProjectFileTest, UndefinedCodePageBytesSurviveALoadAndASave) {
    ASSERT_TRUE(LoadText(Replace(ThreeItemFile, "Item 1=Fruit", "Item 1=Fr\x81\x8D\x8F\x90\x9D")));
    EXPECT_EQ("Fr\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D", project.items[0].text);
    ASSERT_EQ(SaveResult::Saved, SaveAs(dir.File("again.pkw")));
    EXPECT_NE(std::string::npos,
              ReadWholeFile(dir.File("again.pkw")).bytes.find("Item 1=Fr\x81\x8D\x8F\x90\x9D\r\n"));
}

// A text in any script is saved without a question, as character references for what the code
// page lacks, and comes back whole: also one whose references are far longer than the 254
// characters a value keeps.
struct ScriptCase {
    const char* name;
    std::string text;
    std::string stored;
    friend void PrintTo(const ScriptCase& c, std::ostream* out) { *out << c.name; }
};

class ProjectFileScripts : public ProjectFileTest,
                           public testing::WithParamInterface<ScriptCase> {};

TEST_P(ProjectFileScripts, ATextComesBackAsItWasTyped) {
    main.AppendLoadedItems({Item(GetParam().text, "No", "")});
    main.SetButtonText(GetParam().text);
    ASSERT_EQ(SaveResult::Saved, SaveAs(dir.File("shop.pkw")));
    const std::string bytes = ReadWholeFile(dir.File("shop.pkw")).bytes;
    EXPECT_NE(std::string::npos, bytes.find("\r\nItem 1=" + GetParam().stored + "\r\n"));
    EXPECT_NE(std::string::npos, bytes.find("\r\nButton Text=" + GetParam().stored + "\r\n"));

    ASSERT_TRUE(LoadProject(workspace, dir.File("shop.pkw")));
    EXPECT_EQ(GetParam().text, project.items.at(0).text);
    EXPECT_EQ(GetParam().text, project.buttonOptions.buttonText);
}

std::string Times(int count, const std::string& text) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += text;
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    FourScripts, ProjectFileScripts,
    testing::Values(ScriptCase{"Greek", Times(20, "\xCE\xB1\xCE\xB2\xCE\xB3\xCE\xB4\xCE\xB5"),
                               Times(20, "&#945;&#946;&#947;&#948;&#949;")},
                    ScriptCase{"Cyrillic", "\xD0\x9C\xD0\xB5\xD0\xBD\xD1\x8E",
                               "&#1052;&#1077;&#1085;&#1102;"},
                    ScriptCase{"Chinese", "\xE8\x8F\x9C\xE5\x8D\x95", "&#33756;&#21333;"},
                    ScriptCase{"EmojiBesideCodePageLetters", "Caf\xC3\xA9 \xF0\x9F\x98\x80",
                               "Caf\xE9 &#128512;"}),
    [](const auto& info) { return std::string(info.param.name); });

// A file the program wrote loads and saves byte for byte.
class ProjectFileData : public ProjectFileTest, public testing::WithParamInterface<const char*> {};

TEST_P(ProjectFileData, LoadsAndSavesByteForByte) {
    fonts.fonts = {"DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif", "MS Sans Serif"};
    FillFontLists(fonts, menuStyle, buttonStyle);
    const std::string path = PICKWELL_TEST_DATA + std::string(GetParam()) + ".pkw";
    ASSERT_TRUE(LoadProject(workspace, path));
    ASSERT_EQ(SaveResult::Saved, SaveAs(dir.File("again.pkw")));
    EXPECT_EQ(ReadWholeFile(path).bytes, ReadWholeFile(dir.File("again.pkw")).bytes);
}

// (The other files there were put together by hand, with the "Selected" section elsewhere.)
INSTANTIATE_TEST_SUITE_P(TestData, ProjectFileData,
                         testing::Values("browser_change", "browser_escapes", "browser_frame",
                                         "browser_image", "browser_newwindow", "browser_styles",
                                         "cli_bad_menu_name", "cli_frames", "cli_no_items"),
                         [](const auto& info) { return std::string(info.param); });

// What the file held reads and writes byte for byte: a reference to a character of the code
// page, or one in another spelling than the writer's, stays the text it is.
TEST_F(ProjectFileTest, OnlyReferencesTheWriterWritesReadAsCharacters) {
    const std::string file =
        Replace(ThreeItemFile, "Item 1=Fruit", "Item 1=&#65;&#233;&#x3B1;&#0945;&#945&#945;");
    ASSERT_TRUE(LoadText(file));
    EXPECT_EQ("&#65;&#233;&#x3B1;&#0945;&#945\xCE\xB1", project.items[0].text);
    ASSERT_EQ(SaveResult::Saved, SaveAs(dir.File("again.pkw")));
    EXPECT_EQ(file, ReadWholeFile(dir.File("again.pkw")).bytes);
}

} // namespace
} // namespace pickwell
