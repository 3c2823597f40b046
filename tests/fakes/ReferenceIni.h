#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What an INI text means, read word for word by the file rules: the yardstick that the tests
// and fuzzers hold CIniFile's reads against. Every read scans the text from its top; nothing
// is indexed, cached or shared with the program's own reader.
//
// The rules:
// - The text is Windows-1252. A line ends at LF or at the end of the text; a CR at its end
//   belongs to the line end. Blanks are spaces and tabs.
// - A header is a line that, after blanks, starts with "[" and holds a "]". The section's name
//   stands between the "[" and the first "]", without blanks around it; what follows the "]"
//   is ignored. A section runs up to the next header; lines above the first belong to none.
// - Any other line that holds a "=" is a value line: the key is the text before the first "=",
//   without blanks around it, and the value the text after it. Other lines are passed over.
// - Names compare without regard to ASCII case; a name asked for is taken as given.
// - Only the first section of a name counts, and in it only the first line of a key.
// - The value loses its leading and trailing blanks, then, when it is two characters or
//   longer and begins and ends with the same quotation mark (" or '), that pair.
// - Each byte is then its Windows-1252 character, except that "&#", decimal digits that do not
//   start with 0, and ";" give the character of that number when it is one (up to U+10FFFF,
//   not a surrogate) and the code page lacks it: "&#945;" is alpha, "&#65;" stays as it is.
// - At most the first 254 characters are kept, a reference counting as one.
namespace pickwell::reference {

// A value line's section and key as the file spells them.
struct IniName {
    std::string section;
    std::string key;
};

namespace detail {

constexpr std::size_t MaxValueLength = 254;
constexpr std::string_view Blanks = " \t";

// The characters of the bytes 0x80 to 0x9F; the five bytes the code page leaves undefined
// stand for the control characters of the same number.
constexpr std::array<char32_t, 32> HighCharacters{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

inline char32_t CharacterOf(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? HighCharacters[byte - 0x80] : char32_t{byte};
}

inline bool InCodePage(char32_t c) {
    return c < 0x80 || (c >= 0xA0 && c <= 0xFF) ||
           std::find(HighCharacters.begin(), HighCharacters.end(), c) != HighCharacters.end();
}

inline void AppendUtf8(std::string& out, char32_t c) {
    constexpr unsigned char Leads[] = {0, 0xC0, 0xE0, 0xF0};
    const int continuations = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    out += static_cast<char>(Leads[continuations] | (c >> (6 * continuations)));
    for (int i = continuations - 1; i >= 0; --i) {
        out += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
    }
}

// The character of the reference that `text` starts with, and the reference's length.
inline std::optional<char32_t> Reference(std::string_view text, std::size_t& length) {
    if (text.size() < 4 || text.substr(0, 2) != "&#" || text[2] < '1' || text[2] > '9') {
        return std::nullopt;
    }
    std::size_t at = 2;
    char32_t number = 0; // read no further than past U+10FFFF, the last character
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9' && number <= 0x10FFFF; ++at) {
        number = number * 10 + static_cast<char32_t>(text[at] - '0');
    }
    if (at == text.size() || text[at] != ';' || number > 0x10FFFF ||
        (number >= 0xD800 && number <= 0xDFFF) || InCodePage(number)) {
        return std::nullopt;
    }
    length = at + 1;
    return number;
}

inline std::string Decoded(std::string_view bytes) {
    std::string out;
    for (std::size_t pos = 0, count = 0; pos < bytes.size() && count < MaxValueLength; ++count) {
        std::size_t length = 1;
        const std::optional<char32_t> referenced = Reference(bytes.substr(pos), length);
        AppendUtf8(out,
                   referenced ? *referenced : CharacterOf(static_cast<unsigned char>(bytes[pos])));
        pos += length;
    }
    return out;
}

inline std::string_view Trimmed(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(Blanks), text.size()));
    text.remove_suffix(text.empty() ? 0 : text.size() - 1 - text.find_last_not_of(Blanks));
    return text;
}

inline std::string_view Unquoted(std::string_view value) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

inline bool SameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

struct Line {
    enum Kind { Other, Header, Value } kind = Other;
    std::string_view name; // the section's or the key's
    std::string_view value;
};

inline Line Classify(std::string_view line) {
    const std::string_view bare =
        line.substr(std::min(line.find_first_not_of(Blanks), line.size()));
    if (const std::size_t close = bare.find(']'); bare.starts_with('[') && close != bare.npos) {
        return {Line::Header, Trimmed(bare.substr(1, close - 1)), {}};
    }
    if (const std::size_t equals = line.find('='); equals != line.npos) {
        return {Line::Value, Trimmed(line.substr(0, equals)), line.substr(equals + 1)};
    }
    return {};
}

// Hands each line of the text, without its line end, to `take` until it returns false.
template <typename Take> void ForEachLine(std::string_view text, Take take) {
    for (std::size_t pos = 0; pos <= text.size();) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        std::string_view line = text.substr(pos, end - pos);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        pos = end + 1;
        if (!take(Classify(line))) {
            return;
        }
    }
}

} // namespace detail

// The value of `key` in `section` as UTF-8; nothing when the section or the key is missing.
// The names are given in the file's own bytes.
inline std::optional<std::string> IniValue(std::string_view text, std::string_view section,
                                           std::string_view key) {
    using detail::Line;
    bool inside = false; // in the first section of the name
    std::optional<std::string> value;
    detail::ForEachLine(text, [&](const Line& line) {
        if (line.kind == Line::Header) {
            if (inside) {
                return false; // only the first section of a name counts
            }
            inside = detail::SameName(line.name, section);
        } else if (inside && line.kind == Line::Value && detail::SameName(line.name, key)) {
            value = detail::Decoded(detail::Unquoted(detail::Trimmed(line.value)));
        }
        return !value;
    });
    return value;
}

// The section and key of every value line that stands in a section, in the file's order.
inline std::vector<IniName> IniNames(std::string_view text) {
    using detail::Line;
    std::optional<std::string> section;
    std::vector<IniName> names;
    detail::ForEachLine(text, [&](const Line& line) {
        if (line.kind == Line::Header) {
            section = std::string(line.name);
        } else if (section && line.kind == Line::Value) {
            names.push_back({*section, std::string(line.name)});
        }
        return true;
    });
    return names;
}

} // namespace pickwell::reference
