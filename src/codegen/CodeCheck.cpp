#include "codegen/CodeCheck.h"

#include "text/Utf8.h"

#include <string_view>
#include <utility>

namespace pickwell {
namespace {

CodeCheck Nope(const char* title, const char* text, FocusRequest focus) {
    CodeCheck check{"nope", {}, std::move(focus)};
    check.message.title = title;
    check.message.text = text;
    check.message.icon = MessageIcon::Warning;
    return check;
}

// Letters count in either case; anything outside ASCII (an accented letter) is refused.
bool AllowedInMenuName(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') ||
           c == U'_';
}

} // namespace

CodeCheck ValidateForCode(const MenuProject& project) {
    const MenuOptions& menu = project.menuOptions;
    const ButtonOptions& button = project.buttonOptions;

    if (menu.target == TargetDifferentFrame && menu.frameName.empty()) {
        return Nope("Oops!",
                    "You have chosen to use a different frame as the target of your links but "
                    "you have not specified the name of the frame. You must enter a frame name "
                    "or choose another target for the links.",
                    {"txtfrm"});
    }
    // Navigating on item change writes no button, so its address does not matter then.
    if (button.buttonType != 0 && menu.navigateMode == 0 && button.graphicUrl.empty()) {
        return Nope("Oops!",
                    "You have chosen to use a graphical submit button style but have not "
                    "specified a URL for the graphic. Please specify a URL for the button "
                    "graphic in the space provided.",
                    {"buttngrurl"});
    }
    if (menu.menuName.empty()) {
        return Nope("Oops!",
                    "You must specify a name for the menu to be used in the code. This uniquely "
                    "identifies this menu in case more than one menu is to be placed on the same "
                    "page.",
                    {"txtmnm"});
    }
    const std::u32string name = ToCodePoints(menu.menuName);
    for (const char32_t c : name) {
        if (!AllowedInMenuName(c)) {
            return Nope("Error", "Menu Name must not contain any spaces or special characters.",
                        {"txtmnm", 0, static_cast<int>(name.size())});
        }
    }
    // The standards form names the form in script, where a name may not begin with a digit.
    if (menu.standardsCode == 1 && name.front() >= U'0' && name.front() <= U'9') {
        return Nope("Error",
                    "Menu Name must begin with a letter or an underscore when standards-compliant "
                    "code is chosen, because the name is also used in the menu's script.",
                    {"txtmnm", 0, static_cast<int>(name.size())});
    }
    return {"ok", {}, {}};
}

} // namespace pickwell
