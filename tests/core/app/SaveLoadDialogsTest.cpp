#include "app/SaveLoadDialogs.h"

#include "ScriptedFileDialogs.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

TEST(FileNamePart, TakesTheTextAfterTheLastSeparatorOfEitherKind) {
    EXPECT_EQ("shop.pkw", FileNamePart("C:\\menus\\shop.pkw"));
    EXPECT_EQ("shop.pkw", FileNamePart("/home/ann/menus/shop.pkw"));
    EXPECT_EQ("b.pkw", FileNamePart("/x\\a/b.pkw"));
    EXPECT_EQ("", FileNamePart("shop.pkw"));
    EXPECT_EQ("", FileNamePart("/home/ann/"));
}

TEST(CutAtNul, StopsAtTheFirstNul) {
    EXPECT_EQ("/a/b.pkw", CutAtNul(std::string("/a/b.pkw\0old name", 17)));
    EXPECT_EQ("plain", CutAtNul("plain"));
}

TEST(SaveLoadDialogs, BuildTheRequestFromTheOneLineFilter) {
    ScriptedFileDialogs dialogs;
    dialogs.saveAnswers = {"/menus/shop.pkw"};
    EXPECT_EQ("/menus/shop.pkw", ShowSaveDialog(dialogs, "Pickwell Project File (*.pkw)|*.pkw",
                                                "Save Menu Project as...", "/menus/", "old.pkw"));
    const FileDialogRequest& save = dialogs.saveRequests.at(0);
    EXPECT_EQ("Save Menu Project as...", save.title);
    EXPECT_EQ("Pickwell Project File (*.pkw)", save.filterDescription);
    EXPECT_EQ("*.pkw", save.filterPattern);
    EXPECT_EQ("/menus/", save.initialFolder);
    EXPECT_EQ("old.pkw", save.proposedName);

    EXPECT_EQ("", ShowOpenDialog(dialogs, "HTML File (*.html)|*.html|", "Open", "/x/"));
    const FileDialogRequest& open = dialogs.openRequests.at(0);
    EXPECT_EQ("HTML File (*.html)", open.filterDescription);
    EXPECT_EQ("*.html", open.filterPattern);
    EXPECT_EQ("", open.proposedName);
}

} // namespace
} // namespace pickwell
