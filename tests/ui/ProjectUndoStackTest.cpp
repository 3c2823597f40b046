#include "ui/ProjectUndoStack.h"

#include "Desktop.h"
#include "FindChild.h"
#include "app/Session.h"
#include "persistence/ProjectFile.h"
#include "ui/ButtonStyleWindow.h"
#include "ui/MainWindow.h"
#include "ui/MenuStyleWindow.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>

namespace pickwell {
namespace {

// A project of four rows (the first pre-selected, then a heading and two rows under it),
// saved and loaded again, so that each case starts from an empty history at a saved state.
class UndoFixture : public ::testing::Test {
public:
    template <typename Widget = QWidget> Widget* Find(const char* name) {
        return FindChild<Widget>(window, name);
    }
    void Type(const char* field, const QString& text) {
        auto* edit = Find<QLineEdit>(field);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void Add(const QString& text, const QString& link) {
        Type("itemtexttext", text);
        if (link.isEmpty()) {
            Find<QCheckBox>("grheadchk")->click();
        } else {
            Type("linktext", link);
        }
        Find<QPushButton>("additemcmd")->click();
    }
    QTreeView* List() { return Find<QTreeView>("lv"); }
    void Click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPoint at = List()->visualRect(List()->model()->index(row, 0)).center();
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, modifiers, at);
    }
    void Undo() { Find<QToolButton>("undo")->click(); }
    void Redo() { Find<QToolButton>("redo")->click(); }
    std::string Bytes() { return ProjectFileBytes(session.project()); }
    bool Dirty() { return session.project().DirtyFlag; }
    QUndoStack& Stack() { return *FindChild<QUndoStack>(window, "undoStack"); }
    void Save() {
        desktop.fileDialogs.saveAnswers.push_back(path);
        Find<QAction>("mnuFileSaveProj")->trigger();
    }

