#include "ui/FontFaceDelegate.h"

#include "Desktop.h"
#include "FindChild.h"
#include "app/Session.h"
#include "ui/MenuStyleWindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontDatabase>

#include <gtest/gtest.h>

namespace pickwell {
namespace {

// An installed font whose letters are symbols, or empty when the system has none.
QString InstalledSymbolFont() {
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol)) {
            return family;
        }
    }
    return {};
}

class FontFaceDelegateTest : public ::testing::Test {
protected:
    FontFaceDelegateTest() {
        if (!symbolFont.isEmpty()) {
            desktop.fonts.fonts.push_back(symbolFont.toStdString());
        }
        session.StartUp("");
        session.menuStyle().Show();
    }

    // The font list's row for this family, drawn as its delegate sets it up.
    QStyleOptionViewItem RowOption(const QString& family) {
        auto* combo = FindChild<QComboBox>(window, "combofont");
        auto* delegate = qobject_cast<FontFaceDelegate*>(combo->view()->itemDelegate());
        QStyleOptionViewItem option;
        option.initFrom(combo->view());
        if (delegate != nullptr) {
            delegate->initStyleOption(&option, combo->model()->index(combo->findText(family), 0));
        }
        return option;
    }

    const QString symbolFont = InstalledSymbolFont();
    Desktop desktop;
    Session session{desktop.services};
    MenuStyleWindow window{session.menuStyle()};
};

TEST_F(FontFaceDelegateTest, EachFamilyIsDrawnInItsOwnFace) {
    const QStyleOptionViewItem option = RowOption("Verdana");
    EXPECT_EQ("Verdana", option.text);
    EXPECT_EQ(QStringList{"Verdana"}, option.font.families());
    EXPECT_EQ(QStringList{"Arial"}, RowOption("Arial").font.families());
}

TEST_F(FontFaceDelegateTest, ASymbolFontsNameStaysInTheListsFontBesideASample) {
    if (symbolFont.isEmpty()) {
        GTEST_SKIP() << "no symbol font installed";
    }
    const QStyleOptionViewItem option = RowOption(symbolFont);
    EXPECT_EQ(symbolFont, option.text);
    EXPECT_FALSE(option.font.families().contains(symbolFont));
    EXPECT_FALSE(FontFaceDelegate::Sample(symbolFont).isEmpty());
    EXPECT_TRUE(FontFaceDelegate::Sample("Verdana").isEmpty());
}

} // namespace
} // namespace pickwell
