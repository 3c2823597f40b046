#include "Desktop.h"
#include "app/Session.h"
#include "ui/MainWindow.h"
#include "ui/MenuStyleWindow.h"
#include "ui/PreviewEngine.h"
#include "ui/PreviewPanel.h"

#include "../ui/FindChild.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace pickwell {
namespace {

constexpr int EngineWait = 20000;

class LivePreviewTest : public ::testing::Test {
protected:
    // Before the window, whose pane looks for the module.
    static void SetUpTestSuite() { qputenv("PICKWELL_PREVIEW_MODULE", PICKWELL_PREVIEW_MODULE); }

    LivePreviewTest() {
        session.StartUp("");
        AddItem("Home", "index.html");
        AddItem("About us", "about.html");
        window.show();
        panel = FindChild<PreviewPanel>(window, "previewPanel");
    }

    void AddItem(const QString& text, const QString& link) {
        for (const auto& [field, value] : {std::pair{"itemtexttext", text}, {"linktext", link}}) {
            auto* edit = FindChild<QLineEdit>(window, field);
            edit->selectAll();
            QTest::keyClicks(edit, value);
        }
        FindChild<QPushButton>(window, "additemcmd")->click();
    }

    // The value of `script` in the page on show.
    QVariant Evaluate(const QString& script) {
        std::optional<QVariant> result;
        panel->pane()->RunScript(script, [&result](const QVariant& value) { result = value; });
        EXPECT_TRUE(QTest::qWaitFor([&result] { return result.has_value(); }, EngineWait));
        return result.value_or(QVariant());
    }

    QString Note() { return FindChild<QLabel>(window, "previewNote")->text(); }

    Desktop desktop;
    Session session{desktop.services};
    MainWindow window{session};
    PreviewPanel* panel = nullptr;
};

TEST_F(LivePreviewTest, ShowsTheProjectsMenuAndFollowsAnEdit) {
    QSignalSpy painted(panel, &PreviewPanel::pagePainted);
    ASSERT_TRUE(painted.wait(EngineWait)) << Note().toStdString();
    ASSERT_NE(nullptr, panel->pane());
    EXPECT_EQ(2, Evaluate("document.querySelector('select').options.length").toInt());
    EXPECT_EQ("About us", Evaluate("document.querySelector('select').options[1].text"));

    AddItem("Contact", "contact.html");
    ASSERT_TRUE(painted.wait(EngineWait));
    EXPECT_EQ(3, Evaluate("document.querySelector('select').options.length").toInt());
}

TEST_F(LivePreviewTest, AButtonClickIsShownNotFollowed) {
    QSignalSpy painted(panel, &PreviewPanel::pagePainted);
    ASSERT_TRUE(painted.wait(EngineWait)) << Note().toStdString();
    Evaluate("var list = document.querySelector('select'); list.selectedIndex = 1;"
             "list.form.requestSubmit(); 0");

    QTRY_COMPARE_WITH_TIMEOUT(
        Note(), "Would open: file://" + QString(DocumentsFolderPath) + "about.html (same window)",
        EngineWait);
    EXPECT_EQ(2, Evaluate("document.querySelector('select').options.length").toInt());
}

TEST_F(LivePreviewTest, AStyleWindowShowsItsStyleBeforeOk) {
    LivePreview live(session.mainForm(), session.menuStyle(), session.buttonStyle(), desktop.fonts,
                     DocumentsFolderPath);
    MenuStyleWindow styleWindow(session.menuStyle(), &window);
    auto* stylePanel = new PreviewPanel([&live] { return live.Page(PreviewSubject::MenuStyle); },
                                        {&session.menuStyle()}, PICKWELL_PREVIEW_MODULE);
    styleWindow.SetPreview(stylePanel);
    QSignalSpy painted(stylePanel, &PreviewPanel::pagePainted);
    desktop.notices.Expect(NoticeKind::Browser, NoticeAction::Ok);
    FindChild<QPushButton>(window, "cmdAdvMnu")->click();
    ASSERT_TRUE(painted.wait(EngineWait));

    QTest::mouseClick(FindChild<QCheckBox>(styleWindow, "chkconstmnuwdth"), Qt::LeftButton, {},
                      QPoint(4, 4));
    auto* width = FindChild<QLineEdit>(styleWindow, "txtMW");
    width->selectAll();
    QTest::keyClicks(width, "250");
    ASSERT_TRUE(painted.wait(EngineWait));
    panel = stylePanel;
    EXPECT_EQ("250px", Evaluate("getComputedStyle(document.querySelector('select')).width"));
    EXPECT_EQ("", session.project().menuStyle.width);
}

} // namespace
} // namespace pickwell
