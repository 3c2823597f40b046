#include "ui/MainWindow.h"

#include "DamagedProjects.h"
#include "Desktop.h"
#include "FindChild.h"
#include "app/Session.h"
#include "ui/ButtonStyleWindow.h"
#include "ui/ItemTableModel.h"
#include "ui/MenuStyleWindow.h"

#include <QAbstractItemModelTester>
#include <QAbstractSlider>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

namespace pickwell {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { session.StartUp(""); }

    template <typename Widget = QWidget> Widget* Find(const char* name) {
        return FindChild<Widget>(window, name);
    }
    QTreeView* List() { return Find<QTreeView>("lv"); }
    QString Cell(int row, int column) {
        return List()->model()->index(row, column).data().toString();
    }
    void Type(const char* field, const QString& text) {
        auto* edit = Find<QLineEdit>(field);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void AddItem(const QString& text, const QString& link) {
        Type("itemtexttext", text);
        Type("linktext", link);
        Find<QPushButton>("additemcmd")->click();
    }

    Desktop desktop;
    Session session{desktop.services};
    MainWindow window{session};
};

TEST_F(MainWindowTest, StartsWithTheDefaultsOfANewProgramRun) {
    EXPECT_EQ("Pickwell", window.windowTitle());
    EXPECT_EQ("MyMenu", Find<QLineEdit>("txtmnm")->text());
    EXPECT_TRUE(Find<QRadioButton>("menubehavopt0")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("buttonpropopt0")->isChecked());
    EXPECT_EQ("Middle", Find<QComboBox>("cmbbttnaln")->currentText());
    EXPECT_EQ("Same window", Find<QComboBox>("targetcombo")->currentText());
    EXPECT_FALSE(Find<QLineEdit>("txtfrm")->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>("buttngrurl")->isEnabled());
    EXPECT_TRUE(Find<QCheckBox>("chksel")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("chkdefitmclr")->isChecked());
    EXPECT_EQ("#FFFFFF", Find<QLineEdit>("txtclr0")->text());
    EXPECT_FALSE(Find<QLineEdit>("txtclr0")->isEnabled());
    EXPECT_EQ(0, List()->model()->rowCount());
    EXPECT_FALSE(Find<QPushButton>("additemcmd")->isEnabled());
    for (const char* name : {"mnuFileSaveProj", "mnuFileCopy", "mnuFileCodeFile", "mnuPrevBr",
                             "recentfile0", "mnuFileSep3"}) {
        QAction* action = Find<QAction>(name);
        EXPECT_FALSE(action->isEnabled() && action->isVisible()) << name;
    }
}

TEST_F(MainWindowTest, ItemsAreAddedEditedMovedAndDeletedThroughTheWidgets) {
    QAbstractItemModelTester tester(List()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Type("itemtexttext", "Products");
    Find<QCheckBox>("grheadchk")->click();
    EXPECT_FALSE(Find<QLineEdit>("linktext")->isEnabled());
    Find<QPushButton>("additemcmd")->click();
    AddItem("Books", "books.html");
    ASSERT_EQ(2, List()->model()->rowCount());
    EXPECT_EQ("   Books", Cell(1, 0));
    EXPECT_EQ("books.html", Cell(1, 2));
    EXPECT_TRUE(List()->model()->index(0, 0).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ("2 menu items", Find<QLabel>("StatusBar1")->text());

    // Edit by the list toolbar, then Update.
    List()->setCurrentIndex(List()->model()->index(1, 0));
    Find<QToolButton>("edit")->click();
    EXPECT_EQ("Books", Find<QLineEdit>("itemtexttext")->text());
    Type("itemtexttext", "Novels");
    Find<QPushButton>("cmdup")->click();
    EXPECT_EQ("   Novels", Cell(1, 0));

    // Move up by the right-click menu: the heading is jumped over, so the indent goes.
    EXPECT_TRUE(Find<QAction>("mnuListPopMovUp")->isEnabled());
    Find<QAction>("mnuListPopMovUp")->trigger();
    EXPECT_EQ("Novels", Cell(0, 0));
    EXPECT_EQ(0, List()->currentIndex().row());
    EXPECT_FALSE(Find<QAction>("mnuListPopMovUp")->isEnabled());

    // Delete by the key in the list, answered No and then Yes.
    desktop.prompt.Expect("Confirm Delete", Button::No);
    desktop.prompt.Expect("Confirm Delete", Button::Yes);
    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_Delete);
    EXPECT_EQ(2, List()->model()->rowCount());
    Find<QAction>("mnuListPopRem")->trigger();
    EXPECT_EQ(1, List()->model()->rowCount());
    EXPECT_EQ("Products", Cell(0, 0));
}

TEST_F(MainWindowTest, ARightClickOnARowMakesItCurrentAndOpensTheListMenu) {
    AddItem("Books", "books.html");
    AddItem("Music", "music.html");
    window.show();
    QTreeView* list = List();
    const QPoint onFirst = list->visualRect(list->model()->index(0, 0)).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, onFirst,
                            list->viewport()->mapToGlobal(onFirst));
    QApplication::sendEvent(list->viewport(), &click);
    auto* popup = Find<QMenu>("mnuListPop");
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(1, session.mainForm().currentRow());
    popup->close();

    const QPoint below(onFirst.x(), list->viewport()->height() - 2);
    QContextMenuEvent empty(QContextMenuEvent::Mouse, below, list->viewport()->mapToGlobal(below));
    QApplication::sendEvent(list->viewport(), &empty);
    EXPECT_FALSE(popup->isVisible());
}

TEST_F(MainWindowTest, NavigatingOnItemChangeMakesTheButtonPageUnavailable) {
    auto* tabs = Find<QTabWidget>("SSTab1");
    Find<QRadioButton>("menubehavopt1")->click();
    EXPECT_FALSE(tabs->isTabEnabled(1));
    EXPECT_FALSE(Find<QComboBox>("cmbbttnaln")->isEnabled());
    Find<QRadioButton>("menubehavopt0")->click();
    EXPECT_TRUE(tabs->isTabEnabled(1));
    Find<QRadioButton>("buttonpropopt1")->click();
    EXPECT_TRUE(Find<QLineEdit>("buttngrurl")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("cmdBttnAdv")->isEnabled());

    EXPECT_TRUE(Find<QLineEdit>("txtlistlbl")->isEnabled());
    Find<QCheckBox>("chkstdcode")->click();
    EXPECT_EQ(0, session.project().menuOptions.standardsCode);
    EXPECT_FALSE(Find<QLineEdit>("txtlistlbl")->isEnabled());

    Find<QComboBox>("targetcombo")->setCurrentIndex(2);
    emit Find<QComboBox>("targetcombo")->activated(2);
    EXPECT_TRUE(Find<QLineEdit>("txtfrm")->isEnabled());
}

TEST_F(MainWindowTest, AnOptionChosenByAnAssistiveToolRunsItsHandling) {
    auto* onChange = Find<QRadioButton>("menubehavopt1");
    QAccessible::queryAccessibleInterface(onChange)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(1, session.project().menuOptions.navigateMode);
    EXPECT_FALSE(Find<QTabWidget>("SSTab1")->isTabEnabled(1));
}

TEST_F(MainWindowTest, AFailedCheckFocusesTheFieldToFixOnItsPage) {
    AddItem("Books", "books.html");
    window.show();
    Find<QRadioButton>("buttonpropopt1")->click();
    desktop.prompt.Expect("Oops!");
    Find<QToolButton>("savecodeclip")->click();
    EXPECT_EQ(1, Find<QTabWidget>("SSTab1")->currentIndex());
    EXPECT_EQ(Find<QLineEdit>("buttngrurl"), window.focusWidget());
}

TEST_F(MainWindowTest, EachToolbarButtonRunsItsMenuEntry) {
    const std::pair<const char*, const char*> pairs[] = {{"newproj", "mnuFileNew"},
                                                         {"loadproj", "mnuFileLoad"},
                                                         {"saveproj", "mnuFileSaveProj"},
                                                         {"savecodeclip", "mnuFileCopy"},
                                                         {"savecodefile", "mnuFileCodeFile"},
                                                         {"preview", "mnuPrevBr"},
                                                         {"help", "mnuHlpCont"},
                                                         {"wthis", "mnuHelpCtx"},
                                                         {"about", "mnuHlpAb"}};
    auto* toolbar = Find<QToolBar>("Toolbar1");
    for (const auto& [key, entry] : pairs) {
        EXPECT_EQ(Find<QToolButton>(key), toolbar->widgetForAction(Find<QAction>(entry))) << key;
    }

    AddItem("Books", "books.html");
    Find<QToolButton>("savecodeclip")->click();
    Find<QAction>("mnuFileCopy")->trigger();
    EXPECT_EQ(2, desktop.codeWindow.shown);
    Find<QToolButton>("preview")->click();
    ASSERT_EQ(1u, desktop.shell.opened.size());
    EXPECT_TRUE(desktop.shell.opened[0].ends_with("pickwell_preview.html"));
}

TEST_F(MainWindowTest, ProjectsAreSavedLoadedAndRenewedThroughTheFileMenu) {
    AddItem("Books", "books.html");
    const std::string path = desktop.temp.path() + "shop.pkw";
    desktop.fileDialogs.saveAnswers.push_back(path);
    Find<QAction>("mnuFileSaveProj")->trigger();
    EXPECT_EQ("Pickwell - shop.pkw", window.windowTitle());
    EXPECT_TRUE(Find<QAction>("recentfile0")->isVisible());
    EXPECT_EQ("&1. shop.pkw", Find<QAction>("recentfile0")->text());

    AddItem("Music", "music.html");
    desktop.prompt.Expect("Save Project?", Button::Cancel);
    Find<QAction>("mnuFileNew")->trigger();
    EXPECT_EQ(2, List()->model()->rowCount());
    desktop.prompt.Expect("Save Project?", Button::No);
    Find<QAction>("mnuFileNew")->trigger();
    EXPECT_EQ(0, List()->model()->rowCount());
    EXPECT_EQ("", Find<QLineEdit>("txtmnm")->text());

    desktop.fileDialogs.openAnswers.push_back(path);
    Find<QAction>("mnuFileLoad")->trigger();
    EXPECT_EQ(1, List()->model()->rowCount());
    EXPECT_EQ("Books", Cell(0, 0));
    EXPECT_EQ("Pickwell - shop.pkw", window.windowTitle());

    Find<QAction>("mnuFileNew")->trigger();
    Find<QAction>("recentfile0")->trigger();
    EXPECT_EQ(1, List()->model()->rowCount());
}

TEST_F(MainWindowTest, SaveCodeOffersTheMenuFilesWithTheStandardsFormAndWritesAllThree) {
    AddItem("Books", "/books/");
    const std::string stem = desktop.temp.path() + "menu";
    desktop.fileDialogs.saveAnswers.push_back(stem + ".html");
    desktop.fileDialogs.saveTypes.push_back(1);
    Find<QAction>("mnuFileCodeFile")->trigger();
    const FileDialogRequest& offered = desktop.fileDialogs.saveRequests.back();
    ASSERT_EQ(1u, offered.moreTypes.size());
    EXPECT_EQ("Menu Files: HTML, CSS and Script (*.html)", offered.moreTypes[0].description);
    const std::string fragment = ReadBytes(stem + ".html");
    EXPECT_NE(std::string::npos, fragment.find("href=\"menu.css\""));
    EXPECT_EQ(std::string::npos, fragment.find("<script>"));
    EXPECT_NE("", ReadBytes(stem + ".css"));
    EXPECT_NE("", ReadBytes(stem + ".js"));
}

TEST_F(MainWindowTest, SaveCodeInTheClassicFormWritesOneFileOfTheOneType) {
    AddItem("Books", "books.html");
    Find<QCheckBox>("chkstdcode")->click();
    const std::string stem = desktop.temp.path() + "menu";
    desktop.fileDialogs.saveAnswers.push_back(stem + ".html");
    Find<QAction>("mnuFileCodeFile")->trigger();
    EXPECT_TRUE(desktop.fileDialogs.saveRequests.back().moreTypes.empty());
    EXPECT_NE(std::string::npos, ReadBytes(stem + ".html").find("<script"));
    EXPECT_FALSE(std::filesystem::exists(stem + ".css"));
}

// Answers as a user who wants each file loaded: questions get No, messages OK.
class RecordingPrompt : public Prompt {
public:
    Button Show(const Message& message) override {
        shown.push_back(message);
        const bool question = message.buttons == MessageButtons::YesNo ||
                              message.buttons == MessageButtons::YesNoCancel;
        return question ? Button::No : Button::Ok;
    }
    std::vector<Message> shown;
};

// Every double but the prompt, which takes whatever a file brings.
class MainWindowLoad : public ::testing::Test {
protected:
    Desktop desktop;
    RecordingPrompt prompt;
    PlatformServices services{prompt,
                              desktop.colorDialog,
                              desktop.settings,
                              desktop.fonts,
                              desktop.fileDialogs,
                              desktop.clipboard,
                              desktop.shell,
                              desktop.tempFolder,
                              desktop.notices,
                              desktop.codeWindow,
                              desktop.help,
                              desktop.help,
                              "/opt/pickwell/",
                              DocumentsFolderPath,
                              desktop.fileOps};
};

long PeakMemory() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // KiB
}

