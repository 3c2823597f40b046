// Arbitrary projects, values and list positions out of range included, through the generator
// in every mode and both code styles. Values go in verbatim, so only the sanitizers judge.
#include "FuzzInput.h"
#include "codegen/MenuCode.h"
#include "text/Windows1252.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace pickwell;

// Mostly the values a window can hold, sometimes any number at all.
int Position(FuzzInput& input) {
    return input.Choice(4) == 0 ? input.Number() : static_cast<int>(input.Choice(5)) - 1;
}

std::string Flag(FuzzInput& input) {
    switch (input.Choice(3)) {
    case 0:
        return "Yes";
    case 1:
        return "No";
    default:
        return input.Text();
    }
}

// The font part both style windows have.
template <typename Style> void TakeFont(FuzzInput& input, Style& style) {
    style.fontName = input.Text();
    style.fontSize = input.Text();
    style.fontWeight = input.Text();
    style.underline = Position(input);
    style.italic = Position(input);
}

MenuProject ProjectFrom(FuzzInput& input) {
    MenuProject project;
    for (unsigned n = input.Choice(48); n > 0; --n) {
        MenuItem item;
        item.text = input.Text();
        item.linked = Flag(input);
        item.url = input.Text();
        item.selected = Flag(input);
        item.backColor = input.Text();
        item.textColor = input.Text();
        item.isHeading = Flag(input);
        project.items.push_back(item);
    }
    MenuOptions& options = project.menuOptions;
    options.navigateMode = Position(input);
    options.alignToButton = Position(input);
    options.target = Position(input);
    options.frameName = input.Text();
    options.menuName = input.Text();
    options.standardsCode = Position(input);
    options.listLabel = input.Text();
    ButtonOptions& button = project.buttonOptions;
    button.buttonType = Position(input);
    button.buttonText = input.Text();
    button.graphicUrl = input.Text();
    button.graphicWidth = input.Text();
    button.graphicHeight = input.Text();
    button.altText = input.Text();
    MenuStyle& menu = project.menuStyle;
    menu.textColor = input.Text();
    menu.bgColor = input.Text();
    menu.useSystemColors = Position(input);
    TakeFont(input, menu);
    menu.width = input.Text();
    menu.constrainWidth = Position(input);
    ButtonStyle& style = project.buttonStyle;
    style.textColor = input.Text();
    style.bgColor = input.Text();
    for (std::string& border : style.borderColors) {
        border = input.Text();
    }
    style.syncLeftTop = Position(input);
    style.syncRightBottom = Position(input);
    style.noBorder = Position(input);
    style.useSystemColors = Position(input);
    TakeFont(input, style);
    style.width = input.Text();
    style.height = input.Text();
    style.borderThickness = input.Text();
    style.constrainSize = Position(input);
    return project;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    MenuProject project = ProjectFrom(input);
    for (const int standards : {project.menuOptions.standardsCode, 0, 1}) {
        project.menuOptions.standardsCode = standards;
        for (const OutputMode mode : {OutputMode::File, OutputMode::Clip, OutputMode::Preview}) {
            const MenuCode code = GenerateMenuCode(project, mode);
            EncodeWindows1252(code.document(), Unmappable::CharacterReference);
            if (GenerateMenuCode(project, mode).document() != code.document()) {
                std::abort(); // the same project must always give the same page
            }
        }
    }
    return 0;
}
