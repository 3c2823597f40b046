#include "ui/ItemTableModel.h"

#include "Desktop.h"
#include "FindChild.h"
#include "app/Session.h"
#include "ui/MainWindow.h"

#include <QIcon>
#include <QImage>
#include <QTreeView>

#include <gtest/gtest.h>

namespace pickwell {
namespace {

// The first item has its own colours (#FFFFCC on #800000), the second "Default" for both.
class ItemTableModelTest : public ::testing::Test {
protected:
    ItemTableModelTest() {
        desktop.fonts.fonts = {"DejaVu Serif", "DejaVu Sans Mono"};
        session.StartUp(PICKWELL_TEST_DATA + std::string("browser_styles.pkw"));
    }

    QVariant Data(int row, int column, int role) {
        return FindChild<QTreeView>(window, "lv")->model()->index(row, column).data(role);
    }
    QRgb SwatchCentre(int row, int column) {
        const QImage image =
            Data(row, column, Qt::DecorationRole).value<QIcon>().pixmap(32).toImage();
        return image.pixel(image.width() / 2, image.height() / 2);
    }

    Desktop desktop;
    Session session{desktop.services};
    MainWindow window{session};
};

TEST_F(ItemTableModelTest, ColourCellsShowASwatchOfTheirColourBesideTheText) {
    EXPECT_EQ("#FFFFCC", Data(0, ItemTableModel::BackColorColumn, Qt::DisplayRole).toString());
    EXPECT_EQ(qRgb(0xFF, 0xFF, 0xCC), SwatchCentre(0, ItemTableModel::BackColorColumn));
    EXPECT_EQ(qRgb(0x80, 0x00, 0x00), SwatchCentre(0, ItemTableModel::TextColorColumn));
}

TEST_F(ItemTableModelTest, DefaultColoursAndOtherColumnsHaveNoSwatch) {
    EXPECT_FALSE(Data(1, ItemTableModel::BackColorColumn, Qt::DecorationRole).isValid());
    EXPECT_FALSE(Data(1, ItemTableModel::TextColorColumn, Qt::DecorationRole).isValid());
    EXPECT_FALSE(Data(0, ItemTableModel::TextColumn, Qt::DecorationRole).isValid());
}

} // namespace
} // namespace pickwell