TEST_F(MainWindowLoad, DamagedAndStrangeFilesLoadOrSayOops) {
    desktop.fonts.fonts.push_back("DejaVu Sans");
    Session session{services};
    session.StartUp("");
    MainWindow window{session};
    const std::string path = desktop.temp.path() + "damaged.pkw";
    const long bound = PeakMemory() + 64 * 1024;
    std::vector<std::string> refusals;
    for (const auto& [name, bytes] :
         DamagedProjects(ReadBytes(PICKWELL_TEST_DATA + std::string("cli_shop.pkw")))) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        prompt.shown.clear();
        desktop.fileDialogs.openAnswers.push_back(path);
        FindChild<QAction>(window, "mnuFileLoad")->trigger();

        const bool refused = !prompt.shown.empty() && prompt.shown.back().title == "Oops!";
        if (refused) {
            EXPECT_EQ(0u, prompt.shown.back().text.find("Could not load")) << name;
            refusals.push_back(name);
        }
        EXPECT_EQ(refused ? 0u : session.project().items.size(),
                  static_cast<std::size_t>(FindChild<QTreeView>(window, "lv")->model()->rowCount()))
            << name;
        EXPECT_LT(PeakMemory(), bound) << name;
    }
    // No fixed first line, or more items than the file has lines ("1e9" reads as 10^9).
    const std::vector<std::string> expected{
        "empty",        "header only",       "byte-order mark",
        "CR line ends", "icount 2147483647", "icount 2147483648",
        "icount 1e9"};
    EXPECT_EQ(expected, refusals);
}

