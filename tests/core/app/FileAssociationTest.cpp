#include "app/FileAssociation.h"

#include "Desktop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace pickwell {
namespace {

namespace fs = std::filesystem;

class FileAssociationTest : public ::testing::Test {
protected:
    FileAssociationTest() {
        folders = {temp.path() + "data",
                   {temp.path() + "system"},
                   temp.path() + "config",
                   temp.path() + "home"};
        std::ofstream(shipped + MimePackageName) << "<mime-info/>\n";
        std::ofstream(shipped + DesktopFileName) << "[Desktop Entry]\nName=Pickwell\n"
                                                    "Exec=pickwell %f\nMimeType="
                                                 << ProjectMimeType << ";\n";
    }
    bool Register() {
        return RegisterFileType(folders, shipped, "/opt/pick well/pickwell",
                                [this](const std::vector<std::string>& command) {
                                    commands.push_back(command.front());
                                });
    }

    ScratchFolder temp;
    std::string shipped = temp.path();
    XdgFolders folders;
    std::vector<std::string> commands;
};

TEST_F(FileAssociationTest, TheFirstStartRegistersTheTypeAndTheNextWritesNothing) {
    fs::create_directories(folders.configHome);
    std::ofstream(folders.configHome + "/mimeapps.list")
        << "[Default Applications]\ntext/html=firefox.desktop;\n[Added Associations]\n";
    ASSERT_TRUE(Register());
    EXPECT_EQ("<mime-info/>\n", ReadBytes(folders.dataHome + "/mime/packages/" + MimePackageName));
    EXPECT_NE(std::string::npos, ReadBytes(folders.dataHome + "/applications/" + DesktopFileName)
                                     .find("\nExec=\"/opt/pick well/pickwell\" %f\n"));
    EXPECT_EQ("[Default Applications]\ntext/html=firefox.desktop;\n"
              "application/x-pickwell-project=com.brackenfield.Pickwell.desktop;\n"
              "[Added Associations]\n",
              ReadBytes(folders.configHome + "/mimeapps.list"));
    EXPECT_EQ((std::vector<std::string>{"update-mime-database", "update-desktop-database"}),
              commands);
    EXPECT_TRUE(IsFileTypeRegistered(folders));

    commands.clear();
    const auto written = fs::last_write_time(folders.configHome + "/mimeapps.list");
    EXPECT_FALSE(Register());
    EXPECT_TRUE(commands.empty());
    EXPECT_EQ(written, fs::last_write_time(folders.configHome + "/mimeapps.list"));
}

TEST_F(FileAssociationTest, ASystemWideInstallCountsUnlessTheUserChoseAnotherProgram) {
    for (const std::string& file : {std::string("mime/packages/") + MimePackageName,
                                    std::string("applications/") + DesktopFileName}) {
        const fs::path path = fs::path(folders.dataDirs[0]) / file;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "x";
    }
    EXPECT_FALSE(Register());
    EXPECT_FALSE(fs::exists(folders.dataHome));

    fs::create_directories(folders.configHome);
    std::ofstream(folders.configHome + "/mimeapps.list")
        << "[Default Applications]\napplication/x-pickwell-project=other.desktop;\n";
    EXPECT_TRUE(Register());
}

TEST_F(FileAssociationTest, AWriteThatFailsLeavesStartUpToGoOn) {
    std::ofstream(temp.path() + "blocked") << "a file where a folder should be";
    folders.dataHome = temp.path() + "blocked";
    EXPECT_FALSE(Register());
    EXPECT_TRUE(commands.empty());
    EXPECT_FALSE(RegisterFileType(folders, temp.path() + "missing/", "pickwell", {}));
}

} // namespace
} // namespace pickwell
