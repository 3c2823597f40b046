#include "codegen/CodeCheck.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

const char* const MenuNameMissing =
    "You must specify a name for the menu to be used in the code. This uniquely identifies this "
    "menu in case more than one menu is to be placed on the same page.";
const char* const BadMenuName = "Menu Name must not contain any spaces or special characters.";

void ExpectNope(const CodeCheck& check, const char* title, const FocusRequest& focus) {
    EXPECT_EQ("nope", check.result);
    EXPECT_FALSE(check.passed());
    EXPECT_EQ(title, check.message.title);
    EXPECT_EQ(MessageIcon::Warning, check.message.icon);
    EXPECT_EQ(MessageButtons::Ok, check.message.buttons);
    EXPECT_EQ(focus, check.focus);
}

TEST(ValidateForCode, FrameNameIsCheckedBeforeEverythingElse) {
    MenuProject project;
    project.menuOptions.target = TargetDifferentFrame;
    project.menuOptions.menuName = "";
    project.buttonOptions.buttonType = 1;

    const CodeCheck check = ValidateForCode(project);

    ExpectNope(check, "Oops!", {"txtfrm"});
    EXPECT_EQ("You have chosen to use a different frame as the target of your links but you have "
              "not specified the name of the frame. You must enter a frame name or choose another "
              "target for the links.",
              check.message.text);
}

TEST(ValidateForCode, GraphicAddressIsNeededOnlyWhenTheButtonIsWrittenThenAMenuName) {
    MenuProject project;
    project.buttonOptions.buttonType = 1;
    project.menuOptions.menuName = "";

    const CodeCheck check = ValidateForCode(project);
    ExpectNope(check, "Oops!", {"buttngrurl"});
    EXPECT_EQ("You have chosen to use a graphical submit button style but have not specified a URL "
              "for the graphic. Please specify a URL for the button graphic in the space provided.",
              check.message.text);

    project.menuOptions.navigateMode = 1;
    const CodeCheck nameMissing = ValidateForCode(project);
    ExpectNope(nameMissing, "Oops!", {"txtmnm"});
    EXPECT_EQ(MenuNameMissing, nameMissing.message.text);

    project.menuOptions.menuName = "MyMenu";
    EXPECT_EQ("ok", ValidateForCode(project).result);
}

TEST(ValidateForCode, BlankFrameNameAndAddressCountAsGiven) {
    MenuProject project;
    project.menuOptions.target = TargetDifferentFrame;
    project.menuOptions.frameName = std::string(1, ' ');
    project.buttonOptions.buttonType = 1;
    project.buttonOptions.graphicUrl = "  ";
    EXPECT_TRUE(ValidateForCode(project).passed());
}

TEST(ValidateForCode, MenuNameTakesLettersOfEitherCaseDigitsAndUnderscore) {
    MenuProject project;
    for (const char* name : {"MyMenu", "1st_menu", "_", "Z9"}) {
        project.menuOptions.menuName = name;
        const CodeCheck check = ValidateForCode(project);
        EXPECT_EQ("ok", check.result) << name;
        EXPECT_EQ(FocusRequest{}, check.focus) << name;
    }
}

TEST(ValidateForCode, OtherMenuNameCharactersSelectTheWholeName) {
    struct Case {
        const char* name;
        int characters;
    };
    MenuProject project;
    for (const Case c : {Case{"my menu", 7}, Case{"my-menu", 7}, Case{"   ", 3},
                         Case{"caf\xC3\xA9", 4}, Case{"\xC3\x89t\xC3\xA9", 3}}) {
        project.menuOptions.menuName = c.name;
        const CodeCheck check = ValidateForCode(project);
        ExpectNope(check, "Error", {"txtmnm", 0, c.characters});
        EXPECT_EQ(BadMenuName, check.message.text) << c.name;
    }
}

TEST(ValidateForCode, StandardsCodeNeedsAMenuNameThatBeginsWithALetterOrUnderscore) {
    MenuProject project;
    project.items = {MenuItem{}};
    project.menuOptions.menuName = "2menus";
    EXPECT_TRUE(ValidateForCode(project).passed()) << "the classic code takes it";
    project.menuOptions.standardsCode = 1;
    const CodeCheck check = ValidateForCode(project);
    EXPECT_FALSE(check.passed());
    EXPECT_EQ("Error", check.message.title);
    EXPECT_EQ("txtmnm", check.focus.control);
    project.menuOptions.menuName = "_2menus";
    EXPECT_TRUE(ValidateForCode(project).passed());
}

} // namespace
} // namespace pickwell
