#include "Desktop.h"
#include "FindChild.h"
#include "app/Session.h"
#include "ui/MainWindow.h"

#include <QAction>

#include <gtest/gtest.h>

#include <clocale>

namespace pickwell {
namespace {

// The window's Load and Save under a locale whose decimal mark is a comma, as the toolkit sets
// it from a German desktop's environment, against the same under the C locale.
class CommaLocale : public ::testing::Test {
protected:
    ~CommaLocale() override { std::setlocale(LC_ALL, "C"); }

    // The project file as saved after loading it, and the code generated from it.
    std::pair<std::string, std::string> LoadSaveAndGenerate(const char* locale) {
        EXPECT_NE(nullptr, std::setlocale(LC_ALL, locale))
            << locale << " is missing: the test MakeCommaLocale makes it (as root)";
        Desktop desktop;
        desktop.fonts.fonts.push_back("DejaVu Sans");
        Session session{desktop.services};
        session.StartUp("");
        MainWindow window{session};
        desktop.fileDialogs.openAnswers.push_back(PICKWELL_TEST_DATA +
                                                  std::string("cli_comma_locale.pkw"));
        FindChild<QAction>(window, "mnuFileLoad")->trigger();
        EXPECT_EQ("17.5", session.project().menuStyle.fontSize) << locale;

        const std::string saved = desktop.temp.path() + "saved.pkw";
        desktop.fileDialogs.saveAnswers.push_back(saved);
        FindChild<QAction>(window, "mnuFileSaveProj")->trigger();
        const std::optional<MenuCode> code =
            session.codeCommands().CheckAndGenerate(OutputMode::Clip);
        EXPECT_TRUE(code.has_value()) << locale;
        return {ReadBytes(saved), code ? code->functionCode + code->htmlCode : ""};
    }
};

TEST_F(CommaLocale, AProjectLoadsSavesAndGeneratesAsInTheCLocale) {
    const auto [cFile, cCode] = LoadSaveAndGenerate("C");
    const auto [commaFile, commaCode] = LoadSaveAndGenerate("de_DE.UTF-8");
    EXPECT_NE(std::string::npos, commaFile.find("Font Size=17.5\r\n"));
    EXPECT_NE(std::string::npos, commaFile.find("Font Size=11.25\r\n"));
    EXPECT_EQ(cFile, commaFile);
    EXPECT_NE(std::string::npos, commaCode.find("font-size:17.5px"));
    EXPECT_EQ(cCode, commaCode);
}

} // namespace
} // namespace pickwell
