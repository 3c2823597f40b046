#include "ProjectFixture.h"

#include <cstring>
#include <filesystem>
#include <sys/stat.h>

namespace pickwell {
namespace {

// Saving and the project dialogs: what the user is asked, and what a failed or redirected save
// leaves on disk.
using ProjectSaveTest = ProjectFixture;

TEST_F(ProjectSaveTest, TheSaveDialogProposesTheLastNameInTheLastFolder) {
    project.DirtyFlag = true;
    EXPECT_EQ(SaveResult::Cancelled, SaveProject(workspace));
    const FileDialogRequest& first = dialogs.saveRequests.at(0);
    EXPECT_EQ("Save Menu Project as...", first.title);
    EXPECT_EQ("Pickwell Project File (*.pkw)", first.filterDescription);
    EXPECT_EQ("*.pkw", first.filterPattern);
    EXPECT_EQ("/home/ann/Documents/", first.initialFolder);
    EXPECT_EQ("", first.proposedName);
    EXPECT_TRUE(project.SaveCancelled);
    EXPECT_TRUE(project.DirtyFlag);
    EXPECT_EQ("Pickwell", main.windowTitle());

    ASSERT_EQ(SaveResult::Saved, SaveAs(dir.File("shop.pkw") + std::string(1, '\0') + "junk"));
    EXPECT_EQ(dir.File("shop.pkw"), project.ProjectPath);
    SaveProject(workspace);
    EXPECT_EQ("shop.pkw", dialogs.saveRequests.at(2).proposedName);
    EXPECT_EQ(dir.File("shop.pkw"), dialogs.saveRequests.at(2).initialFolder);
}

TEST_F(ProjectSaveTest, SavingOverAFileReplacesAllOfIt) {
    dir.Write("shop.pkw", std::string(ThreeItemFile) + "[Extra]\r\nkept=no\r\n");
    ASSERT_EQ(SaveResult::Saved, SaveAs(dir.File("shop.pkw")));
    EXPECT_EQ(std::string::npos, ReadWholeFile(dir.File("shop.pkw")).bytes.find("Extra"));
}

TEST_F(ProjectSaveTest, AFailedSaveKeepsTheOldFileAndTheChangesProtected) {
    for (const FailingFileOps::Fault& fault : FailingFileOps::Faults) {
        SCOPED_TRACE(fault.name);
        dir.Write("shop.pkw", ThreeItemFile);
        ASSERT_TRUE(LoadProject(workspace, dir.File("shop.pkw")));
        main.SetMenuName("Changed");
        ASSERT_TRUE(project.DirtyFlag);
        fileOps.Arm(fault);
        prompt.Expect("Error");
        EXPECT_EQ(SaveResult::Failed, SaveAs(dir.File("other.pkw")));
        EXPECT_EQ(SaveErrorMessage(std::strerror(fault.error)).text, prompt.last().text);
        EXPECT_TRUE(project.DirtyFlag);
        EXPECT_FALSE(project.SaveCancelled);
        EXPECT_EQ(dir.File("shop.pkw"), project.ProjectPath);
        EXPECT_EQ("Pickwell - shop.pkw", main.windowTitle());
        EXPECT_EQ(dir.File("shop.pkw"), recent.StoredPath(0));
        EXPECT_EQ(std::vector<std::string>{"shop.pkw"}, dir.Names());

        fileOps.Arm(fault);
        prompt.Expect("Error");
        EXPECT_EQ(SaveResult::Failed, SaveAs(dir.File("shop.pkw"))); // over the file itself
        EXPECT_EQ(ThreeItemFile, ReadWholeFile(dir.File("shop.pkw")).bytes);
        EXPECT_EQ(std::vector<std::string>{"shop.pkw"}, dir.Names());
        EXPECT_TRUE(project.DirtyFlag);
    }
}

TEST_F(ProjectSaveTest, SavingThroughALinkWritesItsTargetAndKeepsThePermissionBits) {
    dir.Write("shop.pkw", ThreeItemFile);
    ::chmod(dir.File("shop.pkw").c_str(), 0640);
    std::filesystem::create_symlink("shop.pkw", dir.File("link.pkw"));
    ASSERT_TRUE(LoadProject(workspace, dir.File("link.pkw")));
    main.SetMenuName("Changed");

    ASSERT_EQ(SaveResult::Saved, SaveAs(dir.File("link.pkw")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.pkw")));
    EXPECT_NE(std::string::npos,
              ReadWholeFile(dir.File("shop.pkw")).bytes.find("Menu Name=Changed\r\n"));
    EXPECT_EQ(std::filesystem::perms(0640),
              std::filesystem::status(dir.File("shop.pkw")).permissions() &
                  std::filesystem::perms::mask);
    EXPECT_FALSE(project.DirtyFlag);
}

TEST_F(ProjectSaveTest, ACancelledOpenDialogChangesNothing) {
    main.AppendLoadedItems({Item("Stays", "No", "")});
    EXPECT_FALSE(LoadProject(workspace, ""));
    EXPECT_EQ("Load Menu Project...", dialogs.openRequests.at(0).title);
    EXPECT_EQ("/home/ann/Documents/", dialogs.openRequests.at(0).initialFolder);
    EXPECT_EQ(1u, project.items.size());
    EXPECT_TRUE(settings.values.empty());
}

} // namespace
} // namespace pickwell
