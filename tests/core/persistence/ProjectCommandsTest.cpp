#include "persistence/ProjectCommands.h"

#include "ProjectFixture.h"

namespace pickwell {
namespace {

class ProjectCommandsTest : public ProjectFixture {
protected:
    ProjectCommandsTest() {
        dir.Write("other.pkw", ReadOther());
        main.AppendLoadedItem(Item("Mine", "No", ""));
        main.SetMenuName("Changed"); // marks even a never-saved project
    }

    // A valid project file holding one item "Other".
    std::string ReadOther() {
        MenuProject scratch;
        ColourFieldContext c{prompt, colorDialog, {}, false};
        MainForm m{scratch, c};
        MenuStyleForm ms{scratch, c, settings, notices};
        ButtonStyleForm bs{scratch, c, settings, notices};
        FillFontLists(fonts, ms, bs);
        RecentFiles r{settings};
        m.AppendLoadedItem(Item("Other", "No", ""));
        Workspace w{scratch, m, ms, bs, prompt, settings, dialogs, r, "/opt/pickwell/"};
        dialogs.saveAnswers.push_back(dir.File("other.pkw"));
        SaveProject(w);
        dialogs.saveRequests.clear();
        settings.values.clear();
        return ReadWholeFile(dir.File("other.pkw")).bytes;
    }

    void ExpectUntouched() {
        ASSERT_EQ(1u, project.items.size());
        EXPECT_EQ("Mine", project.items[0].text);
        EXPECT_TRUE(project.DirtyFlag);
    }

    void FailNextWrite() {
        fileOps = FailingFileOps();
        fileOps.failAt = FailingFileOps::Step::Write;
    }

    ProjectCommands commands{workspace};
};

TEST_F(ProjectCommandsTest, TheQuestionNamesWhatComesNext) {
    prompt.Expect("Save Project?", Button::Cancel);
    commands.New();
    EXPECT_EQ("This menu project has been changed. Would you like to save your changes before "
              "creating a new project? (Click \"Cancel\" to go back to Pickwell.)",
              prompt.last().text);
    EXPECT_EQ(MessageButtons::YesNoCancel, prompt.last().buttons);
    EXPECT_EQ(MessageIcon::Warning, prompt.last().icon);
    prompt.Expect("Save Project?", Button::Cancel);
    commands.Load();
    EXPECT_NE(std::string::npos, prompt.last().text.find("before loading another project?"));
    prompt.Expect("Save Project?", Button::Cancel);
    EXPECT_FALSE(commands.ConfirmClose());
    EXPECT_NE(std::string::npos, prompt.last().text.find("before closing?"));
    ExpectUntouched();
    EXPECT_TRUE(dialogs.saveRequests.empty());
    EXPECT_TRUE(dialogs.openRequests.empty());
}

TEST_F(ProjectCommandsTest, NewAsksOnlyForChangesAndKeepsThemWhenTheSaveIsCancelled) {
    prompt.Expect("Save Project?", Button::Yes);
    commands.New(); // the save dialog is cancelled
    ExpectUntouched();
    EXPECT_TRUE(project.SaveCancelled);

    prompt.Expect("Save Project?", Button::No);
    commands.New();
    EXPECT_TRUE(project.items.empty());
    EXPECT_FALSE(project.DirtyFlag);
    EXPECT_FALSE(project.HasProjectFile);
    EXPECT_FALSE(project.SaveCancelled);
    EXPECT_EQ(1u, dialogs.saveRequests.size());

    main.SetFrameName("frame"); // never saved: option edits do not count as changes
    commands.New();
}

TEST_F(ProjectCommandsTest, AnsweringYesNeverDropsChangesThatWereNotSaved) {
    prompt.Expect("Save Project?", Button::Yes);
    commands.Load();
    prompt.Expect("Save Project?", Button::Yes);
    commands.OpenRecent(0);
    prompt.Expect("Save Project?", Button::Yes);
    EXPECT_FALSE(commands.ConfirmClose());
    ExpectUntouched();
    EXPECT_TRUE(dialogs.openRequests.empty());

    FailNextWrite();
    prompt.Expect("Save Project?", Button::Yes);
    prompt.Expect("Error");
    dialogs.saveAnswers.push_back(dir.File("mine.pkw"));
    commands.New();
    FailNextWrite();
    prompt.Expect("Save Project?", Button::Yes);
    prompt.Expect("Error");
    dialogs.saveAnswers.push_back(dir.File("mine.pkw"));
    EXPECT_FALSE(commands.ConfirmClose());
    ExpectUntouched();
}

TEST_F(ProjectCommandsTest, AnsweringYesSavesAndThenGoesOn) {
    prompt.Expect("Save Project?", Button::Yes);
    dialogs.saveAnswers.push_back(dir.File("mine.pkw"));
    dialogs.openAnswers.push_back(dir.File("other.pkw"));
    commands.Load();
    ASSERT_EQ(1u, project.items.size());
    EXPECT_EQ("Other", project.items[0].text);
    EXPECT_EQ("Pickwell - other.pkw", main.windowTitle());
    EXPECT_EQ(dir.File("other.pkw"), recent.StoredPath(0));
    EXPECT_EQ(dir.File("mine.pkw"), recent.StoredPath(1));

    commands.OpenRecent(1); // unchanged: no question
    EXPECT_EQ("Mine", project.items.at(0).text);
    EXPECT_EQ(dir.File("mine.pkw"), recent.StoredPath(0));
    EXPECT_TRUE(commands.ConfirmClose());
}

TEST_F(ProjectCommandsTest, SaveLeavesTheChangedMarkExactlyWhenNothingWasWritten) {
    commands.Save(); // cancelled
    EXPECT_FALSE(project.SaveCancelled);
    EXPECT_TRUE(project.DirtyFlag);

    FailNextWrite();
    prompt.Expect("Error");
    dialogs.saveAnswers.push_back(dir.File("mine.pkw"));
    commands.Save();
    EXPECT_TRUE(project.DirtyFlag);

    dialogs.saveAnswers.push_back(dir.File("mine.pkw"));
    commands.Save();
    EXPECT_FALSE(project.DirtyFlag);
    EXPECT_TRUE(project.HasProjectFile);
    EXPECT_TRUE(commands.ConfirmClose());
}

TEST_F(ProjectCommandsTest, ARecentEntryLoadsItsStoredPathAfterNo) {
    recent.AddToRecentFiles(dir.File("other.pkw"));
    prompt.Expect("Save Project?", Button::No);
    commands.OpenRecent(0);
    EXPECT_EQ("Other", project.items.at(0).text);
    EXPECT_TRUE(dialogs.openRequests.empty());

    commands.OpenRecent(3); // nothing stored there: the open dialog asks
    EXPECT_EQ(1u, dialogs.openRequests.size());
    EXPECT_EQ("Other", project.items.at(0).text);
}

} // namespace
} // namespace pickwell
