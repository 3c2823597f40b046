#pragma once

#include "platform/ColorDialog.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The two forms of a colour: ColorValue (0x00BBGGRR, high bit set for a system colour
// reference) that swatches paint with, and ColorText ("#RRGGBB") that users type, project
// files store and generated pages write.
namespace pickwell {

using ColorValue = std::int32_t;

// System colour indexes; a reference is SystemColorReference(index).
enum SystemColorIndex {
    ColorButtonFace = 15,
    ColorButtonShadow = 16,
    ColorButtonText = 18,
    ColorButtonHighlight = 20,
    ColorWindow = 5,
    ColorWindowText = 8,
};

constexpr ColorValue SystemColorReference(int index) {
    return static_cast<ColorValue>(0x80000000u | static_cast<std::uint32_t>(index));
}

// The main window's own background, shown by item swatches that use default colours.
inline constexpr ColorValue WindowBackground = SystemColorReference(ColorButtonFace);

// Plain colours come back unchanged; a system colour reference gives that colour's value,
// an unknown one black.
ColorValue TranslateSystemColor(ColorValue value);

std::string ColorToHex(ColorValue value);

// The text's value as decimal text, by the program's own lenient digit rule; each character
// counts by its Windows-1252 code. Empty when the value overflows 32 bits (always so for
// eight or more characters).
std::string HexToDecimalText(std::string_view text);

// The colour a swatch shows for a colour text, or nothing when the text cannot be painted.
std::optional<ColorValue> PreviewColorFor(std::string_view text);

// Keystroke filters: the key that remains, 0 when the keystroke is discarded.
inline constexpr int KeyBackspace = 8;
inline constexpr int KeyEnter = 13;
int HexKeyFilter(int key);
int DigitKeyFilter(int key);

// The 16 custom colours of the colour dialog, kept for the whole run and never saved.
class CustomColors {
public:
    // Asks the dialog for a colour; -1 when the user cancels. A custom colour of pure black
    // shows as white in the dialog.
    ColorValue ShowColorDialog(ColorDialog& dialog, ColorValue initial, bool fullOpen);

    const std::array<ColorValue, 16>& entries() const { return m_entries; }

private:
    std::array<ColorValue, 16> m_entries{};
};

} // namespace pickwell
