#include "ui/MenuStyleWindow.h"

#include "Desktop.h"
#include "FindChild.h"
#include "app/Session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace pickwell {
namespace {

class MenuStyleWindowTest : public ::testing::Test {
protected:
    MenuStyleWindowTest() {
        session.StartUp("");
        form.Show();
    }

    template <class Widget> Widget* Find(const char* name) {
        return FindChild<Widget>(window, name);
    }
    static void Retype(QLineEdit* field, const char* keys) {
        field->selectAll();
        QTest::keyClicks(field, keys);
    }
    const MenuStyle& committed() { return session.project().menuStyle; }

    Desktop desktop;
    Session session{desktop.services};
    MenuStyleForm& form = session.menuStyle();
    MenuStyleWindow window{form};
};

TEST_F(MenuStyleWindowTest, OkCommitsWhatTheControlsChanged) {
    ASSERT_TRUE(window.isVisible());
    Find<QCheckBox>("chkmnusysclr")->click();
    Retype(Find<QLineEdit>("txtclr0"), "ff8000");
    QTest::keyClick(Find<QComboBox>("combofont"), Qt::Key_Down);
    Retype(Find<QComboBox>("combofontsize")->lineEdit(), "2x0");
    QTest::keyClick(Find<QSlider>("Slider1"), Qt::Key_End);
    Find<QCheckBox>("chkmnufntU")->click();
    Find<QCheckBox>("chkmnufntI")->click();
    Find<QCheckBox>("chkconstmnuwdth")->click();
    Retype(Find<QLineEdit>("txtMW"), "12a345");

    Find<QPushButton>("Command8")->click();

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(0, committed().useSystemColors);
    EXPECT_EQ("#FF8000", committed().textColor);
    EXPECT_EQ("Verdana", committed().fontName);
    EXPECT_EQ("20", committed().fontSize);
    EXPECT_EQ("900", committed().fontWeight);
    EXPECT_EQ(1, committed().underline);
    EXPECT_EQ(1, committed().italic);
    EXPECT_EQ(0, committed().constrainWidth);
    EXPECT_EQ("1234", committed().width);
}

TEST_F(MenuStyleWindowTest, CancelCloseBoxAndEscapeRevertAndHide) {
    const std::vector<std::function<void()>> closes{
        [&] { Find<QPushButton>("Command9")->click(); }, [&] { window.close(); },
        [&] { QTest::keyClick(&window, Qt::Key_Escape); }};
    auto* underline = Find<QCheckBox>("chkmnufntU");
    for (const auto& close : closes) {
        form.Show();
        ASSERT_TRUE(window.isVisible());
        underline->click();
        close();
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(underline->isChecked());
        EXPECT_EQ(0, committed().underline);
    }
}

TEST_F(MenuStyleWindowTest, TheProgramsOwnCloseIsLetThrough) {
    form.Unload();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.close());
}

TEST_F(MenuStyleWindowTest, RestoreDefaultsGoesAheadOnlyAfterYes) {
    auto* italic = Find<QCheckBox>("chkmnufntI");
    italic->click();
    desktop.notices.Expect(NoticeKind::RestoreDefaults, NoticeAction::No);
    Find<QPushButton>("cmdrestdef")->click();
    EXPECT_TRUE(italic->isChecked());

    desktop.notices.Expect(NoticeKind::RestoreDefaults, NoticeAction::Yes);
    Find<QPushButton>("cmdrestdef")->click();
    EXPECT_FALSE(italic->isChecked());
    EXPECT_EQ((std::vector<std::string>{"frmAdvMnuOp", "frmAdvMnuOp"}), desktop.notices.owners);
}

TEST_F(MenuStyleWindowTest, RowsAndWidthFollowTheirBoxes) {
    for (const char* name : {"lbldesc0", "txtclr0", "lblclr0", "cmdclr0"}) {
        EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
    }
    Find<QCheckBox>("chkmnusysclr")->click();
    for (const char* name : {"lbldesc0", "txtclr0", "lblclr0", "cmdclr0"}) {
        EXPECT_TRUE(Find<QWidget>(name)->isEnabled()) << name;
    }

    Find<QCheckBox>("chkconstmnuwdth")->click();
    for (const char* name : {"Label17", "txtMW", "Label20"}) {
        EXPECT_TRUE(Find<QWidget>(name)->isEnabled()) << name;
    }
}

TEST_F(MenuStyleWindowTest, ATypedColorPaintsItsSwatch) {
    Find<QCheckBox>("chkmnusysclr")->click();
    Retype(Find<QLineEdit>("txtclr1"), "ff8000");
    EXPECT_EQ("#FF8000", Find<QLineEdit>("txtclr1")->text());
    EXPECT_TRUE(Find<QLabel>("lblclr1")->styleSheet().contains("#ff8000"));
}

TEST_F(MenuStyleWindowTest, ARefusedColorGetsItsDigitsSelected) {
    Find<QCheckBox>("chkmnusysclr")->click();
    auto* field = Find<QLineEdit>("txtclr0");
    desktop.prompt.Expect("Oops!");
    field->selectAll();
    field->insert("#12345Z");
    EXPECT_EQ("#000000", field->text());
    EXPECT_EQ("000000", field->selectedText());
}

TEST_F(MenuStyleWindowTest, TheSliderLabelFollowsADragAndTheValueSettlesAtItsEnd) {
    auto* slider = Find<QSlider>("Slider1");
    auto* label = Find<QLabel>("Label16");
    EXPECT_EQ("500", label->text());
    slider->setSliderDown(true);
    slider->setSliderPosition(730);
    EXPECT_EQ("730", label->text());
    EXPECT_EQ(500, form.Slider1());
    slider->setSliderDown(false);
    EXPECT_EQ(730, form.Slider1());
}

TEST_F(MenuStyleWindowTest, TheFontListsShowTheInstalledFontsAndTheSizes) {
    auto* fonts = Find<QComboBox>("combofont");
    ASSERT_EQ(3, fonts->count());
    EXPECT_EQ("MS Sans Serif", fonts->currentText());
    auto* sizes = Find<QComboBox>("combofontsize");
    EXPECT_EQ(9, sizes->count());
    EXPECT_EQ("13", sizes->currentText());

    QTest::keyClick(sizes, Qt::Key_Down);
    EXPECT_EQ("14", form.combofontsize().text);

    // A size typed in the middle of the text, and in no list item, keeps the caret in place.
    sizes->lineEdit()->setCursorPosition(1);
    QTest::keyClick(sizes->lineEdit(), Qt::Key_0);
    EXPECT_EQ("104", form.combofontsize().text);
    EXPECT_EQ(2, sizes->lineEdit()->cursorPosition());
}

} // namespace
} // namespace pickwell
