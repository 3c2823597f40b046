#include "DialogDriver.h"
#include "platform/qt/QtFontList.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtTempFolder.h"

#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>
#include <gtest/gtest.h>
#include <algorithm>
#include <set>

namespace pickwell {
namespace {

class QtSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    }
    QString StoreFile() const { return dir.path() + "/Brackenfield/Pickwell.conf"; }

    QTemporaryDir dir;
    QtSettingsStore store;
};

TEST_F(QtSettingsStoreTest, MissingValuesReadAsTheDefaultAndCreateNothing) {
    EXPECT_EQ("yes", store.GetSetting("Messages", "Show IE Message", "yes"));
    EXPECT_FALSE(QFileInfo::exists(StoreFile()));
}

TEST_F(QtSettingsStoreTest, KeepsEveryTextAsWritten) {
    const std::vector<std::string> texts = {
        "",                           // empty reads back empty, not as the default
        "/home/ann/menus, old/a.pkw", // a comma must not turn it into a list
        "@Invalid()",
        " blanks around ",
        "caf\xC3\xA9 \xE2\x86\x92",
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ASSERT_TRUE(store.SaveSetting("Recent Files", std::to_string(i + 1), texts[i]));
    }
    EXPECT_TRUE(QFileInfo::exists(StoreFile()));
    QtSettingsStore fresh;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i], fresh.GetSetting("Recent Files", std::to_string(i + 1), "default"));
    }
    EXPECT_EQ("default", fresh.GetSetting("Recent Files", "9", "default"));
    EXPECT_EQ("default", fresh.GetSetting("Folders", "1", "default")); // sections are separate
}

TEST(QtFontList, NamesFamiliesOnceAndWithoutFoundries) {
    EXPECT_EQ(
        (std::vector<std::string>{"Nimbus Sans", "DejaVu Sans", "Odd [name", "[x]"}),
        QtFontList::WithoutFoundries({"Nimbus Sans [urw]", "DejaVu Sans", "Nimbus Sans [UKWN]",
                                      "Odd [name", "[x]", "DejaVu Sans"}));

    App();
    const std::vector<std::string> fonts = QtFontList().InstalledFonts();
    const std::set<std::string> unique(fonts.begin(), fonts.end());
    EXPECT_EQ(unique.size(), fonts.size());
    for (const std::string& font : fonts) {
        EXPECT_EQ(std::string::npos, font.find(" [")) << font;
    }
}

// The test machine has the DejaVu core fonts and the URW fonts, whose D050000L is a dingbat
// font that fontconfig credits with Latin coverage.
TEST(QtFontList, KnowsTheDesktopsSansSerifSymbolFontsAndGenericFamilies) {
    App();
    QtFontList fonts;
    const std::vector<std::string> installed = fonts.InstalledFonts();
    const std::string sansSerif = fonts.SansSerifFamily();
    EXPECT_NE(installed.end(), std::find(installed.begin(), installed.end(), sansSerif));
    EXPECT_TRUE(fonts.ShowsLatin(sansSerif));
    EXPECT_FALSE(fonts.ShowsLatin("D050000L"));
    EXPECT_EQ("serif", fonts.GenericFamily("DejaVu Serif"));
    EXPECT_EQ("monospace", fonts.GenericFamily("DejaVu Sans Mono"));
    EXPECT_EQ("sans-serif", fonts.GenericFamily("DejaVu Sans"));
    EXPECT_EQ("serif", fonts.GenericFamily("C059"));
}

TEST(QtTempFolder, FollowsTmpdirAndEndsInASlash) {
    QTemporaryDir dir;
    const QByteArray old = qgetenv("TMPDIR");
    qputenv("TMPDIR", dir.path().toUtf8());
    EXPECT_EQ(dir.path().toStdString() + "/", QtTempFolder().GetTempFolder());
    qputenv("TMPDIR", old);
}

} // namespace
} // namespace pickwell
