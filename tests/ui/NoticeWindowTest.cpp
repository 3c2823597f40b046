#include "ui/NoticeWindow.h"

#include "FakeSettingsStore.h"
#include "FindChild.h"
#include "style/NoticeForm.h"
#include "ui/QtNoticeDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace pickwell {
namespace {

class NoticeWindowTest : public ::testing::Test {
protected:
    std::string Stored(const char* key) {
        const auto it = settings.values.find({NoticeForm::SettingsSection, key});
        return it == settings.values.end() ? "(nothing)" : it->second;
    }

    FakeSettingsStore settings;
};

TEST_F(NoticeWindowTest, OkStoresTheAnswerOfTheBox) {
    NoticeForm notice(NoticeKind::Browser, settings);
    NoticeWindow window(notice);
    window.show();
    EXPECT_EQ("iemsgfrm", window.objectName());
    EXPECT_EQ("Important Message", window.windowTitle());
    EXPECT_EQ(notice.text(), FindChild<QLabel>(window, "Label1")->text());
    auto* showAgain = FindChild<QCheckBox>(window, "Check1");
    EXPECT_TRUE(showAgain->isChecked());

    showAgain->click();
    FindChild<QPushButton>(window, "Command1")->click();

    EXPECT_EQ("no", Stored("Show IE Message"));
    EXPECT_TRUE(notice.closed());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(NoticeWindowTest, CloseBoxAndEscapeStoreNothing) {
    const std::vector<std::function<void(NoticeWindow&)>> closes{
        [](NoticeWindow& window) { window.close(); },
        [](NoticeWindow& window) { QTest::keyClick(&window, Qt::Key_Escape); }};
    for (const auto& close : closes) {
        NoticeForm notice(NoticeKind::Border, settings);
        NoticeWindow window(notice);
        window.show();
        close(window);
        EXPECT_TRUE(notice.closed());
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_TRUE(settings.values.empty());
}

TEST_F(NoticeWindowTest, TheRestoreWarningAnswersNoWithCanc) {
    NoticeForm notice(NoticeKind::RestoreDefaults, settings);
    NoticeWindow window(notice);
    window.show();
    EXPECT_EQ("Form5", window.objectName());
    EXPECT_EQ("Warning", window.windowTitle());
    EXPECT_EQ("&Yes", FindChild<QPushButton>(window, "Command1")->text());

    FindChild<QPushButton>(window, "Command2")->click();

    EXPECT_TRUE(notice.canc());
    EXPECT_EQ("yes", Stored("Show Restore Defaults Message"));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(NoticeWindowTest, QtNoticeDialogShowsTheNoticeOverItsOwnerUntilItCloses) {
    QWidget owner;
    owner.setObjectName("FrmAdvBttnOp");
    NoticeForm notice(NoticeKind::Border, settings, "FrmAdvBttnOp");
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            ADD_FAILURE() << "no modal notice";
            notice.Close();
            return;
        }
        EXPECT_EQ(&owner, modal->parentWidget());
        FindChild<QPushButton>(*modal, "Command1")->click();
    });

    QtNoticeDialog().ShowModal(notice);

    EXPECT_TRUE(notice.closed());
    EXPECT_EQ("yes", Stored("Show Button Border Message"));
}

} // namespace
} // namespace pickwell
