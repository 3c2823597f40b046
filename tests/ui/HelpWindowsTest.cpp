#include "ui/AboutWindow.h"
#include "ui/MainWindow.h"
#include "ui/TellAFriendWindow.h"
#include "ui/TipWindow.h"

#include "Desktop.h"
#include "FindChild.h"
#include "app/Session.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace pickwell {
namespace {

TEST(HelpMenu, EveryEntryAndLinkButtonOfTheMainWindowReachesItsCommand) {
    Desktop desktop;
    Session session(desktop.services);
    session.StartUp("");
    MainWindow window(session);
    for (const char* entry : {"mnuHlpCont", "mnuHelpTut", "mnuHelpCtx", "mnuhlpTips", "mnuhelptaf",
                              "mnuHelpMFS", "mnuHlpAb"}) {
        FindChild<QAction>(window, entry)->trigger();
    }
    FindChild<QPushButton>(window, "Command1")->click();
    FindChild<QPushButton>(window, "Command2")->click();
    EXPECT_EQ((std::vector<std::string>{"contents", "173"}), desktop.help.topics);
    EXPECT_EQ(1, desktop.help.whatsThisModes);
    EXPECT_EQ((std::vector<std::string>{"Pickwell Tip of the Day", "Tell your friends about PKW",
                                        "About..."}),
              desktop.help.shown);
    EXPECT_EQ((std::vector<std::string>{"https://www.brackenfield.example/",
                                        "https://www.brackenfield.example/button-graphics/",
                                        "https://www.brackenfield.example/offers/"}),
              desktop.shell.opened);
}

TEST(HelpWindows, TheTipWindowShowsATipGivesTheNextAndSavesItsBox) {
    Desktop desktop;
    const std::string tips = desktop.temp.path() + "pkwtips.txt";
    std::ofstream(tips, std::ios::binary) << "One.\r\nTwo.\r\n";
    int showTips = 1;
    double random = 0.0;
    TipForm form(desktop.settings, showTips, [&random] { return random; });
    form.Open(tips);
    TipWindow window(form, nullptr);
    EXPECT_EQ("One.", FindChild<QLabel>(window, "lblTipText")->text());
    random = 0.9;
    FindChild<QPushButton>(window, "cmdNextTip")->click();
    EXPECT_EQ("Two.", FindChild<QLabel>(window, "lblTipText")->text());
    FindChild<QCheckBox>(window, "chkLoadTipsAtStartup")->click();
    EXPECT_EQ("0", desktop.settings.GetSetting("Options", "Show Tips at Startup", ""));
    FindChild<QPushButton>(window, "cmdOK")->click();
    EXPECT_TRUE(form.closed());
}

TEST(HelpWindows, TellAFriendSendsWhatWasTypedAndAboutOpensItsLinks) {
    Desktop desktop;
    TellAFriendForm friends(desktop.shell, desktop.prompt);
    TellAFriendWindow window(friends, nullptr);
    QTest::keyClicks(FindChild<QLineEdit>(window, "Text1_1"), "bo@example.com");
    FindChild<QPushButton>(window, "cmdSend")->click();
    ASSERT_EQ(1u, desktop.shell.opened.size());
    EXPECT_TRUE(desktop.shell.opened[0].starts_with("mailto:,bo@example.com?subject="));
    EXPECT_TRUE(friends.closed());

    AboutForm about(desktop.shell);
    AboutWindow aboutWindow(about, nullptr);
    emit FindChild<QLabel>(aboutWindow, "lblMail")->linkActivated("#");
    EXPECT_EQ("mailto:support@brackenfield.example?subject=Pickwell Support",
              desktop.shell.opened.back());
    FindChild<QPushButton>(aboutWindow, "cmdAbtOK")->click();
    EXPECT_TRUE(about.closed());
}

} // namespace
} // namespace pickwell
