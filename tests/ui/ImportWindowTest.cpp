#include "ui/ImportWindow.h"

#include "Desktop.h"
#include "FindChild.h"
#include "app/Session.h"
#include "import/ImportForm.h"
#include "ui/MainWindow.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

namespace pickwell {
namespace {

const std::string Data = std::string(PICKWELL_TEST_DATA) + "import/";

ImportForm FormFor(const std::string& file) {
    const std::string path = Data + file;
    return ImportForm(path, *ReadImportFile(path));
}

QString Cell(QTableView* table, int row, int column) {
    return table->model()->index(row, column).data().toString();
}

TEST(ImportWindowTest, ChoosingAListByKeyShowsItsItemsAndOkAcceptsThem) {
    ImportForm form = FormFor("site-nav.html");
    ImportWindow window(form);
    window.show();
    auto* table = FindChild<QTableView>(window, "tblpreview");
    QAbstractItemModelTester tester(table->model());
    EXPECT_EQ(table->model()->rowCount(), 7);
    EXPECT_EQ(Cell(table, 1, 0), "Books");
    EXPECT_EQ(Cell(table, 1, 2), "Yes");

    auto* lists = FindChild<QComboBox>(window, "cmblist");
    lists->setFocus();
    QTest::keyClick(lists, Qt::Key_Down);
    QTest::keyClick(lists, Qt::Key_Down);
    EXPECT_EQ(form.listIndex(), 3);
    ASSERT_EQ(table->model()->rowCount(), 2);
    EXPECT_EQ(Cell(table, 0, 1), "/privacy.html");
    EXPECT_EQ(FindChild<QLabel>(window, "lblstatus")->text(),
              "2 items will be added to the end of the list.");

    QTest::mouseClick(FindChild<QPushButton>(window, "cmdok"), Qt::LeftButton);
    EXPECT_TRUE(form.accepted());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST(ImportWindowTest, AFormatThatDoesNotFitShowsTheProblemAndClosesOk) {
    ImportForm form = FormFor("items-utf8.csv");
    ImportWindow window(form);
    window.show();
    auto* formats = FindChild<QComboBox>(window, "cmbformat");
    formats->setFocus();
    QTest::keyClick(formats, Qt::Key_Up); // from CSV to bookmarks
    EXPECT_EQ(form.format(), ImportFormat::Bookmarks);
    EXPECT_FALSE(FindChild<QPushButton>(window, "cmdok")->isEnabled());
    EXPECT_FALSE(FindChild<QComboBox>(window, "cmblist")->isEnabled());
    EXPECT_EQ(FindChild<QTableView>(window, "tblpreview")->model()->rowCount(), 0);
    EXPECT_EQ(FindChild<QLabel>(window, "lblstatus")->text(),
              "The file is not a bookmarks export: it has no bookmark list (<DL>).");
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(form.closed());
    EXPECT_FALSE(form.accepted());
}

TEST(ImportWindowTest, TheFileMenuEntryAppendsWhatTheWindowAccepts) {
    Desktop desktop;
    Session session{desktop.services};
    session.StartUp("");
    MainWindow window{session};
    desktop.fileDialogs.openAnswers.push_back(Data + "chrome-bookmarks.html");
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            ADD_FAILURE() << "no modal import window";
            return;
        }
        QTest::mouseClick(FindChild<QPushButton>(*modal, "cmdok"), Qt::LeftButton);
    });

    FindChild<QAction>(window, "mnuFileImport")->trigger();

    auto* list = FindChild<QTreeView>(window, "lv");
    ASSERT_EQ(list->model()->rowCount(), 6);
    EXPECT_EQ(list->model()->index(5, 0).data().toString(), "   A b");
    EXPECT_EQ(list->model()->index(5, 2).data().toString(), "https://tools.example/a%20b");
}

} // namespace
} // namespace pickwell
