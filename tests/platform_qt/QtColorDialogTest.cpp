#include "platform/qt/QtColorDialog.h"
#include "DialogDriver.h"

#include <QColorDialog>

#include <gtest/gtest.h>

namespace pickwell {
namespace {

class QtColorDialogTest : public ::testing::Test {
protected:
    void SetUp() override { App(); }

    QtColorDialog dialog;
    std::array<std::int32_t, 16> custom{};
    DialogDriver driver;
};

TEST_F(QtColorDialogTest, TakesAndGivesColorsWithRedInTheLowestByte) {
    driver.Then<QColorDialog>([](QColorDialog& shown) {
        EXPECT_EQ(qRgb(0xFF, 0x80, 0x00), shown.currentColor().rgb());
        shown.setCurrentColor(QColor(0x12, 0x34, 0x56));
        shown.accept();
    });
    EXPECT_EQ(0x563412, dialog.ChooseColor(0x0080FF, true, custom));
}

TEST_F(QtColorDialogTest, ShowsAndKeepsTheCustomColorsEvenWhenCancelled) {
    for (int i = 0; i < 16; ++i) {
        custom[std::size_t(i)] = i * 0x0A0B0C;
    }
    driver.Then<QColorDialog>([](QColorDialog& shown) {
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(qRgb(i * 0x0C, i * 0x0B, i * 0x0A), QColorDialog::customColor(i).rgb());
        }
        QColorDialog::setCustomColor(5, QColor(0xAB, 0xCD, 0xEF)); // as "Add to Custom Colors"
        shown.reject();
    });
    EXPECT_EQ(std::nullopt, dialog.ChooseColor(0, true, custom));
    EXPECT_EQ(0xEFCDAB, custom[5]);
    EXPECT_EQ(15 * 0x0A0B0C, custom[15]);
}

} // namespace
} // namespace pickwell
