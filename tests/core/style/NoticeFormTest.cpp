#include "style/NoticeForm.h"

#include "FakeSettingsStore.h"
#include "ScriptedNoticeDialog.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

const std::pair<std::string, std::string> BrowserKey{"Messages", "Show IE Message"};
const std::pair<std::string, std::string> RestoreKey{"Messages", "Show Restore Defaults Message"};

TEST(NoticeForm, UntickedOkStoresNoAndTheNoticeStaysAway) {
    FakeSettingsStore settings;
    ScriptedNoticeDialog dialog;
    dialog.Expect(NoticeKind::Browser, NoticeAction::Ok, false);
    EXPECT_TRUE(ShowNoticeIfWanted(NoticeKind::Browser, settings, dialog));
    EXPECT_EQ("no", settings.values[BrowserKey]);

    EXPECT_TRUE(ShowNoticeIfWanted(NoticeKind::Browser, settings, dialog));
    EXPECT_EQ(1u, dialog.shown.size());
}

TEST(NoticeForm, TickedOkStoresYesAndTheNoticeComesBack) {
    FakeSettingsStore settings;
    ScriptedNoticeDialog dialog;
    dialog.Expect(NoticeKind::Border, NoticeAction::Ok);
    dialog.Expect(NoticeKind::Border, NoticeAction::Ok);
    ShowNoticeIfWanted(NoticeKind::Border, settings, dialog, "FrmAdvBttnOp");
    EXPECT_EQ("yes", (settings.values[{"Messages", "Show Button Border Message"}]));
    ShowNoticeIfWanted(NoticeKind::Border, settings, dialog, "FrmAdvBttnOp");
    EXPECT_EQ("FrmAdvBttnOp", dialog.owners.back());
}

TEST(NoticeForm, OnlyAnExactYesShowsIt) {
    FakeSettingsStore settings;
    ScriptedNoticeDialog dialog;
    for (const char* stored : {"Yes", "YES", " yes", "1", ""}) {
        settings.values[BrowserKey] = stored;
        ShowNoticeIfWanted(NoticeKind::Browser, settings, dialog);
    }
    EXPECT_TRUE(dialog.shown.empty());
}

TEST(NoticeForm, RestoreWarningAnswers) {
    FakeSettingsStore settings;
    ScriptedNoticeDialog dialog;

    dialog.Expect(NoticeKind::RestoreDefaults, NoticeAction::Close, false);
    EXPECT_TRUE(ShowNoticeIfWanted(NoticeKind::RestoreDefaults, settings, dialog));
    EXPECT_TRUE(settings.values.empty()) << "closing stores nothing";

    dialog.Expect(NoticeKind::RestoreDefaults, NoticeAction::Yes);
    EXPECT_TRUE(ShowNoticeIfWanted(NoticeKind::RestoreDefaults, settings, dialog));
    EXPECT_EQ("yes", settings.values[RestoreKey]);

    dialog.Expect(NoticeKind::RestoreDefaults, NoticeAction::No, false);
    EXPECT_FALSE(ShowNoticeIfWanted(NoticeKind::RestoreDefaults, settings, dialog));
    EXPECT_EQ("no", settings.values[RestoreKey]) << "the answer is stored after No as well";
}

} // namespace
} // namespace pickwell
