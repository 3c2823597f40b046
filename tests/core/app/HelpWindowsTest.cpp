#include "app/AboutForm.h"
#include "app/HelpCommands.h"
#include "app/HelpTopics.h"
#include "app/TellAFriendForm.h"
#include "app/TipForm.h"
#include "codegen/MenuCode.h"

#include "Desktop.h"

#include <gtest/gtest.h>

#include <fstream>

namespace pickwell {
namespace {

class TipFormTest : public ::testing::Test {
protected:
    std::string TipsFile(const std::string& bytes) {
        const std::string path = desktop.temp.path() + TipsFileName;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    TipForm Form(double random) {
        return TipForm(desktop.settings, showTips, [random] { return random; });
    }

    Desktop desktop;
    int showTips = 1;
};

TEST_F(TipFormTest, EachTipOfTheFileCanBeDrawnAnEmptyLineToo) {
    const std::string path = TipsFile("First tip.\r\n\r\nThird tip.\r\n");
    const std::vector<std::pair<double, std::string>> draws{
        {0.0, "First tip."}, {0.5, ""}, {0.99, "Third tip."}};
    for (const auto& [random, tip] : draws) {
        TipForm form = Form(random);
        form.Open(path);
        ASSERT_EQ(3u, form.tips().size()) << "no tip after the last line end";
        EXPECT_EQ(tip, form.lblTipText()) << random;
    }
}

TEST_F(TipFormTest, WithoutATipsFileTheWindowSaysHowToMakeOneAndNextTipChangesNothing) {
    TipForm form = Form(0.3);
    form.Open(desktop.temp.path() + "missing.txt");
    EXPECT_EQ("That the pkwtips.txt file was not found? \r\n\r\nCreate a text file named "
              "pkwtips.txt using NotePad with 1 tip per line. Then place it in the same "
              "directory as the application. ",
              form.lblTipText());
    form.NextTip();
    EXPECT_EQ(TipForm::MissingFileText(), form.lblTipText());
}

TEST_F(TipFormTest, TheStartUpBoxIsSavedAtOnceAndShownAsTheRunKnowsIt) {
    showTips = 0;
    TipForm form = Form(0.0);
    form.Open(TipsFile("Only tip.\r\n"));
    EXPECT_EQ(0, form.chkLoadTipsAtStartup().value);
    form.SetShowAtStartup(1);
    EXPECT_EQ("1", desktop.settings.GetSetting("Options", "Show Tips at Startup", ""));
    EXPECT_EQ(1, showTips);
    form.SetShowAtStartup(0);
    EXPECT_EQ("0", desktop.settings.GetSetting("Options", "Show Tips at Startup", ""));
}

TEST(HelpCommands, StartUpShowsATipUnlessTheSettingSaysNo) {
    Desktop desktop;
    HelpCommands first(desktop.services);
    first.StartupTip();
    EXPECT_EQ(std::vector<std::string>{TipForm::Caption}, desktop.help.shown);

    desktop.help.onTip = [](TipForm& form) { form.SetShowAtStartup(0); };
    first.TipOfTheDay();
    HelpCommands next(desktop.services);
    next.StartupTip();
    EXPECT_EQ(2u, desktop.help.shown.size()) << "no tip at the next start-up";
    desktop.help.onTip = [](TipForm& form) { EXPECT_EQ(0, form.chkLoadTipsAtStartup().value); };
    next.TipOfTheDay();
}

TEST(HelpCommands, EachEntryReachesItsPageOrAddress) {
    Desktop desktop;
    HelpCommands help(desktop.services);
    help.HelpTopics();
    help.Tutorial();
    help.ContextHelp();
    EXPECT_EQ((std::vector<std::string>{"contents", "173"}), desktop.help.topics);
    EXPECT_EQ(1, desktop.help.whatsThisModes);

    desktop.help.onAbout = [](AboutForm& about) {
        about.OpenWebSite();
        about.OpenSupportMail();
    };
    help.About();
    help.OtherSoftware();
    help.ButtonGraphics();
    help.FreeOffer();
    EXPECT_EQ((std::vector<std::string>{
                  MakerWebAddress, "mailto:support@brackenfield.example?subject=Pickwell Support",
                  MakerWebAddress, "https://www.brackenfield.example/button-graphics/",
                  "https://www.brackenfield.example/offers/"}),
              desktop.shell.opened);
}

TEST(TellAFriend, TheAddressListJoinsTheFilledFieldsAsTheWindowAlwaysHas) {
    Desktop desktop;
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"a@x", "b@x", "", "", ""}, "a@x,b@x"},
        {{"", "", "c@x", "", ""}, ",c@x"},
        {{"a@x", "", "c@x", "", ""}, "a@x,c@x"},
        {{"", "", "", "", ""}, ""},
    };
    for (const auto& [fields, list] : cases) {
        TellAFriendForm form(desktop.shell, desktop.prompt);
        for (int i = 0; i < TellAFriendForm::AddressCount; ++i) {
            form.SetAddress(i, fields[static_cast<std::size_t>(i)]);
        }
        EXPECT_EQ(list, form.AddressList());
    }
}

TEST(TellAFriend, SendHandsTheUnencodedMailToTheDesktopAndSaysWhenNoMailProgramStarted) {
    Desktop desktop;
    TellAFriendForm form(desktop.shell, desktop.prompt);
    form.SetAddress(0, "ann@example.com");
    form.Send();
    ASSERT_EQ(1u, desktop.shell.opened.size());
    EXPECT_EQ("mailto:ann@example.com?subject=Check out this handy web building tool!&body=Hi. "
              "Thought you might be interested in Pickwell. Helps you build navigational menus "
              "for your web site with no programming knowledge. Get more details here: "
              "https://www.brackenfield.example/pickwell/.",
              desktop.shell.opened[0]);
    EXPECT_TRUE(form.closed());

    desktop.shell.accepts = false;
    TellAFriendForm failing(desktop.shell, desktop.prompt);
    desktop.prompt.Expect("Oops!");
    failing.Send();
    EXPECT_EQ("Could not start your email program.", desktop.prompt.last().text);
    EXPECT_TRUE(failing.closed());
}

TEST(HelpTopics, PagesAnswerTopicsAndHoldTheControlsTexts) {
    EXPECT_EQ("tutorial.html", PageForTopic("173"));
    EXPECT_EQ("colours.html", PageForTopic("colors"));
    EXPECT_EQ("menu-style.html", PageForTopic("frmAdvMnuOp"));
    EXPECT_EQ("index.html", PageForTopic("contents"));
    const auto texts = WhatsThisTexts("<dl class=\"controls\">\n<dt id=\"txtmnm\">Menu Name:</dt>"
                                      "\n<dd>Names the &quot;form&quot; &amp; the list.</dd>\n"
                                      "<dt id=\"lv\">List</dt><dd>Rows.</dd></dl>");
    EXPECT_EQ((std::map<std::string, std::string>{{"txtmnm", "Names the \"form\" & the list."},
                                                  {"lv", "Rows."}}),
              texts);
    EXPECT_EQ("/opt/pickwell/../share/pickwell/", DataFolder("/opt/pickwell/"));
}

} // namespace
} // namespace pickwell
