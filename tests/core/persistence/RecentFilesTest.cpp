#include "persistence/RecentFiles.h"

#include "FakeSettingsStore.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

class RecentFilesTest : public ::testing::Test {
protected:
    std::vector<std::string> Stored() {
        std::vector<std::string> paths;
        for (int i = 0; i < RecentFiles::EntryCount; ++i) {
            paths.push_back(recent.StoredPath(i));
        }
        return paths;
    }
    std::vector<std::string> Captions() {
        std::vector<std::string> captions;
        for (const RecentFileEntry& entry : recent.entries()) {
            captions.push_back(entry.visible ? entry.caption : "-");
        }
        return captions;
    }

    FakeSettingsStore settings;
    RecentFiles recent{settings};
    int changes = 0;
};

TEST_F(RecentFilesTest, StartsHiddenAndShowsStoredEntriesUpToTheFirstWithoutAName) {
    EXPECT_EQ((std::vector<std::string>{"-", "-", "-", "-", "-"}), Captions());
    EXPECT_FALSE(recent.separatorVisible());
    settings.values[{"Recent Files", "1"}] = "/m/a.pkw";
    settings.values[{"Recent Files", "2"}] = "C:\\m\\b.pkw";
    settings.values[{"Recent Files", "3"}] = "no-folder.pkw";
    settings.values[{"Recent Files", "4"}] = "/m/d.pkw";
    recent.RebuildRecentMenu();
    EXPECT_EQ((std::vector<std::string>{"&1. a.pkw", "&2. b.pkw", "-", "-", "-"}), Captions());
    EXPECT_TRUE(recent.separatorVisible());
}

TEST_F(RecentFilesTest, KeepsTheLastFiveNewestFirst) {
    recent.SetChangedCallback([this] { ++changes; });
    for (const char* name : {"a", "b", "c", "d", "e", "f"}) {
        recent.AddToRecentFiles(std::string("/m/") + name + ".pkw");
    }
    EXPECT_EQ(
        (std::vector<std::string>{"/m/f.pkw", "/m/e.pkw", "/m/d.pkw", "/m/c.pkw", "/m/b.pkw"}),
        Stored());
    EXPECT_EQ(
        (std::vector<std::string>{"&1. f.pkw", "&2. e.pkw", "&3. d.pkw", "&4. c.pkw", "&5. b.pkw"}),
        Captions());

    const int before = changes;
    recent.AddToRecentFiles("/m/f.pkw");
    EXPECT_EQ(before, changes);
    EXPECT_EQ("/m/f.pkw", recent.StoredPath(0));
    EXPECT_EQ("/m/b.pkw", recent.StoredPath(4));
}

TEST_F(RecentFilesTest, MovesAKnownFileToTheTopWithoutDuplicatingIt) {
    for (const char* name : {"e", "d", "c", "b", "a"}) {
        recent.AddToRecentFiles(std::string("/m/") + name + ".pkw");
    }
    recent.AddToRecentFiles("/m/c.pkw");
    EXPECT_EQ(
        (std::vector<std::string>{"/m/c.pkw", "/m/a.pkw", "/m/b.pkw", "/m/d.pkw", "/m/e.pkw"}),
        Stored());

    recent.AddToRecentFiles("/m/C.pkw"); // another file: names compare exactly
    EXPECT_EQ("/m/C.pkw", recent.StoredPath(0));
    EXPECT_EQ("/m/d.pkw", recent.StoredPath(4));
}

TEST_F(RecentFilesTest, AShortListGrowsOneEntryAtATime) {
    recent.AddToRecentFiles("/m/a.pkw");
    recent.AddToRecentFiles("/m/b.pkw");
    EXPECT_EQ((std::vector<std::string>{"&1. b.pkw", "&2. a.pkw", "-", "-", "-"}), Captions());
    EXPECT_EQ("", recent.StoredPath(2));
}

} // namespace
} // namespace pickwell
