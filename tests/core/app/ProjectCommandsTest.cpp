#include "app/ProjectCommands.h"

#include "ProjectFixture.h"

namespace pickwell {
namespace {

// A changed project holding one item "Mine"; other.pkw holds the three-item sample.
class ProjectCommandsTest : public ProjectFixture {
protected:
    ProjectCommandsTest() {
        dir.Write("other.pkw", ThreeItemFile);
        main.AppendLoadedItems({Item("Mine", "No", "")});
        main.SetMenuName("Changed"); // marks even a never-saved project
    }

    void ExpectUntouched() {
        ASSERT_EQ(1u, project.items.size());
        EXPECT_EQ("Mine", project.items[0].text);
        EXPECT_TRUE(project.DirtyFlag);
    }

    // The next save dialog chooses mine.pkw, whose writing then fails.
    void FailNextSave() {
        fileOps = FailingFileOps();
        fileOps.failAt = FailingFileOps::Step::Write;
        dialogs.saveAnswers.push_back(dir.File("mine.pkw"));
        prompt.Expect("Error");
    }

    ProjectCommands commands{workspace};
};

TEST_F(ProjectCommandsTest, CancelKeepsEverythingAndTheQuestionNamesWhatComesNext) {
    prompt.Expect("Save Project?", Button::Cancel);
    commands.New();
    EXPECT_EQ("This menu project has been changed. Would you like to save your changes before "
              "creating a new project? (Click \"Cancel\" to go back to Pickwell.)",
              prompt.last().text);
    EXPECT_EQ(MessageButtons::YesNoCancel, prompt.last().buttons);
    EXPECT_EQ(MessageIcon::Warning, prompt.last().icon);
    prompt.Expect("Save Project?", Button::Cancel);
    commands.OpenRecent(0);
    EXPECT_NE(std::string::npos, prompt.last().text.find("before loading another project?"));
    prompt.Expect("Save Project?", Button::Cancel);
    EXPECT_FALSE(commands.ConfirmClose());
    EXPECT_NE(std::string::npos, prompt.last().text.find("before closing?"));
    ExpectUntouched();
    EXPECT_TRUE(dialogs.saveRequests.empty());
    EXPECT_TRUE(dialogs.openRequests.empty());
}

TEST_F(ProjectCommandsTest, NewStartsOverUnlessASaveWasCancelled) {
    prompt.Expect("Save Project?", Button::Yes);
    commands.New(); // the save dialog is cancelled
    ExpectUntouched();

    prompt.Expect("Save Project?", Button::No);
    commands.New();
    EXPECT_TRUE(project.items.empty());
    EXPECT_FALSE(project.DirtyFlag);
    EXPECT_FALSE(project.HasProjectFile);
    EXPECT_FALSE(project.SaveCancelled);

    main.SetFrameName("frame"); // never saved: option edits are not changes
    commands.New();
}

TEST_F(ProjectCommandsTest, AnsweringYesNeverDropsChangesThatWereNotSaved) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        const bool fails = attempt == 1; // else the save dialog is cancelled
        prompt.Expect("Save Project?", Button::Yes);
        if (fails) {
            FailNextSave();
        }
        commands.Load();
        prompt.Expect("Save Project?", Button::Yes);
        if (fails) {
            FailNextSave();
        }
        commands.New();
        prompt.Expect("Save Project?", Button::Yes);
        if (fails) {
            FailNextSave();
        }
        EXPECT_FALSE(commands.ConfirmClose());
        ExpectUntouched();
        EXPECT_TRUE(dialogs.openRequests.empty());
    }
}

TEST_F(ProjectCommandsTest, AnsweringYesSavesAndGoesOn) {
    prompt.Expect("Save Project?", Button::Yes);
    dialogs.saveAnswers.push_back(dir.File("mine.pkw"));
    dialogs.openAnswers.push_back(dir.File("other.pkw"));
    commands.Load();
    EXPECT_EQ("Fruit", project.items.at(0).text);
    EXPECT_EQ(dir.File("other.pkw"), recent.StoredPath(0));
    EXPECT_EQ(dir.File("mine.pkw"), recent.StoredPath(1));

    commands.OpenRecent(1); // unchanged: no question
    EXPECT_EQ("Mine", project.items.at(0).text);
    EXPECT_EQ(dir.File("mine.pkw"), recent.StoredPath(0));
    EXPECT_TRUE(commands.ConfirmClose());

    commands.OpenRecent(3); // nothing stored there: the open dialog asks
    EXPECT_EQ(2u, dialogs.openRequests.size());
}

TEST_F(ProjectCommandsTest, ARecentEntryLoadsTheFileItShowedWhenChosen) {
    settings.SaveSetting("Recent Files", "1", dir.File("first.pkw"));
    settings.SaveSetting("Recent Files", "2", dir.File("other.pkw"));
    recent.RebuildRecentMenu();
    prompt.Expect("Save Project?", Button::Yes);
    dialogs.saveAnswers.push_back(dir.File("mine.pkw")); // becomes entry 1, other.pkw entry 3
    commands.OpenRecent(1);
    EXPECT_EQ("Fruit", project.items.at(0).text);
    EXPECT_EQ(dir.File("other.pkw"), recent.StoredPath(0));
}

TEST_F(ProjectCommandsTest, SaveLeavesTheProjectChangedExactlyWhenNothingWasWritten) {
    commands.Save(); // cancelled
    EXPECT_FALSE(project.SaveCancelled);
    EXPECT_TRUE(project.DirtyFlag);

    FailNextSave();
    commands.Save();
    EXPECT_TRUE(project.DirtyFlag);

    dialogs.saveAnswers.push_back(dir.File("mine.pkw"));
    commands.Save();
    EXPECT_FALSE(project.DirtyFlag);
    EXPECT_TRUE(commands.ConfirmClose());
}

} // namespace
} // namespace pickwell
