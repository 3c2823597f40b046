#include "app/Session.h"

#include "Desktop.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace pickwell {
namespace {

TEST(Session, StartsWithTheDefaultProjectCommittedStylesAndTheRecentFiles) {
    Desktop desktop;
    desktop.settings.SaveSetting("Recent Files", "1", "/home/me/shop.pkw");
    Session session(desktop.services);
    session.StartUp("");

    const MenuProject& project = session.project();
    EXPECT_EQ(0, project.buttonOptions.buttonType);
    EXPECT_EQ(0, project.menuOptions.navigateMode);
    EXPECT_EQ(0, project.menuOptions.target);
    EXPECT_EQ(1, project.menuOptions.alignToButton);
    EXPECT_EQ("MyMenu", project.menuOptions.menuName);
    EXPECT_EQ(1, project.menuOptions.standardsCode) << "a new menu is for a page written today";
    EXPECT_EQ("MS Sans Serif", project.menuStyle.fontName);
    EXPECT_EQ("MS Sans Serif", project.buttonStyle.fontName);
    EXPECT_EQ("13", session.buttonStyle().combofontsize().text);
    EXPECT_EQ("#FFFFFF", session.mainForm().txtclr(0).text());
    EXPECT_FALSE(project.DirtyFlag);
    EXPECT_EQ((RecentFileEntry{true, "&1. shop.pkw"}), session.recentFiles().entries()[0]);
}

// The browser tests open the menu of tests/data/browser_defaults.pkw as a new author's first
// menu: the start-up defaults on a desktop whose sans-serif face is DejaVu Sans, and three items.
TEST(Session, TheStartUpDefaultsAreTheBrowserTestsFirstMenu) {
    Desktop desktop;
    desktop.fonts.fonts = {"C059", "D050000L", "DejaVu Sans", "DejaVu Serif"};
    desktop.fonts.sansSerif = "DejaVu Sans";
    desktop.fonts.symbolFonts = {"D050000L"};
    Session session(desktop.services);
    session.StartUp("");
    MainForm& main = session.mainForm();
    main.SetItemText("Pick one");
    main.SetNotLinked(1);
    main.SetDefaultSelected(1);
    main.AddItem();
    for (const auto& [text, url] :
         {std::pair{"Novels", "novels.html"}, std::pair{"Caf\xC3\xA9", "cafe.html"}}) {
        main.SetItemText(text);
        main.SetLinkText(url);
        main.AddItem();
    }
    const std::string path = desktop.temp.path() + "first.pkw";
    desktop.fileDialogs.saveAnswers.push_back(path);
    session.projectCommands().Save();

    const auto bytes = [](const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(bytes(PICKWELL_TEST_DATA "browser_defaults.pkw"), bytes(path));
}

TEST(Session, AnArgumentThatIsNoProjectFileIsReportedAndIgnored) {
    Desktop desktop;
    const std::string notProject = desktop.temp.path() + "menu.txt";
    std::ofstream(notProject) << "x";
    for (const std::string& argument : {notProject, desktop.temp.path() + "gone.pkw"}) {
        Session session(desktop.services);
        desktop.prompt.Expect("Oops!");
        session.StartUp(argument);
        EXPECT_EQ("\"" + argument + "\" is not a valid Pickwell Project file.",
                  desktop.prompt.last().text);
        EXPECT_EQ(MessageIcon::Warning, desktop.prompt.last().icon);
        EXPECT_EQ(0, session.project().menuOptions.target);
        EXPECT_TRUE(session.project().items.empty());
    }
}

TEST(Session, StartUpLoadsTheProjectNamedOnTheCommandLine) {
    Desktop desktop;
    const std::string path = desktop.temp.path() + "Shop.PKW";
    {
        Session first(desktop.services);
        first.StartUp("");
        first.mainForm().SetItemText("Books");
        first.mainForm().SetLinkText("books.html");
        first.mainForm().AddItem();
        first.mainForm().SetTarget(1);
        desktop.fileDialogs.saveAnswers.push_back(path);
        first.projectCommands().Save();
    }

    desktop.settings.values.clear();
    desktop.settings.SaveSetting("Recent Files", "1", "/home/me/older.pkw");

    // Named relative to the folder the program starts in.
    const std::filesystem::path startedIn = std::filesystem::current_path();
    std::filesystem::current_path(desktop.temp.path());
    Session session(desktop.services);
    session.StartUp("./Shop.PKW");
    std::filesystem::current_path(startedIn);

    ASSERT_EQ(1u, session.project().items.size());
    EXPECT_EQ("books.html", session.project().items[0].url);
    EXPECT_EQ(1, session.project().menuOptions.target);
    EXPECT_TRUE(session.project().HasProjectFile);
    EXPECT_FALSE(session.project().DirtyFlag);
    EXPECT_EQ("Pickwell - Shop.PKW", session.mainForm().windowTitle());
    EXPECT_EQ(path, session.project().ProjectPath);
    EXPECT_EQ((RecentFileEntry{true, "&1. Shop.PKW"}), session.recentFiles().entries()[0]);
    EXPECT_EQ((RecentFileEntry{true, "&2. older.pkw"}), session.recentFiles().entries()[1]);
    EXPECT_EQ(path, session.recentFiles().StoredPath(0));
}

TEST(Session, ACommandLinePathThroughALinkAndUpLoadsTheFileItNamed) {
    namespace fs = std::filesystem;
    Desktop desktop;
    const std::string folder = desktop.temp.path() + "menus/";
    fs::create_directories(folder + "drafts");
    fs::create_directory_symlink(folder + "drafts", desktop.temp.path() + "latest");
    {
        Session first(desktop.services);
        first.StartUp("");
        first.mainForm().SetItemText("Books");
        first.mainForm().AddItem();
        desktop.fileDialogs.saveAnswers.push_back(folder + "shop.pkw");
        first.projectCommands().Save();
    }

    // "latest/.." is the folder above drafts, not the one above the link.
    Session session(desktop.services);
    session.StartUp(desktop.temp.path() + "./latest/../shop.pkw");

    ASSERT_EQ(1u, session.project().items.size());
    EXPECT_EQ(desktop.temp.path() + "latest/../shop.pkw", session.project().ProjectPath);
    EXPECT_EQ("Pickwell - shop.pkw", session.mainForm().windowTitle());
}

TEST(Session, ClosingUnloadsTheStyleWindowsAsTheyAreUnlessTheUserStays) {
    Desktop desktop;
    Session session(desktop.services);
    session.StartUp("");
    session.mainForm().SetItemText("Books");
    session.mainForm().SetNotLinked(1);
    session.mainForm().AddItem();
    session.menuStyle().Show();
    session.menuStyle().SetUnderline(1);

    desktop.prompt.Expect("Save Project?", Button::Cancel);
    EXPECT_FALSE(session.Close());
    EXPECT_TRUE(session.menuStyle().visible());

    desktop.prompt.Expect("Save Project?", Button::No);
    EXPECT_TRUE(session.Close());
    EXPECT_FALSE(session.menuStyle().visible());
    EXPECT_EQ(1, session.menuStyle().chkmnufntU().value) << "an unload neither commits nor reverts";
    EXPECT_EQ(0, session.project().menuStyle.underline);
}

} // namespace
} // namespace pickwell