TEST_F(MainWindowLoad, WhatIsNoProjectFileAtStartUpSaysOopsAndStartsANewProject) {
    const std::string folder = desktop.temp.path();
    std::filesystem::create_directory(folder + "folder.pkw");
    ASSERT_EQ(0, ::mkfifo((folder + "fifo.pkw").c_str(), 0600));
    for (const std::string& path : {folder + "folder.pkw", folder + "fifo.pkw", folder + "gone.pkw",
                                    std::string("/dev/zero")}) {
        prompt.shown.clear();
        Session session{services};
        session.StartUp(path);
        MainWindow window{session};
        ASSERT_EQ(1u, prompt.shown.size()) << path;
        EXPECT_EQ("Oops!", prompt.shown[0].title) << path;
        EXPECT_EQ(0, FindChild<QTreeView>(window, "lv")->model()->rowCount()) << path;
    }
}

TEST_F(MainWindowTest, ClosingAsksAboutUnsavedChangesAndStaysOpenWhenTheyAreNotSaved) {
    window.show();
    AddItem("Books", "books.html");
    desktop.prompt.Expect("Save Project?", Button::Cancel);
    EXPECT_FALSE(window.close());
    desktop.prompt.Expect("Save Project?", Button::Yes); // and the save dialog is cancelled
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    desktop.prompt.Expect("Save Project?", Button::No);
    EXPECT_TRUE(window.close());
}

