#include "app/Recovery.h"

#include "Desktop.h"
#include "FakeRecoveryPlatform.h"
#include "app/Session.h"
#include "persistence/ProjectFile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace pickwell {
namespace {

constexpr const char* OfferTitle = "Restore Unsaved Work?";

// One run of the program: its own desktop doubles, and recovery files in the shared folder.
struct Program {
    Program(const std::string& folder, long processId)
        : recovery(folder) {
        recovery.processId = processId;
        desktop.services.recovery = &recovery;
        desktop.fonts.fonts.push_back("DejaVu Sans");
    }
    void Start(const std::string& argument = "") {
        session = std::make_unique<Session>(desktop.services);
        session->StartUp(argument);
    }
    void AddItem(const std::string& text) {
        session->mainForm().SetItemText(text);
        session->mainForm().SetDefaultSelected(0);
        session->mainForm().AddItem();
    }
    std::string File(const char* ending) const { return session->recovery()->base() + ending; }

    FakeRecoveryPlatform recovery;
    Desktop desktop;
    std::unique_ptr<Session> session;
};

class RecoveryTest : public ::testing::Test {
protected:
    bool NoFilesLeft() const { return std::filesystem::is_empty(folder.path()); }
    std::string Shop() const {
        const std::string path = files.path() + "shop.pkw";
        std::filesystem::copy_file(PICKWELL_TEST_DATA "cli_shop.pkw", path);
        return path;
    }

