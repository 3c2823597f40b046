// Arbitrary texts, focus losses and system-colour switches on every colour field of the
// three windows, with the windows' own handling around them (border copies, enabling).
#include "FakeFontList.h"
#include "FuzzInput.h"
#include "app/Session.h"
#include "cli/HeadlessSession.h"
#include "text/Utf8.h"

#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string>

namespace {

using namespace pickwell;

// Whatever the handling did, a field holds "#" and something, and a full-length text is a
// colour the handling accepted.
void RequireSettled(const ColorField& field) {
    const std::string& text = field.text();
    if (text.empty() || text.front() != '#') {
        std::abort();
    }
    if (Utf8Length(text) == ColorField::MaxLength) {
        for (std::size_t i = 1; i < text.size(); ++i) {
            if (HexKeyFilter(static_cast<unsigned char>(text[i])) == 0) {
                std::abort();
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    FakeFontList fonts({"Arial", "MS Sans Serif"});
    std::ostream messages(nullptr);
    HeadlessSession headless(messages, fonts, "/nonexistent/", "/nonexistent/");
    Session& session = headless.session();
    MainForm& main = session.mainForm();
    MenuStyleForm& menu = session.menuStyle();
    ButtonStyleForm& button = session.buttonStyle();

    for (int step = 0; step < 64 && !input.empty(); ++step) {
        const unsigned window = input.Choice(3);
        const unsigned action = input.Choice(4);
        if (action == 3) {
            const int value = static_cast<int>(input.Choice(2));
            window == 0
                ? main.SetDefaultColor(value)
                : (window == 1 ? menu.SetSystemColors(value) : button.SetSystemColors(value));
            continue;
        }
        const int count = window == 0   ? 2
                          : window == 1 ? MenuStyleForm::ColorCount
                                        : ButtonStyleForm::ColorCount;
        const int index = static_cast<int>(input.Choice(static_cast<unsigned>(count)));
        const std::string text = action == 2 ? std::string() : input.Text();
        // Only what a user can do: a disabled field takes neither typing nor the focus.
        if (window == 0 && main.txtclr(index).enabled()) {
            action == 2 ? main.ColorLostFocus(index) : main.SetColorText(index, text);
        } else if (window == 1 && menu.txtclr(index).enabled()) {
            action == 2 ? menu.ColorLostFocus(index) : menu.SetColorText(index, text);
        } else if (window == 2 && button.txtclr(index).enabled()) {
            action == 2 ? button.ColorLostFocus(index) : button.SetColorText(index, text);
        }
    }
    for (int i = 0; i < 2; ++i) {
        RequireSettled(main.txtclr(i));
    }
    for (int i = 0; i < MenuStyleForm::ColorCount; ++i) {
        RequireSettled(menu.txtclr(i));
    }
    for (int i = 0; i < ButtonStyleForm::ColorCount; ++i) {
        RequireSettled(button.txtclr(i));
    }
    session.codeCommands().CheckAndGenerate(OutputMode::Clip);
    return 0;
}
