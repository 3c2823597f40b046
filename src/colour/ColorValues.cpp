#include "colour/ColorValues.h"

#include "text/Windows1252.h"

namespace pickwell {

ColorValue TranslateSystemColor(ColorValue value) {
    if (value >= 0) {
        return value;
    }
    switch (value & 0xFF) {
    case ColorWindowText:
    case ColorButtonText:
        return 0x000000;
    case ColorWindow:
    case ColorButtonHighlight:
        return 0xFFFFFF;
    case ColorButtonFace:
        return 0xC0C0C0;
    case ColorButtonShadow:
        return 0x808080;
    default:
        return 0;
    }
}

namespace {

std::string ChannelHex(int channel) {
    static constexpr char digits[] = "0123456789ABCDEF";
    if (channel < 0) { // two's complement of a negative channel starts with "FF"
        return "FF";
    }
    std::string hex;
    hex += digits[channel / 16];
    hex += digits[channel % 16];
    return hex;
}

} // namespace

std::string ColorToHex(ColorValue value) {
    const int red = value % 256;
    const int green = (value / 256) % 256;
    const int blue = (value / 65536) % 256;
    // Appended piece by piece: GCC 12 takes a literal plus a string for an overlapping copy.
    std::string text(1, '#');
    text += ChannelHex(red);
    text += ChannelHex(green);
    text += ChannelHex(blue);
    return text;
}

std::string HexToDecimalText(std::string_view utf8) {
    // Characters count by their code in the 8-bit code page, one per character, so that a
    // non-ASCII character weighs one position and not two or three UTF-8 bytes.
    const std::string ansi = EncodeWindows1252(utf8, Unmappable::QuestionMark);
    std::string_view text = ansi;
    const auto first = text.find_first_not_of(' ');
    text = first == std::string_view::npos
               ? std::string_view("0")
               : text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::int32_t value = 0;
    std::int32_t weight = 1;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        const int code = static_cast<unsigned char>(*it);
        const int digit = (code >= '0' && code <= '9') ? code - '0' : code - 55;
        std::int32_t term = 0;
        if (__builtin_mul_overflow(digit, weight, &term) ||
            __builtin_add_overflow(value, term, &value) ||
            __builtin_mul_overflow(weight, 16, &weight)) {
            return {};
        }
    }
    return std::to_string(value);
}

std::optional<ColorValue> PreviewColorFor(std::string_view text) {
    const std::string decimal = HexToDecimalText(text);
    if (decimal.empty()) {
        return std::nullopt;
    }
    const auto n = static_cast<std::uint32_t>(std::stol(decimal));
    const std::uint32_t red = (n >> 16) & 0xFF;
    const std::uint32_t green = (n >> 8) & 0xFF;
    const std::uint32_t blue = n & 0xFF;
    return static_cast<ColorValue>(red + green * 256 + blue * 65536);
}

int HexKeyFilter(int key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'F')) {
        return key;
    }
    if (key >= 'a' && key <= 'f') {
        return key - 'a' + 'A';
    }
    if (key == KeyBackspace) {
        return key;
    }
    return 0; // Enter included: the colour field moves the focus on instead
}

int DigitKeyFilter(int key) {
    if (key != KeyBackspace && !(key >= '0' && key <= '9')) {
        return 0;
    }
    return key;
}

ColorValue CustomColors::ShowColorDialog(ColorDialog& dialog, ColorValue initial, bool fullOpen) {
    for (ColorValue& entry : m_entries) {
        if (entry == 0) {
            entry = 0xFFFFFF;
        }
    }
    const auto chosen = dialog.ChooseColor(initial, fullOpen, m_entries);
    return chosen ? *chosen : -1;
}

} // namespace pickwell
