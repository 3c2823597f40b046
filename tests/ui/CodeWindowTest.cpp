#include "ui/CodeWindow.h"

#include "Desktop.h"
#include "FindChild.h"
#include "codegen/CodeWindowForm.h"
#include "ui/QtCodeWindowDialog.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace pickwell {
namespace {

class CodeWindowTest : public ::testing::Test {
protected:
    CodeWindowForm MakeForm() {
        return CodeWindowForm("function go() {\r\n}", "<form></form>", desktop.clipboard,
                              desktop.prompt, [this] { ++saves; });
    }

    Desktop desktop;
    int saves = 0;
};

TEST_F(CodeWindowTest, EachCopyButtonCopiesOnlyItsOwnPane) {
    CodeWindowForm form = MakeForm();
    CodeWindow window(form);
    window.show();
    EXPECT_EQ("Form3", window.objectName());
    EXPECT_EQ("Generated Menu Code", window.windowTitle());
    EXPECT_EQ("function go() {\n}", FindChild<QPlainTextEdit>(window, "Text1")->toPlainText());
    desktop.prompt.Expect("Code Copied");
    desktop.prompt.Expect("Code Copied");

    FindChild<QPushButton>(window, "cmdcopy1")->click();
    auto* html = FindChild<QPlainTextEdit>(window, "Text2");
    html->moveCursor(QTextCursor::End);
    QTest::keyClicks(html, "<p>");
    FindChild<QPushButton>(window, "cmdcopy2")->click();

    EXPECT_EQ((std::vector<std::string>{"function go() {\r\n}", "<form></form><p>"}),
              desktop.clipboard.texts);
    EXPECT_EQ("<form></form><p>", html->toPlainText());
}

TEST_F(CodeWindowTest, SaveToFileRunsTheCommandAndStaysOpen) {
    CodeWindowForm form = MakeForm();
    CodeWindow window(form);
    window.show();
    FindChild<QPushButton>(window, "cmdsave")->click();
    EXPECT_EQ(1, saves);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(CodeWindowTest, DoneCloseBoxAndEscapeFinishIt) {
    const std::vector<std::function<void(CodeWindow&)>> closes{
        [](CodeWindow& window) { FindChild<QPushButton>(window, "cmddone")->click(); },
        [](CodeWindow& window) { window.close(); },
        [](CodeWindow& window) { QTest::keyClick(&window, Qt::Key_Escape); }};
    for (const auto& close : closes) {
        CodeWindowForm form = MakeForm();
        CodeWindow window(form);
        window.show();
        close(window);
        EXPECT_TRUE(form.closed());
        EXPECT_FALSE(window.isVisible());
    }
}

TEST_F(CodeWindowTest, QtCodeWindowDialogShowsTheWindowUntilDone) {
    CodeWindowForm form = MakeForm();
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            ADD_FAILURE() << "no modal code window";
            form.Done();
            return;
        }
        FindChild<QPushButton>(*modal, "cmddone")->click();
    });

    QtCodeWindowDialog().ShowModal(form);

    EXPECT_TRUE(form.closed());
}

} // namespace
} // namespace pickwell
