#include "app/DocumentsFolder.h"

#include "Desktop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace pickwell {
namespace {

namespace fs = std::filesystem;

// A made-up home whose user-dirs.dirs names "Dokumente" as the documents folder, as
// xdg-user-dirs writes it for a German desktop.
class DocumentsFolderTest : public ::testing::Test {
protected:
    DocumentsFolderTest() {
        folders.home = temp.path() + "ann";
        folders.configHome = folders.home + "/.config";
        fs::create_directories(folders.configHome);
        std::ofstream(folders.configHome + "/user-dirs.dirs")
            << "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
               "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\nXDG_MUSIC_DIR=\"$HOME/Musik\"\n";
    }

    ScratchFolder temp;
    XdgFolders folders;
};

TEST_F(DocumentsFolderTest, IsTheFolderTheUserDirsNameWhenItExists) {
    fs::create_directory(folders.home + "/Dokumente");
    EXPECT_EQ(folders.home + "/Dokumente/", DocumentsFolder(folders));
}

TEST_F(DocumentsFolderTest, IsTheHomeFolderWhenTheNamedFolderDoesNotExist) {
    fs::create_directory(folders.home + "/Musik");
    EXPECT_EQ(folders.home + "/", DocumentsFolder(folders));
}

TEST_F(DocumentsFolderTest, TakesAnAbsolutePathAndTheLastSetting) {
    const std::string elsewhere = temp.path() + "papers";
    fs::create_directory(elsewhere);
    std::ofstream(folders.configHome + "/user-dirs.dirs", std::ios::app)
        << "  XDG_DOCUMENTS_DIR=\"" << elsewhere << "\"\r\n";
    EXPECT_EQ(elsewhere + "/", DocumentsFolder(folders));

    fs::remove(folders.configHome + "/user-dirs.dirs");
    EXPECT_EQ(folders.home + "/", DocumentsFolder(folders));
}

} // namespace
} // namespace pickwell
