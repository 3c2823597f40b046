#include "app/RecentFiles.h"

#include "FakeSettingsStore.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

using Texts = std::vector<std::string>;

class RecentFilesTest : public ::testing::Test {
protected:
    // The shown entries' captions, "-" for a hidden entry.
    Texts Captions() {
        Texts captions;
        for (const RecentFileEntry& entry : recent.entries()) {
            captions.push_back(entry.visible ? entry.caption : "-");
        }
        return captions;
    }
    void Add(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            recent.AddToRecentFiles(std::string("/m/") + name);
        }
    }

    FakeSettingsStore settings;
    RecentFiles recent{settings};
};

TEST_F(RecentFilesTest, ShowsStoredEntriesUpToTheFirstWithoutAFileName) {
    EXPECT_EQ((Texts{"-", "-", "-", "-", "-"}), Captions());
    EXPECT_FALSE(recent.separatorVisible());
    settings.values[{"Recent Files", "1"}] = "/m/a.pkw";
    settings.values[{"Recent Files", "2"}] = "C:\\m\\b.pkw";
    settings.values[{"Recent Files", "3"}] = "no-folder.pkw";
    settings.values[{"Recent Files", "4"}] = "/m/d.pkw";
    recent.RebuildRecentMenu();
    EXPECT_EQ((Texts{"&1. a.pkw", "&2. b.pkw", "-", "-", "-"}), Captions());
    EXPECT_TRUE(recent.separatorVisible());
}

TEST_F(RecentFilesTest, KeepsTheLastFiveNewestFirst) {
    Add({"a"});
    EXPECT_EQ((Texts{"&1. a", "-", "-", "-", "-"}), Captions());
    Add({"b", "c", "d", "e", "f"});
    EXPECT_EQ((Texts{"&1. f", "&2. e", "&3. d", "&4. c", "&5. b"}), Captions());
    EXPECT_EQ("/m/b", recent.StoredPath(4));

    int changes = 0;
    recent.SetChangedCallback([&changes] { ++changes; });
    Add({"f"});
    EXPECT_EQ(0, changes);
}

TEST_F(RecentFilesTest, MovesAKnownFileToTheTopWithoutDuplicatingIt) {
    Add({"e", "d", "c", "b", "a"});
    Add({"c"});
    EXPECT_EQ((Texts{"&1. c", "&2. a", "&3. b", "&4. d", "&5. e"}), Captions());
    Add({"C"}); // another file: names compare exactly
    EXPECT_EQ((Texts{"&1. C", "&2. c", "&3. a", "&4. b", "&5. d"}), Captions());
}

} // namespace
} // namespace pickwell
