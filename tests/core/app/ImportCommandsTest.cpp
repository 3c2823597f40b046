#include "app/ImportCommands.h"
#include "ProjectFixture.h"
#include "ScriptedImportWindowDialog.h"

namespace pickwell {
namespace {

const std::string Data = std::string(PICKWELL_TEST_DATA) + "import/";

class ImportCommandsTest : public ProjectFixture {
protected:
    ScriptedImportWindowDialog window;
    ImportCommands commands{main, dialogs, window, prompt, "/home/ann/Documents/"};
};

TEST_F(ImportCommandsTest, OkAppendsThePreviewInOneStep) {
    main.AppendItems({{"Top", "top.html", false}});
    dialogs.openAnswers.push_back(Data + "site-nav.html");
    window.whileShown = [](ImportForm& form) {
        form.SetList(3);
        form.Accept();
    };
    commands.ImportItems();

    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].initialFolder, "/home/ann/Documents/");
    EXPECT_EQ(dialogs.openRequests[0].filterPattern, "*.html *.htm *.xml *.csv");
    EXPECT_EQ(window.status, "7 items will be added to the end of the list.");
    ASSERT_EQ(main.rowCount(), 3);
    EXPECT_EQ(project.items[1].text, "Privacy");
    EXPECT_EQ(project.items[2].url, "/terms.html");
    EXPECT_EQ(main.currentRow(), 3);
}

TEST_F(ImportCommandsTest, CancelAndDamagedFilesAddNothing) {
    dialogs.openAnswers.push_back(Data + "site-nav.html");
    commands.ImportItems();            // the window is cancelled
    dialogs.openAnswers.push_back(""); // the file dialog is cancelled
    commands.ImportItems();
    EXPECT_EQ(window.shown, 1);

    const std::string damaged = dir.path() + "/broken.csv";
    std::ofstream(damaged) << "Home,index.html\n\"About,about.html\n";
    dialogs.openAnswers.push_back(damaged);
    window.whileShown = [](ImportForm& form) { form.Accept(); };
    commands.ImportItems();
    EXPECT_EQ(window.status, "Line 2: a quoted field is not closed.");
    EXPECT_EQ(main.rowCount(), 0);
    EXPECT_FALSE(project.DirtyFlag);
}

TEST_F(ImportCommandsTest, AFileThatCannotBeReadIsReported) {
    project.ProjectPath = dir.path() + "/menu.pkw";
    dialogs.openAnswers.push_back(dir.path() + "/gone.csv");
    prompt.Expect("Oops!");
    commands.ImportItems();
    EXPECT_EQ(dialogs.openRequests[0].initialFolder, dir.path() + "/");
    EXPECT_EQ(window.shown, 0);
}

} // namespace
} // namespace pickwell
