#include "style/StyleWindow.h"

#include "StyleWindows.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

TEST(StyleWindow, OpenShowsTheBrowserNoticeUntilItIsTurnedOff) {
    StyleWindows w;
    w.notices.Expect(NoticeKind::Browser, NoticeAction::Ok);
    w.menu.Open();
    EXPECT_TRUE(w.menu.visible());
    EXPECT_EQ("", w.notices.owners.back()) << "the browser notice has no owner";
    w.menu.Ok();

    w.notices.Expect(NoticeKind::Browser, NoticeAction::Ok, false);
    w.button.Open();
    EXPECT_TRUE(w.button.visible());
    EXPECT_EQ("no", (w.settings.values[{"Messages", "Show IE Message"}]));

    // Turned off in one window, it stays away for both: the double fails on another notice.
    w.button.Cancel();
    w.menu.Open();
    w.button.Open();
    EXPECT_EQ(2u, w.notices.shown.size());
}

} // namespace
} // namespace pickwell
