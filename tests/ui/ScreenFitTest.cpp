#include "ui/ScreenFit.h"

#include "Desktop.h"
#include "FindChild.h"
#include "app/HelpTopics.h"
#include "app/Session.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QScrollArea>
#include <QTreeView>

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace pickwell {
namespace {

// A screen of the given size in device pixels at a display scale, with a 32-pixel top panel
// and 37-pixel title bars, as GNOME draws them, in device-independent pixels.
struct Screen {
    const char* name;
    int width;
    int height;
    double scale;
};

void PrintTo(const Screen& screen, std::ostream* out) {
    *out << screen.name;
}

ScreenRoom RoomOn(const Screen& screen) {
    constexpr int Panel = 32;
    constexpr int TitleBar = 37;
    const auto logical = [&](int pixels) {
        return static_cast<int>(std::floor(pixels / screen.scale));
    };
    return {QRect(0, Panel, logical(screen.width), logical(screen.height) - Panel),
            QMargins(0, TitleBar, 0, 0)};
}

class ScreenFitTest : public ::testing::TestWithParam<Screen> {
protected:
    ScreenFitTest() { desktop.fonts.fonts.push_back("DejaVu Sans"); }

    // True when the window, with its frame, lies within the screen's usable area.
    bool WithinScreen(const QWidget& window) const {
        return room.available.contains(window.geometry().marginsAdded(room.frame));
    }

    Desktop desktop;
    Session session{desktop.services};
    ScreenRoom room = RoomOn(GetParam());
    ScreenFitter fitter{[this](const QWidget*) { return room; }};
};

TEST_P(ScreenFitTest, TheMainWindowOpensWithinTheScreenAndShowsEveryColumnOfTheList) {
    session.StartUp("");
    MainWindow window(session);
    desktop.fileDialogs.openAnswers.push_back(PICKWELL_TEST_DATA "cli_shop.pkw");
    FindChild<QAction>(window, "mnuFileLoad")->trigger();
    window.installEventFilter(&fitter);
    window.show();
    QApplication::sendPostedEvents();

    EXPECT_TRUE(WithinScreen(window)) << window.geometry().height();
    EXPECT_EQ(window.size(), window.minimumSize());
    auto* list = FindChild<QTreeView>(window, "lv");
    QHeaderView* header = list->header();
    EXPECT_LE(header->length(), list->viewport()->width()) << "no scrolling sideways";
    const QAbstractItemView& view = *list;
    for (int column = 0; column < header->count(); ++column) {
        EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column)) << column;
        EXPECT_GE(header->sectionSize(column), view.sizeHintForColumn(column)) << column;
    }
}

TEST_P(ScreenFitTest, TheHelpWindowOpensWithinTheScreen) {
    QStringList pages;
    for (const std::string& page : HelpPages()) {
        pages.append(QString::fromStdString(page));
    }
    HelpWindow help(PICKWELL_DATA_DIR "help/", pages);
    help.move(0, room.available.bottom() - 100);
    help.installEventFilter(&fitter);
    help.show();
    EXPECT_TRUE(WithinScreen(help));
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenFitTest,
                         ::testing::Values(Screen{"1920x1080at100", 1920, 1080, 1.0},
                                           Screen{"1920x1080at125", 1920, 1080, 1.25},
                                           Screen{"1920x1080at150", 1920, 1080, 1.5},
                                           Screen{"1366x768at100", 1366, 768, 1.0}),
                         [](const ::testing::TestParamInfo<Screen>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace pickwell
