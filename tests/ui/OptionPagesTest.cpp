#include "ui/OptionPages.h"

#include "Desktop.h"
#include "FindChild.h"
#include "app/Session.h"
#include "ui/MainWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace pickwell {
namespace {

class OptionPagesTest : public ::testing::Test {
protected:
    OptionPagesTest() {
        session.StartUp("");
        window.show();
    }

    template <typename Widget = QWidget> Widget* Find(const char* name) {
        return FindChild<Widget>(window, name);
    }
    // On the box itself: a check box wider than its caption takes no click beside it.
    void Click(const char* name) {
        auto* box = Find<QCheckBox>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    }
    const MenuOptions& options() { return session.project().menuOptions; }

    Desktop desktop;
    Session session{desktop.services};
    MainWindow window{session};
};

TEST_F(OptionPagesTest, TheSiteOptionsReachTheProjectAndTheWidthFollowsTheLinks) {
    auto* width = Find<QLineEdit>("txtwidewdth");
    EXPECT_TRUE(Find("chkcurpage")->isEnabled());
    EXPECT_TRUE(Find("chkwidelinks")->isEnabled());
    EXPECT_FALSE(width->isEnabled());
    EXPECT_FALSE(Find<QLabel>("lblwidewdth")->isEnabled());
    EXPECT_EQ("768", width->text());

    Click("chkcurpage");
    EXPECT_EQ(1, options().showCurrentPage);
    Click("chkwidelinks");
    EXPECT_EQ(1, options().wideScreenLinks);
    EXPECT_TRUE(width->isEnabled());
    EXPECT_TRUE(Find<QLabel>("lblwidewdth")->isEnabled());

    width->selectAll();
    QTest::keyClicks(width, "1x0-24");
    EXPECT_EQ("1024", width->text());
    EXPECT_EQ("1024", options().wideScreenWidth);

    Click("chkwidelinks");
    EXPECT_EQ(0, options().wideScreenLinks);
    EXPECT_FALSE(width->isEnabled());
}

TEST_F(OptionPagesTest, TheSiteOptionsAreForTheStandardsFormOnlyAndShowWhatIsLoaded) {
    session.mainForm().SetWideScreenLinks(1);
    session.mainForm().SetWideScreenWidth("1200");
    session.mainForm().SetShowCurrentPage(1);
    EXPECT_TRUE(Find<QCheckBox>("chkcurpage")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("chkwidelinks")->isChecked());
    EXPECT_EQ("1200", Find<QLineEdit>("txtwidewdth")->text());

    Click("chkstdcode");
    for (const char* name : {"chkcurpage", "chkwidelinks", "lblwidewdth", "txtwidewdth"}) {
        EXPECT_FALSE(Find(name)->isEnabled()) << name;
    }
    Click("chkstdcode");
    EXPECT_TRUE(Find("txtwidewdth")->isEnabled());
}

} // namespace
} // namespace pickwell