TEST_F(MainWindowTest, TheWindowNeverGetsSmallerThanItsStartUpSize) {
    window.show();
    const QSize start = window.size();
    EXPECT_EQ(start, window.minimumSize());
    auto* editor = Find<QWidget>("itemtexttext")->parentWidget();
    const QSize editorSize = editor->size();
    const QSize listSize = List()->size();
    window.resize(start + QSize(300, 200));
    QApplication::sendPostedEvents();
    EXPECT_EQ(editorSize, editor->size());
    EXPECT_EQ(listSize + QSize(300, 200), List()->size());
}

TEST_F(MainWindowTest, ColorFieldsLimitWhatIsTypedButShowAllTheProgramSets) {
    Find<QCheckBox>("chkdefitmclr")->click();
    auto* field = Find<QLineEdit>("txtclr0");
    ASSERT_TRUE(field->isEnabled());
    field->setCursorPosition(7);
    QTest::keyClicks(field, "A");
    EXPECT_EQ("#FFFFFF", field->text()) << "an eighth character is not typed";
    QTest::keyClicks(field, "g");
    EXPECT_EQ("#FFFFFF", field->text());

    session.mainForm().SetColorText(0, "#12345678");
    EXPECT_EQ("#12345678", field->text());
}

TEST_F(MainWindowTest, EveryControlOfTheEditingWindowsHasAnAccessibleName) {
    MenuStyleWindow menuStyle(session.menuStyle(), &window);
    ButtonStyleWindow buttonStyle(session.buttonStyle(), &window);
    for (QWidget* root : std::initializer_list<QWidget*>{&window, &menuStyle, &buttonStyle}) {
        for (QWidget* control : root->findChildren<QWidget*>()) {
            const bool interactive =
                qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractSlider*>(control) ||
                qobject_cast<QAbstractItemView*>(control);
            // Qt's own helpers (overflow buttons and the like) are named "qt_...".
            if (!interactive || control->objectName().isEmpty() ||
                control->objectName().startsWith("qt_")) {
                continue;
            }
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(nullptr, accessible);
            EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
                << root->objectName().toStdString() << "/" << control->objectName().toStdString();
        }
    }
}