    ScratchFolder folder;
    ScratchFolder files;
};

TEST_F(RecoveryTest, AChangeStartsOneDelayAfterWhichTheProjectFileBytesAreWritten) {
    Program program(folder.path(), 4242);
    program.Start();
    EXPECT_FALSE(program.recovery.timerRunning()) << "an idle program is never woken";

    program.AddItem("   Home");
    program.AddItem("Shop");
    ASSERT_TRUE(program.recovery.timerRunning());
    EXPECT_EQ(Recovery::WriteDelay, program.recovery.delay);
    EXPECT_EQ(1, program.recovery.timerStarts);
    EXPECT_FALSE(std::filesystem::exists(program.File(".pkw")));

    program.recovery.now = 1'700'000'030;
    program.recovery.FireTimer();
    EXPECT_EQ(ProjectFileBytes(program.session->project()), ReadBytes(program.File(".pkw")));
    const std::optional<RecoveryInfo> info = ParseRecoveryInfo(ReadBytes(program.File(".info")));
    ASSERT_TRUE(info);
    EXPECT_EQ((RecoveryInfo{4242, 1'700'000'030, "", false, 2, {"Home", "Shop"}}), *info);
    EXPECT_FALSE(program.recovery.timerRunning());
}

TEST_F(RecoveryTest, AnOptionEditOfANewProjectIsUnsavedWorkUntilItIsUndone) {
    Program program(folder.path(), 4242);
    program.Start();
    MainForm& main = program.session->mainForm();
    main.SetButtonText("Buy");
    ASSERT_FALSE(program.session->project().DirtyFlag);
    program.recovery.FireTimer();
    EXPECT_TRUE(std::filesystem::exists(program.File(".pkw")));

    main.SetButtonText("Go");
    program.recovery.FireTimer();
    EXPECT_FALSE(std::filesystem::exists(program.File(".pkw")));
    EXPECT_FALSE(std::filesystem::exists(program.File(".info")));
}

// Keeps the steps the undo stack would take.
struct Steps : EditHistoryListener {
    void StepRecorded(EditStep step) override { steps.push_back(std::move(step)); }
    void HistoryCleared(bool) override { steps.clear(); }
    void ProjectSaved() override {}
    std::vector<EditStep> steps;
};

TEST_F(RecoveryTest, UndoingBackToTheSavedStateRemovesTheWork) {
    Program program(folder.path(), 4242);
    Steps undo;
    program.session = std::make_unique<Session>(program.desktop.services);
    program.session->editHistory().SetListener(&undo);
    program.session->StartUp(Shop());
    program.AddItem("Sale");
    program.recovery.FireTimer();
    ASSERT_TRUE(std::filesystem::exists(program.File(".pkw")));
    ASSERT_EQ(1u, undo.steps.size());

    program.session->editHistory().Undo(undo.steps.back(), true);
    EXPECT_FALSE(program.session->project().DirtyFlag);
    EXPECT_FALSE(std::filesystem::exists(program.File(".pkw")));
    EXPECT_FALSE(std::filesystem::exists(program.File(".info")));
}

enum class Ending { Save, New, Close };

class RecoveryEndingTest : public RecoveryTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(RecoveryEndingTest, RemovesTheWork) {
    Program program(folder.path(), 4242);
    program.Start();
    program.AddItem("Home");
    program.recovery.FireTimer();
    ASSERT_TRUE(std::filesystem::exists(program.File(".pkw")));
    program.AddItem("Shop");
    Session& session = *program.session;
    switch (GetParam()) {
    case Ending::Save:
        program.desktop.fileDialogs.saveAnswers.push_back(program.desktop.temp.path() + "m.pkw");
        session.projectCommands().Save();
        break;
    case Ending::New:
        program.desktop.prompt.Expect("Save Project?", Button::No);
        session.projectCommands().New();
        break;
    case Ending::Close:
        program.desktop.prompt.Expect("Save Project?", Button::No);
        ASSERT_TRUE(session.Close());
        EXPECT_FALSE(std::filesystem::exists(program.File(".lock")));
        break;
    }
    EXPECT_FALSE(std::filesystem::exists(program.File(".pkw")));
    EXPECT_FALSE(std::filesystem::exists(program.File(".info")));
    EXPECT_FALSE(program.recovery.timerRunning());
}

INSTANTIATE_TEST_SUITE_P(Recovery, RecoveryEndingTest,
                         ::testing::Values(Ending::Save, Ending::New, Ending::Close),
                         [](const ::testing::TestParamInfo<Ending>& info) {
                             switch (info.param) {
                             case Ending::Save:
                                 return "Save";
                             case Ending::New:
                                 return "NewAnsweredNo";
                             case Ending::Close:
                                 return "CloseAnsweredNo";
                             }
                             return "";
                         });

TEST_F(RecoveryTest, ASignalKeepsTheWorkWhichTheNextStartRestoresAsChangedWithItsPath) {
    const std::string shop = Shop();
    std::string kept;
    {
        Program died(folder.path(), 4242);
        died.Start(shop);
        died.AddItem("Sale");
        died.session->CloseOnSignal(); // no question: the doubles fail on any prompt
        kept = ReadBytes(died.File(".pkw"));
    }
    ASSERT_EQ(ProjectFileBytes([&] {
                  Program reference(folder.path(), 1);
                  reference.desktop.services.recovery = nullptr;
                  reference.Start(shop);
                  reference.AddItem("Sale");
                  return reference.session->project();
              }()),
              kept);

    Program next(folder.path(), 5151);
    next.desktop.prompt.Expect(OfferTitle, Button::Yes);
    next.Start();
    const Message& offer = next.desktop.prompt.last();
    EXPECT_EQ(MessageButtons::TwoChoices, offer.buttons);
    EXPECT_EQ("Restore", offer.yesText);
    EXPECT_EQ("Discard", offer.noText);
    EXPECT_NE(std::string::npos, offer.text.find("Unsaved work on \"shop.pkw\" was kept at "))
        << offer.text;
    EXPECT_NE(std::string::npos,
              offer.text.find("It holds 6 items: \"Shop\", \"Books\", \"Caf\xC3\xA9\", ..."))
        << offer.text;

    const MenuProject& project = next.session->project();
    EXPECT_TRUE(project.DirtyFlag);
    EXPECT_TRUE(project.HasProjectFile);
    EXPECT_EQ(shop, project.ProjectPath);
    EXPECT_EQ("Pickwell - shop.pkw", next.session->mainForm().windowTitle());
    next.desktop.fileDialogs.saveAnswers.push_back(shop);
    next.session->projectCommands().Save();
    EXPECT_EQ(kept, ReadBytes(shop));
}

TEST_F(RecoveryTest, ARunningProgramsWorkIsNotOffered) {
    Program running(folder.path(), 4242);
    running.Start();
    running.AddItem("Home");
    running.recovery.FireTimer();

    Program second(folder.path(), 5151);
    second.recovery.running.insert(running.File(".lock"));
    second.Start();
    EXPECT_TRUE(second.desktop.prompt.shown().empty());
    EXPECT_TRUE(std::filesystem::exists(running.File(".pkw")));
    EXPECT_NE(running.File(".pkw"), second.File(".pkw"));
}

TEST_F(RecoveryTest, EscapeKeepsTheWorkForTheNextStartAndDiscardDeletesIt) {
    {
        Program died(folder.path(), 4242);
        died.Start();
        died.AddItem("Home");
        died.recovery.FireTimer();
    }
    {
        Program escaped(folder.path(), 5151);
        escaped.desktop.prompt.Expect(OfferTitle, Button::Cancel);
        escaped.Start();
        EXPECT_NE(std::string::npos,
                  escaped.desktop.prompt.last().text.find("on a new project was kept"));
        EXPECT_TRUE(escaped.session->project().items.empty());
        escaped.session->Close();
    }
    Program discarded(folder.path(), 6161);
    discarded.desktop.prompt.Expect(OfferTitle, Button::No);
    discarded.Start();
    EXPECT_TRUE(discarded.session->project().items.empty());
    discarded.session->Close();
    EXPECT_TRUE(NoFilesLeft());
}

} // namespace
} // namespace pickwell