    Desktop desktop;
    Session session{desktop.services};
    MainWindow window{session};
    MenuStyleWindow menuStyle{session.menuStyle(), &window};
    ButtonStyleWindow buttonStyle{session.buttonStyle(), &window};
    const std::string path = desktop.temp.path() + "shop.pkw";

protected:
    UndoFixture() {
        session.StartUp("");
        window.show();
        window.activateWindow();
        // Shortcuts reach an active window only.
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        Add("Home", "index.html");
        Add("Shop", "");
        Add("Books", "books.html");
        Add("Music", "music.html");
        Save();
        desktop.fileDialogs.openAnswers.push_back(path);
        Find<QAction>("mnuFileLoad")->trigger();
    }
};

struct Edit {
    const char* name;
    const char* step; // as the Edit menu names it
    void (*act)(UndoFixture&);
};

class EveryEdit : public UndoFixture, public ::testing::WithParamInterface<Edit> {};

// Each edit undone returns the saved bytes and an unchanged project; redone, the bytes and
// the changed mark it left. One undo takes it all back.
TEST_P(EveryEdit, IsOneStepThatUndoAndRedoTakeExactly) {
    QAction* undo = Find<QAction>("mnuEditUndo");
    ASSERT_FALSE(undo->isEnabled()) << "a load starts a new history";
    const std::string saved = Bytes();
    ASSERT_FALSE(Dirty());

    GetParam().act(*this);
    const std::string edited = Bytes();
    const bool editedDirty = Dirty();
    ASSERT_NE(saved, edited);
    ASSERT_EQ(1, Stack().count());
    const QString name = QStringLiteral("Undo ") + QString::fromLatin1(GetParam().step);
    EXPECT_EQ(name, undo->text().remove(QLatin1Char('&')));
    EXPECT_EQ(
        name,
        QAccessible::queryAccessibleInterface(Find<QToolButton>("undo"))->text(QAccessible::Name));

    Undo();
    EXPECT_EQ(saved, Bytes());
    EXPECT_FALSE(Dirty());
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(static_cast<int>(session.project().items.size()), List()->model()->rowCount());

    Redo();
    EXPECT_EQ(edited, Bytes());
    EXPECT_EQ(editedDirty, Dirty());
    EXPECT_FALSE(Find<QAction>("mnuEditRedo")->isEnabled());
    EXPECT_EQ(static_cast<int>(session.project().items.size()), List()->model()->rowCount());
}

const Edit Edits[] = {
    {"AddItem", "Add", [](UndoFixture& f) { f.Add("Films", "films.html"); }},
    {"AddHeading", "Add", [](UndoFixture& f) { f.Add("More", ""); }},
    {"AddWithOwnColours", "Add",
     [](UndoFixture& f) {
         f.Find<QCheckBox>("chkdefitmclr")->click();
         f.Type("txtclr0", "ff0000");
         f.Type("txtclr1", "00ff00");
         f.Add("Films", "films.html");
     }},
    {"AddPreSelectedAfterTheQuestion", "Add",
     [](UndoFixture& f) {
         f.Find<QCheckBox>("chksel")->click();
         f.desktop.prompt.Expect("Selected Item", Button::Yes);
         f.Add("Films", "films.html");
     }},
    {"Update", "Update",
     [](UndoFixture& f) {
         f.Click(3);
         f.Find<QToolButton>("edit")->click();
         f.Type("itemtexttext", "Songs");
         f.Find<QPushButton>("cmdup")->click();
     }},
    {"DeleteSeveralRows", "Delete",
     [](UndoFixture& f) {
         f.Click(0);
         f.Click(2, Qt::ControlModifier);
         f.desktop.prompt.Expect("Confirm Delete", Button::Yes);
         QTest::keyClick(f.List(), Qt::Key_Delete);
     }},
    {"MoveUpAboveTheHeading", "Move Up",
     [](UndoFixture& f) {
         f.Click(2);
         f.Find<QToolButton>("movup")->click();
     }},
    {"MoveDownSeveralRows", "Move Down",
     [](UndoFixture& f) {
         f.Click(0);
         f.Click(1, Qt::ShiftModifier);
         f.Find<QToolButton>("movdn")->click();
     }},
    {"DragSeveralRows", "Move",
     [](UndoFixture& f) {
         // Rows 3 and 4 dropped above the first, as the view drops a drag.
         QAbstractItemModel* model = f.List()->model();
         const std::unique_ptr<QMimeData> rows(
             model->mimeData({model->index(2, 0), model->index(3, 0)}));
         model->dropMimeData(rows.get(), Qt::MoveAction, 0, 0, {});
     }},
    {"ImportSeveralItems", "Import",
     [](UndoFixture& f) {
         f.session.mainForm().AppendItems(
             {{"Films", "films.html"}, {"Music", "", true}, {"Jazz", "jazz.html"}});
     }},
    {"TypeTheMenuName", "Menu Name", [](UndoFixture& f) { f.Type("txtmnm", "Site"); }},
    {"NavigateOnItemChange", "Navigation",
     [](UndoFixture& f) { f.Find<QRadioButton>("menubehavopt1")->click(); }},
    {"AlignToButton", "Align to Button",
     [](UndoFixture& f) { QTest::keyClick(f.Find<QComboBox>("cmbbttnaln"), Qt::Key_Down); }},
    {"TargetAFrame", "Target of Links",
     [](UndoFixture& f) { QTest::keyClick(f.Find<QComboBox>("targetcombo"), Qt::Key_End); }},
    {"TypeTheListLabel", "List Label", [](UndoFixture& f) { f.Type("txtlistlbl", "Go to"); }},
    {"ClassicCode", "Standards-compliant Code",
     [](UndoFixture& f) { f.Find<QCheckBox>("chkstdcode")->click(); }},
    {"GraphicButton", "Kind of Button",
     [](UndoFixture& f) { f.Find<QRadioButton>("buttonpropopt1")->click(); }},
    {"TypeTheButtonText", "Button Text", [](UndoFixture& f) { f.Type("buttontxttxt", "Open"); }},
    {"MenuStyleOk", "Menu Style",
     [](UndoFixture& f) {
         f.desktop.notices.Expect(NoticeKind::Browser, NoticeAction::Ok);
         f.Find<QPushButton>("cmdAdvMnu")->click();
         FindChild<QCheckBox>(f.menuStyle, "chkmnufntU")->click();
         FindChild<QPushButton>(f.menuStyle, "Command8")->click();
     }},
    {"ButtonStyleOk", "Button Style",
     [](UndoFixture& f) {
         f.desktop.notices.Expect(NoticeKind::Browser, NoticeAction::Ok);
         f.Find<QPushButton>("cmdBttnAdv")->click();
         FindChild<QCheckBox>(f.buttonStyle, "chkbttnfntUL")->click();
         FindChild<QPushButton>(f.buttonStyle, "Command8")->click();
     }},
};

INSTANTIATE_TEST_SUITE_P(Undo, EveryEdit, ::testing::ValuesIn(Edits),
                         [](const auto& info) { return std::string(info.param.name); });

class ProjectUndoStackTest : public UndoFixture {};

TEST_F(ProjectUndoStackTest, UndoingToTheSavedStateClearsTheChangedMark) {
    Add("Films", "films.html");
    Save();
    const std::string saved = ReadBytes(path);
    Click(4);
    Find<QToolButton>("movup")->click();
    ASSERT_TRUE(Dirty());

    Undo(); // back to what the file holds
    EXPECT_EQ(saved, Bytes());
    EXPECT_FALSE(Dirty());
    Undo(); // before the save: a change again
    EXPECT_TRUE(Dirty());
    EXPECT_EQ(4u, session.project().items.size());
    Redo();
    EXPECT_FALSE(Dirty());
    Redo();
    EXPECT_TRUE(Dirty());

    // An edit after an undo is a change like any other, and takes the place of what was undone.
    Undo();
    Type("txtmnm", "Site");
    EXPECT_TRUE(Dirty());
    EXPECT_FALSE(Find<QAction>("mnuEditRedo")->isEnabled());
    EXPECT_EQ("Undo Menu Name", Find<QAction>("mnuEditUndo")->text().remove(QLatin1Char('&')));
}

TEST_F(ProjectUndoStackTest, TypingInOneFieldIsOneStepAndAnotherFieldStartsTheNext) {
    Type("txtmnm", "Site");
    Type("buttontxttxt", "Open");
    Type("txtmnm", "Sites");
    EXPECT_EQ(3, Stack().count());
    Undo();
    EXPECT_EQ("Site", Find<QLineEdit>("txtmnm")->text());
    Undo();
    EXPECT_EQ("Go", Find<QLineEdit>("buttontxttxt")->text());
    EXPECT_EQ("Site", Find<QLineEdit>("txtmnm")->text());
}

TEST_F(ProjectUndoStackTest, NewStartsANewHistory) {
    Add("Films", "films.html");
    ASSERT_TRUE(Find<QAction>("mnuEditUndo")->isEnabled());
    desktop.prompt.Expect("Save Project?", Button::No);
    Find<QAction>("mnuFileNew")->trigger();
    EXPECT_FALSE(Find<QAction>("mnuEditUndo")->isEnabled());
    Add("Films", "films.html");
    Undo();
    EXPECT_FALSE(Dirty()) << "a new project is the clean state";
    EXPECT_TRUE(session.project().items.empty());
}

TEST_F(ProjectUndoStackTest, UndoKeysReachTheProjectOnceAFieldHasNoTypingToTakeBack) {
    Add("Films", "films.html");
    ASSERT_EQ(QStringLiteral("itemtexttext"), QApplication::focusWidget()->objectName());
    QTest::keySequence(&window, QKeySequence::Undo);
    EXPECT_EQ(4u, session.project().items.size());

    auto* name = Find<QLineEdit>("txtmnm");
    name->setFocus();
    QTest::keyClicks(name, "s");
    QTest::keySequence(name, QKeySequence::Undo); // the field's own
    EXPECT_EQ("MyMenu", name->text());
    EXPECT_EQ("MyMenu", session.project().menuOptions.menuName);
    QTest::keySequence(name, QKeySequence::Redo);
    EXPECT_EQ("MyMenus", session.project().menuOptions.menuName);
}

TEST_F(ProjectUndoStackTest, UndoPutsTheSelectionBackAndKeepsTheEditor) {
    Click(1);
    Click(3, Qt::ShiftModifier);
    desktop.prompt.Expect("Confirm Delete", Button::Yes);
    QTest::keyClick(List(), Qt::Key_Delete);
    Type("itemtexttext", "Draft");
    // The shortcut, while the list has the focus.
    List()->setFocus();
    QTest::keySequence(&window, QKeySequence::Undo);
    EXPECT_EQ((std::vector<int>{2, 3, 4}), session.mainForm().selectedRows());
    EXPECT_EQ(3, List()->selectionModel()->selectedRows().size());
    EXPECT_EQ("Draft", Find<QLineEdit>("itemtexttext")->text());
}

} // namespace
} // namespace pickwell