// The session outlives its window at the end of every run; a change it reports then must not
// reach the window that is gone (a plain build usually crashes, the sanitizers always report).
TEST(MainWindowLifetime, FormsThatOutliveTheWindowNoLongerCallIt) {
    Desktop desktop;
    Session session(desktop.services);
    session.StartUp("");
    auto window = std::make_unique<MainWindow>(session);
    window.reset();
    session.mainForm().SetItemText("Books");
    session.recentFiles().AddToRecentFiles(desktop.temp.path() + "shop.pkw");
    EXPECT_EQ("&1. shop.pkw", session.recentFiles().entries()[0].caption);
}

TEST_F(MainWindowTest, TheTabKeyWalksTheWindowInScreenOrder) {
    const QStringList expected =
        QString("itemtexttext linktext notlinkchk grheadchk chksel "
                "chkdefitmclr txtclr0 cmdclr0 txtclr1 cmdclr1 additemcmd "
                "cmdup SSTab1 txtmnm menubehavopt0 menubehavopt1 cmbbttnaln "
                "targetcombo txtfrm chkstdcode txtlistlbl chkcurpage chkwidelinks txtwidewdth "
                "cmdAdvMnu buttonpropopt0 buttonpropopt1 "
                "buttontxttxt cmdBttnAdv buttngrurl txtw txth txtalt lv")
            .split(' ');
    QStringList order;
    QWidget* at = Find("itemtexttext");
    do {
        if (expected.contains(at->objectName()) && (at->focusPolicy() & Qt::TabFocus)) {
            order << at->objectName();
        }
        at = at->nextInFocusChain();
    } while (at != Find("itemtexttext"));
    EXPECT_EQ(expected, order);
}

} // namespace
} // namespace pickwell
