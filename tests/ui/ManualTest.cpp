#include "ui/AboutWindow.h"
#include "ui/ButtonStyleWindow.h"
#include "ui/CodeWindow.h"
#include "ui/MainWindow.h"
#include "ui/MenuStyleWindow.h"
#include "ui/NoticeWindow.h"
#include "ui/QtHelpViewer.h"
#include "ui/TellAFriendWindow.h"
#include "ui/TipWindow.h"

#include "Desktop.h"
#include "app/HelpTopics.h"
#include "app/Session.h"
#include "codegen/CodeWindowForm.h"
#include "style/NoticeForm.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace pickwell {
namespace {

const QString HelpFolder = QStringLiteral(PICKWELL_DATA_DIR "help/");

bool IsControl(QWidget* widget) {
    // A label is a control when it is a link.
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text().contains(QLatin1String("<a "));
    }
    // A list's own text field is part of the list.
    if (qobject_cast<QComboBox*>(widget->parentWidget())) {
        return false;
    }
    return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
           qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSlider*>(widget) ||
           qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QPlainTextEdit*>(widget);
}

TEST(Manual, EveryControlOfEveryWindowHasTheWhatsThisTextOfItsPage) {
    Desktop desktop;
    Session session(desktop.services);
    session.StartUp("");
    QtHelpViewer help(PICKWELL_DATA_DIR "help/");
    MainWindow main(session);
    MenuStyleWindow menu(session.menuStyle(), &main);
    ButtonStyleWindow button(session.buttonStyle(), &main);
    CodeWindowForm code("f", "h", desktop.clipboard, desktop.prompt, [] {});
    CodeWindow codeWindow(code, nullptr);
    NoticeForm browser(NoticeKind::Browser, desktop.settings);
    NoticeForm border(NoticeKind::Border, desktop.settings);
    NoticeForm restore(NoticeKind::RestoreDefaults, desktop.settings);
    NoticeWindow browserWindow(browser, nullptr);
    NoticeWindow borderWindow(border, nullptr);
    NoticeWindow restoreWindow(restore, nullptr);
    int showTips = 1;
    TipForm tip(desktop.settings, showTips, [] { return 0.0; });
    TipWindow tipWindow(tip, nullptr);
    AboutForm about(desktop.shell);
    AboutWindow aboutWindow(about, nullptr);
    TellAFriendForm friends(desktop.shell, desktop.prompt);
    TellAFriendWindow friendsWindow(friends, nullptr);

    int controls = 0;
    for (QWidget* window : std::initializer_list<QWidget*>{
             &main, &menu, &button, &codeWindow, &browserWindow, &borderWindow, &restoreWindow,
             &tipWindow, &aboutWindow, &friendsWindow}) {
        help.ApplyWhatsThis(window);
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            // The tab bar's scroll buttons and the like are the toolkit's own.
            if (control->window() != window || name.isEmpty() || name.startsWith("qt_") ||
                name.startsWith("Scroll") || !IsControl(control)) {
                continue;
            }
            ++controls;
            EXPECT_FALSE(control->whatsThis().isEmpty())
                << window->objectName().toStdString() << "/" << name.toStdString() << " in "
                << PageForTopic(window->objectName().toStdString());
        }
    }
    EXPECT_GT(controls, 100);
}

TEST(Manual, EveryPageExistsAndEveryLinkOrPictureLeadsToAFile) {
    for (const std::string& page : HelpPages()) {
        EXPECT_TRUE(QFile::exists(HelpFolder + QString::fromStdString(page))) << page;
    }
    // A picture's address counts as a link (a renamed screenshot leaves an empty frame); the
    // frames of a page's example code do not.
    const QRegularExpression link(
        QStringLiteral("(?:\\bhref|<img\\b[^>]*\\bsrc)=\"([^\"#]*)[^\"]*\""));
    const QRegularExpression picture(QStringLiteral("<img\\b[^>]*>"));
    const QRegularExpression description(QStringLiteral("\\balt=\"[^\"]+\""));
    for (const QString& page : QDir(HelpFolder).entryList({"*.html"})) {
        QFile file(HelpFolder + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString html = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch& match : picture.globalMatch(html)) {
            EXPECT_TRUE(description.match(match.captured()).hasMatch())
                << page.toStdString() << ": a picture without an alt text";
        }
        for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
            const QString target = match.captured(1);
            if (target.isEmpty() || target.contains(QLatin1Char(':'))) {
                continue;
            }
            EXPECT_TRUE(QFile::exists(HelpFolder + target))
                << page.toStdString() << " links to " << target.toStdString();
        }
    }
}

} // namespace
} // namespace pickwell
