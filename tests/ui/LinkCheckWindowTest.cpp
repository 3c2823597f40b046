#include "ui/LinkCheckWindow.h"

#include "Desktop.h"
#include "FindChild.h"
#include "LoopbackHttpServer.h"
#include "app/Session.h"
#include "platform/qt/QtLinkProbe.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace pickwell {
namespace {

class LinkCheckWindowTest : public ::testing::Test {
protected:
    LinkCheckWindowTest() { session.StartUp(""); }

    template <typename Widget = QWidget> Widget* Find(const char* name) {
        return FindChild<Widget>(window, name);
    }

    Desktop desktop;
    Session session{desktop.services};
    MainWindow window{session};
};

TEST_F(LinkCheckWindowTest, TheItemEditorWarnsAboutALinkWhileItIsTyped) {
    auto* link = Find<QLineEdit>("linktext");
    auto* warning = Find<QLabel>("linkwarnlbl");
    QTest::keyClicks(link, "htps://example.com");
    EXPECT_FALSE(warning->isHidden());
    EXPECT_EQ("misspelt scheme \"htps:\": did you mean \"https:\"?", warning->text());
    link->setCursorPosition(1);
    QTest::keyClicks(link, "t");
    EXPECT_TRUE(warning->isHidden());
    // A warning, not a refusal.
    QTest::keyClicks(Find<QLineEdit>("itemtexttext"), "Partner");
    QTest::keyClicks(link, " ");
    EXPECT_TRUE(Find<QPushButton>("additemcmd")->isEnabled());
}

TEST_F(LinkCheckWindowTest, ChecksTwoHundredLinksWithoutBlockingAndCancelStopsThem) {
    LoopbackHttpServer server(20);
    std::vector<MenuItem> items;
    for (int i = 0; i < 200; ++i) {
        MenuItem item;
        item.text = "Page " + std::to_string(i);
        item.linked = "Yes";
        item.url = server.Address("/late" + std::to_string(i));
        items.push_back(item);
    }
    session.mainForm().AppendLoadedItems(items);
    Find<QAction>("mnuToolsCheckLinks")->trigger();
    auto* checkWindow = Find<LinkCheckWindow>("frmCheckLinks");
    ASSERT_TRUE(checkWindow->isVisible());
    auto* progress = FindChild<QProgressBar>(*checkWindow, "prgcheck");
    auto* cancel = FindChild<QPushButton>(*checkWindow, "cmdcancel");

    QTest::mouseClick(FindChild<QPushButton>(*checkWindow, "cmdcheck"), Qt::LeftButton);
    // The click came back before any server answered: the answers come through the event loop.
    EXPECT_EQ(0, progress->value());
    EXPECT_EQ(200, progress->maximum());
    EXPECT_TRUE(cancel->isEnabled());
    EXPECT_EQ(nullptr, QApplication::activeModalWidget());
    QTRY_VERIFY_WITH_TIMEOUT(progress->value() >= 12, 10000);
    // Meanwhile the main window goes on taking input.
    QTest::keyClicks(Find<QLineEdit>("itemtexttext"), "More");
    EXPECT_EQ("More", session.mainForm().itemtexttext().text);

    QTest::mouseClick(cancel, Qt::LeftButton);
    const int answered = progress->value();
    EXPECT_LT(answered, 200);
    EXPECT_FALSE(cancel->isEnabled());
    EXPECT_TRUE(FindChild<QLabel>(*checkWindow, "lblcheckstatus")->text().startsWith("Cancelled"));
    QTest::qWait(200);
    EXPECT_EQ(answered, progress->value());
    // Requests already on their way may still arrive, but no new one is sent.
    EXPECT_LE(server.AllRequests(), answered + QtLinkProbe::DefaultConcurrency);
    auto* table = FindChild<QTableWidget>(*checkWindow, "tblresults");
    EXPECT_EQ(200, table->rowCount());
    EXPECT_EQ("not checked", table->item(199, 3)->text());
}

} // namespace
} // namespace pickwell
