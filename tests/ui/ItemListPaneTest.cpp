#include "Desktop.h"
#include "FindChild.h"
#include "app/Session.h"
#include "ui/MainWindow.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>

namespace pickwell {
namespace {

class ItemListPaneTest : public ::testing::Test {
protected:
    ItemListPaneTest() {
        session.StartUp("");
        for (const char* text : {"Books", "Music", "Films", "Games"}) {
            Type("itemtexttext", QString::fromLatin1(text));
            Type("linktext", QString::fromLatin1(text).toLower() + ".html");
            FindChild<QPushButton>(window, "additemcmd")->click();
        }
        window.show();
        window.activateWindow();
    }

    void Type(const char* field, const QString& text) {
        auto* edit = FindChild<QLineEdit>(window, field);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QTreeView* List() { return FindChild<QTreeView>(window, "lv"); }
    QStringList Texts() {
        QStringList texts;
        for (int row = 0; row < List()->model()->rowCount(); ++row) {
            texts << List()->model()->index(row, 0).data().toString();
        }
        return texts;
    }
    QList<int> SelectedRows() {
        QList<int> rows;
        for (const QModelIndex& index : List()->selectionModel()->selectedRows()) {
            rows << index.row();
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    void Click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPoint at = List()->visualRect(List()->model()->index(row, 0)).center();
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, modifiers, at);
    }

    Desktop desktop;
    Session session{desktop.services};
    MainWindow window{session};
};

TEST_F(ItemListPaneTest, SeveralRowsAreSelectedMovedAndDeletedWithOneQuestion) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Click(0);
    Click(1, Qt::ShiftModifier);
    FindChild<QToolButton>(window, "movdn")->click();
    EXPECT_EQ((QStringList{"Films", "Books", "Music", "Games"}), Texts());
    EXPECT_EQ((QList<int>{1, 2}), SelectedRows());

    Click(3, Qt::ControlModifier);
    desktop.prompt.Expect("Confirm Delete", Button::Yes);
    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_Delete);
    ASSERT_EQ(1u, desktop.prompt.shown().size());
    EXPECT_EQ("Delete the 3 selected items?", desktop.prompt.last().text);
    EXPECT_EQ((QStringList{"Films"}), Texts());
}

TEST_F(ItemListPaneTest, RowsDroppedInTheListAreMovedByTheForm) {
    EXPECT_EQ(QAbstractItemView::InternalMove, List()->dragDropMode());
    QAbstractItemModel* model = List()->model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const std::unique_ptr<QMimeData> dragged(
        model->mimeData({model->index(2, 0), model->index(2, 3), model->index(3, 1)}));
    // Dropped between the first and the second row.
    ASSERT_TRUE(model->canDropMimeData(dragged.get(), Qt::MoveAction, 1, 0, {}));
    EXPECT_TRUE(model->dropMimeData(dragged.get(), Qt::MoveAction, 1, 0, {}));
    EXPECT_EQ((QStringList{"Books", "Films", "Games", "Music"}), Texts());
    EXPECT_EQ((QList<int>{1, 2}), SelectedRows());
    EXPECT_TRUE(session.project().DirtyFlag);
}

} // namespace
} // namespace pickwell
