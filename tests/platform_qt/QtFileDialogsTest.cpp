#include "platform/qt/QtFileDialogs.h"
#include "DialogDriver.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pickwell {
namespace {

std::string NameTyped(QFileDialog& dialog) {
    auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
    return edit ? edit->text().toStdString() : "(no name field)";
}

// As the Save or Open button does; QFileDialog's own accept() is not public.
void Accept(QDialog& dialog) {
    dialog.accept();
}

void Choose(QFileDialog& dialog, const QString& name) {
    auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(nullptr, edit);
    edit->setText(name);
    Accept(dialog);
}

void Click(QMessageBox& box, QMessageBox::StandardButton button) {
    ASSERT_NE(nullptr, box.button(button));
    box.button(button)->click();
}

class QtFileDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        ASSERT_TRUE(folder.isValid());
    }
    std::string In(const QString& name) const { return folder.filePath(name).toStdString(); }
    void Touch(const QString& name) const {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    std::string Folder(const QFileDialog& dialog) const {
        return dialog.directory().absolutePath().toStdString();
    }

    QTemporaryDir folder;
    QtFileDialogs dialogs;
    DialogDriver driver;
    FileDialogRequest save{"Save Menu Project as...", "Pickwell Project File (*.pkw)", "*.pkw", "",
                           ""};
};

TEST_F(QtFileDialogsTest, SaveProposesTheNameInTheLastFilesFolderAndAsksBeforeOverwriting) {
    Touch("shop.pkw");
    save.initialFolder = In("shop.pkw");
    save.proposedName = "shop.pkw";
    driver
        .Then<QFileDialog>([this](QFileDialog& shown) {
            EXPECT_EQ(folder.path().toStdString(), Folder(shown));
            EXPECT_EQ("shop.pkw", NameTyped(shown));
            EXPECT_EQ(QStringList{"Pickwell Project File (*.pkw)"}, shown.nameFilters());
            Accept(shown);
        })
        .Then<QMessageBox>([](QMessageBox& box) {
            EXPECT_TRUE(box.text().startsWith("shop.pkw already exists."));
            Click(box, QMessageBox::Yes);
        });
    EXPECT_EQ(In("shop.pkw"), dialogs.ShowSaveDialog(save));
}

TEST_F(QtFileDialogsTest, SaveAddsTheExtensionAndAsksBeforeCreatingUntilTheAnswerIsYes) {
    save.initialFolder = folder.path().toStdString();
    driver.Then<QFileDialog>([](QFileDialog& shown) { Choose(shown, "menu"); })
        .Then<QMessageBox>([](QMessageBox& box) {
            EXPECT_EQ("Save Menu Project as...", box.windowTitle().toStdString());
            EXPECT_EQ("menu.pkw does not exist.\nDo you want to create it?",
                      box.text().toStdString());
            Click(box, QMessageBox::No);
        })
        .Then<QFileDialog>([](QFileDialog& shown) {
            EXPECT_EQ("menu.pkw", NameTyped(shown));
            Accept(shown);
        })
        .Then<QMessageBox>([](QMessageBox& box) { Click(box, QMessageBox::Yes); });
    EXPECT_EQ(In("menu.pkw"), dialogs.ShowSaveDialog(save));
}

TEST_F(QtFileDialogsTest, SaveOfTypeOffersTheMoreTypesAndTellsWhichWasChosen) {
    Touch("menu.html");
    FileDialogRequest code{"Save Code to File...", "HTML File (*.html)", "*.html",
                           folder.path().toStdString(), ""};
    code.moreTypes.push_back({"Menu Files: HTML, CSS and Script (*.html)", "*.html"});
    driver
        .Then<QFileDialog>([](QFileDialog& shown) {
            EXPECT_EQ(
                (QStringList{"HTML File (*.html)", "Menu Files: HTML, CSS and Script (*.html)"}),
                shown.nameFilters());
            shown.selectNameFilter("Menu Files: HTML, CSS and Script (*.html)");
            Choose(shown, "menu.html");
        })
        .Then<QMessageBox>([](QMessageBox& box) { Click(box, QMessageBox::Yes); })
        .Then<QFileDialog>([](QFileDialog& shown) {
            EXPECT_EQ(QStringList{"HTML File (*.html)"}, shown.nameFilters());
            shown.reject();
        });
    const SaveChoice choice = dialogs.ShowSaveDialogOfType(code);
    EXPECT_EQ(In("menu.html"), choice.path);
    EXPECT_EQ(1u, choice.type);
    EXPECT_EQ("", dialogs.ShowSaveDialog(code));
}

TEST_F(QtFileDialogsTest, OpenAcceptsOnlyAFileThatExists) {
    Touch("a.pkw");
    driver
        .Then<QFileDialog>([](QFileDialog& shown) {
            EXPECT_EQ(QStringList{"Pickwell Project File (*.pkw)"}, shown.nameFilters());
            Choose(shown, "missing.pkw");
        })
        .Then<QMessageBox>([](QMessageBox& box) { Click(box, QMessageBox::Ok); })
        .Then<QFileDialog>([](QFileDialog& shown) { Choose(shown, "a.pkw"); });
    EXPECT_EQ(In("a.pkw"), dialogs.ShowOpenDialog({"Load Menu Project...", "Pickwell Project File",
                                                   "*.pkw", folder.path().toStdString(), ""}));
}

TEST_F(QtFileDialogsTest, CancelGivesNothingAndAMissingFolderStartsAtHome) {
    driver
        .Then<QFileDialog>([this](QFileDialog& shown) {
            EXPECT_EQ(QDir::homePath().toStdString(), Folder(shown));
            shown.reject();
        })
        .Then<QFileDialog>([](QFileDialog& shown) { shown.reject(); });
    EXPECT_EQ("", dialogs.ShowOpenDialog({"Load Menu Project...", "Pickwell Project File (*.pkw)",
                                          "*.pkw", "/no/such/folder", ""}));
    EXPECT_EQ("", dialogs.ShowSaveDialog(save));
}

} // namespace
} // namespace pickwell
