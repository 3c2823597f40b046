#include "ui/ButtonStyleWindow.h"

#include "Desktop.h"
#include "FindChild.h"
#include "app/Session.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace pickwell {
namespace {

class ButtonStyleWindowTest : public ::testing::Test {
protected:
    ButtonStyleWindowTest() {
        session.StartUp("");
        form.Show();
    }

    template <class Widget> Widget* Find(const char* name) {
        return FindChild<Widget>(window, name);
    }
    void Click(const char* name) { Find<QAbstractButton>(name)->click(); }
    void Retype(const char* name, const char* keys) {
        auto* field = Find<QLineEdit>(name);
        field->selectAll();
        QTest::keyClicks(field, keys);
    }
    void ExpectEnabled(std::initializer_list<const char*> names, bool enabled) {
        for (const char* name : names) {
            EXPECT_EQ(enabled, Find<QWidget>(name)->isEnabled()) << name;
        }
    }
    const ButtonStyle& committed() { return session.project().buttonStyle; }

    Desktop desktop;
    Session session{desktop.services};
    ButtonStyleForm& form = session.buttonStyle();
    ButtonStyleWindow window{form};
};

TEST_F(ButtonStyleWindowTest, OkCommitsWhatTheControlsChanged) {
    ASSERT_TRUE(window.isVisible());
    Click("chksysbttnclr");
    Click("nbchk");
    Retype("txtBT", "x3");
    Click("chkconstbttnsz");
    Retype("txtBW", "a8b0");
    Retype("txtBH", "254321");
    Click("Check1");
    Retype("txtclr3", "00ff00");
    Click("chkbttnfntUL");
    Click("chkbttnfntIT");

    Click("Command8");

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(0, committed().useSystemColors);
    EXPECT_EQ(0, committed().noBorder);
    EXPECT_EQ("3", committed().borderThickness);
    EXPECT_EQ(0, committed().constrainSize);
    EXPECT_EQ("80", committed().width);
    EXPECT_EQ("2543", committed().height);
    EXPECT_EQ(0, committed().syncLeftTop);
    EXPECT_EQ("#00FF00", committed().borderColors[BorderLeft]);
    EXPECT_EQ(1, committed().underline);
    EXPECT_EQ(1, committed().italic);
}

TEST_F(ButtonStyleWindowTest, CancelCloseBoxAndEscapeRevertAndHide) {
    const std::vector<std::function<void()>> closes{
        [&] { Click("Command9"); }, [&] { window.close(); },
        [&] { QTest::keyClick(&window, Qt::Key_Escape); }};
    auto* systemColors = Find<QCheckBox>("chksysbttnclr");
    for (const auto& close : closes) {
        form.Show();
        ASSERT_TRUE(window.isVisible());
        systemColors->click();
        close();
        EXPECT_FALSE(window.isVisible());
        EXPECT_TRUE(systemColors->isChecked());
        EXPECT_EQ(1, committed().useSystemColors);
    }
}

TEST_F(ButtonStyleWindowTest, RestoreDefaultsGoesAheadOnlyAfterYes) {
    Click("chkconstbttnsz");
    desktop.notices.Expect(NoticeKind::RestoreDefaults, NoticeAction::No);
    Click("cmdrestdef");
    EXPECT_FALSE(Find<QCheckBox>("chkconstbttnsz")->isChecked());

    desktop.notices.Expect(NoticeKind::RestoreDefaults, NoticeAction::Yes);
    Click("cmdrestdef");
    EXPECT_TRUE(Find<QCheckBox>("chkconstbttnsz")->isChecked());
    EXPECT_EQ("2", Find<QLineEdit>("txtBT")->text());
    EXPECT_EQ((std::vector<std::string>{"FrmAdvBttnOp", "FrmAdvBttnOp"}), desktop.notices.owners);
}

TEST_F(ButtonStyleWindowTest, LabelsAndRowsFollowTheirFields) {
    ExpectEnabled({"Label17", "txtBW", "Label20", "Label19", "txtBH", "Label21"}, false);
    Click("chkconstbttnsz");
    ExpectEnabled({"Label17", "txtBW", "Label20", "Label19", "txtBH", "Label21"}, true);

    ExpectEnabled({"lbldesc0", "txtclr0", "lblclr0", "cmdclr0", "Label18", "txtBT"}, false);
    Click("chksysbttnclr");
    Click("nbchk");
    ExpectEnabled({"lbldesc0", "txtclr0", "lblclr0", "cmdclr0", "Label18", "txtBT"}, true);
    ExpectEnabled({"lbldesc2", "txtclr2", "lblclr2", "cmdclr2"}, true);
    ExpectEnabled({"lbldesc3", "txtclr3", "lblclr3", "cmdclr3"}, false);
}

TEST_F(ButtonStyleWindowTest, AnAssistiveToolsToggleRunsTheBoxsHandling) {
    auto* systemColors = Find<QCheckBox>("chksysbttnclr");
    const auto toggle = [&] {
        QAccessible::queryAccessibleInterface(systemColors)
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
    };
    toggle();
    EXPECT_FALSE(systemColors->isChecked());
    ExpectEnabled({"lbldesc0", "txtclr0", "cmdclr0", "lbldesc1", "txtclr1", "cmdclr1"}, true);
    toggle();
    EXPECT_TRUE(systemColors->isChecked());
    ExpectEnabled({"lbldesc0", "txtclr0", "cmdclr0", "lbldesc1", "txtclr1", "cmdclr1"}, false);
}

TEST_F(ButtonStyleWindowTest, ASyncedBorderFieldFollowsTheTopField) {
    Click("chksysbttnclr");
    Click("nbchk");
    Retype("txtclr2", "123456");
    EXPECT_EQ("#123456", Find<QLineEdit>("txtclr3")->text());
}

} // namespace
} // namespace pickwell
