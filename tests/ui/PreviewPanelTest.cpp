#include "ui/PreviewPanel.h"

#include "Desktop.h"
#include "FindChild.h"
#include "app/Session.h"
#include "ui/MainWindow.h"
#include "ui/PreviewDock.h"

#include <QAction>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace pickwell {
namespace {

struct BrokenModule {
    const char* name;
    // "" for a file that is not there.
    const char* contents;
    const char* note;
};

class PreviewPanelWithout : public ::testing::TestWithParam<BrokenModule> {
protected:
    ScratchFolder folder;
};

TEST_P(PreviewPanelWithout, ItsModuleSaysSoInOneLine) {
    const std::string path = folder.path() + "pickwell_preview.so";
    if (*GetParam().contents != '\0') {
        std::ofstream(path) << GetParam().contents;
    }
    int pages = 0;
    PreviewPanel panel(
        [&pages] {
            ++pages;
            return PreviewPage();
        },
        {}, QString::fromStdString(path));
    panel.show();

    auto* note = FindChild<QLabel>(panel, "previewNote");
    QTRY_COMPARE(note->text(), QString::fromLatin1(GetParam().note));
    EXPECT_EQ(nullptr, panel.pane());
    EXPECT_FALSE(note->text().contains('\n'));
    EXPECT_EQ(0, pages);
}

INSTANTIATE_TEST_SUITE_P(
    Module, PreviewPanelWithout,
    ::testing::Values(BrokenModule{"Missing", "",
                                   "The preview cannot be shown: its module is missing."},
                      BrokenModule{"NotALibrary", "not a library",
                                   "The preview cannot be shown: its module did not load."}),
    [](const auto& info) { return std::string(info.param.name); });

class PreviewDockTest : public ::testing::Test {
protected:
    PreviewDockTest() { session.StartUp(""); }

    Desktop desktop;
    Session session{desktop.services};
};

TEST_F(PreviewDockTest, TheViewMenuHidesThePaneAndTheNextRunRemembers) {
    {
        MainWindow window(session);
        window.show();
        auto* dock = FindChild<PreviewDock>(window, "previewDock");
        EXPECT_TRUE(dock->isVisible());
        FindChild<QAction>(window, "mnuViewPreview")->trigger();
        EXPECT_FALSE(dock->isVisible());
        EXPECT_EQ("0", desktop.settings.GetSetting("Options", "Preview Pane", ""));
        // Closing the window is no choice of the user's.
        window.close();
    }
    EXPECT_EQ("0", desktop.settings.GetSetting("Options", "Preview Pane", ""));
    MainWindow next(session);
    next.show();
    auto* dock = FindChild<PreviewDock>(next, "previewDock");
    EXPECT_FALSE(dock->isVisible());
    FindChild<QAction>(next, "mnuViewPreview")->trigger();
    EXPECT_TRUE(dock->isVisible());
    EXPECT_EQ("1", desktop.settings.GetSetting("Options", "Preview Pane", ""));
}

} // namespace
} // namespace pickwell
