#include "text/Windows1252.h"

#include "text/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace pickwell {

namespace {

// Characters of the bytes 0x80 to 0x9F; undefined bytes keep their C1 control character.
constexpr std::array<char32_t, 32> HighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The length of the text's leading run of ASCII, eight bytes at a time: most texts are ASCII
// through and through, and a large page is scanned more than once.
std::size_t AsciiRun(std::string_view text) {
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, 8);
        if ((word & 0x8080808080808080u) != 0) {
            break;
        }
    }
    while (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80) {
        ++at;
    }
    return at;
}

// The length of the text's leading run of ASCII without "&", which decodes to itself even
// where references are read; as AsciiRun, eight bytes at a time.
std::size_t PlainRun(std::string_view text) {
    constexpr std::uint64_t Ones = 0x0101010101010101u;
    constexpr std::uint64_t Highs = 0x8080808080808080u;
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, 8);
        // The exclusive or turns each "&" into a zero byte, which the classic zero-byte test
        // finds: exact for the word as a whole, which is all the loop asks.
        const std::uint64_t ampersands = word ^ (Ones * '&');
        if (((word | ((ampersands - Ones) & ~ampersands)) & Highs) != 0) {
            break;
        }
    }
    while (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80 && text[at] != '&') {
        ++at;
    }
    return at;
}

// The byte for a character, or -1 when the code page lacks it.
int ByteFor(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<int>(cp);
    }
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == cp) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

} // namespace

std::string EncodeWindows1252(std::string_view utf8, Unmappable policy) {
    std::string out;
    out.reserve(utf8.size());
    AppendWindows1252(out, utf8, policy);
    return out;
}

void AppendWindows1252(std::string& out, std::string_view utf8, Unmappable policy) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        // Runs of ASCII, by far the common case, are copied without decoding.
        std::size_t end = pos + AsciiRun(utf8.substr(pos));
        out.append(utf8, pos, end - pos);
        if (end == utf8.size()) {
            break;
        }
        pos = end++;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) {
            ++end;
        }
        for (char32_t cp : ToCodePoints(utf8.substr(pos, end - pos))) {
            const int byte = ByteFor(cp);
            if (byte >= 0) {
                out += static_cast<char>(byte);
            } else if (policy == Unmappable::CharacterReference) {
                out += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";";
            } else {
                out += '?';
            }
        }
        pos = end;
    }
}

std::string DecodeWindows1252(std::string_view bytes) {
    std::string out;
    AppendDecodedWindows1252(out, bytes);
    return out;
}

void AppendDecodedWindows1252(std::string& out, std::string_view bytes) {
    // Most values are ASCII through and through, and are the same bytes in UTF-8.
    const auto firstHigh = bytes.begin() + static_cast<std::ptrdiff_t>(AsciiRun(bytes));
    out.append(bytes.begin(), firstHigh);
    if (firstHigh == bytes.end()) {
        return;
    }
    out.reserve(out.size() + 2 * static_cast<std::size_t>(bytes.end() - firstHigh));
    for (auto it = firstHigh; it != bytes.end(); ++it) {
        const auto b = static_cast<unsigned char>(*it);
        if (b < 0x80) {
            out += *it;
        } else if (b < 0xA0) {
            AppendCodePoint(out, HighControls[b - 0x80]);
        } else {
            AppendCodePoint(out, b);
        }
    }
}

namespace {

// The character of the reference that `text` starts with ("&#" and digits, then ";") and the
// reference's length, when it is one that Unmappable::CharacterReference writes.
bool ReadReference(std::string_view text, char32_t& character, std::size_t& length) {
    // U+10FFFF, the last character, has seven digits.
    constexpr std::size_t MaxDigits = 7;
    std::size_t at = 2;
    char32_t value = 0;
    while (at < text.size() && at - 2 < MaxDigits && text[at] >= '0' && text[at] <= '9') {
        value = value * 10 + static_cast<char32_t>(text[at] - '0');
        ++at;
    }
    const bool written = at > 2 && text[2] != '0' && at < text.size() && text[at] == ';' &&
                         value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF) &&
                         ByteFor(value) < 0;
    if (written) {
        character = value;
        length = at + 1;
    }
    return written;
}

} // namespace

void AppendDecodedWithReferences(std::string& out, std::string_view bytes, std::size_t limit) {
    // Nearly every value is plain ASCII, which needs neither decoding nor a look for "&#".
    const std::string_view first = bytes.substr(0, limit);
    if (PlainRun(first) == first.size()) {
        out.append(first);
        return;
    }
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos < bytes.size() && count < limit) {
        // Text without "&#", nearly every value, is decoded as it stands: a byte a character.
        const std::size_t reference = std::min(bytes.find("&#", pos), bytes.size());
        const std::size_t plain = std::min(reference - pos, limit - count);
        AppendDecodedWindows1252(out, bytes.substr(pos, plain));
        count += plain;
        pos += plain;
        if (pos == bytes.size() || count == limit) {
            break;
        }
        char32_t character = 0;
        std::size_t length = 1;
        if (ReadReference(bytes.substr(pos), character, length)) {
            AppendCodePoint(out, character);
        } else {
            out += '&';
        }
        ++count;
        pos += length;
    }
}

bool DecodesToItself(std::string_view bytes) {
    return PlainRun(bytes) == bytes.size();
}

bool IsAscii(std::string_view text) {
    return AsciiRun(text) == text.size();
}

} // namespace pickwell
