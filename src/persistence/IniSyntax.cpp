#include "persistence/IniSyntax.h"

#include "text/Windows1252.h"

#include <algorithm>

namespace pickwell::ini {

namespace {

char FoldChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

std::string Fold(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), FoldChar);
    return out;
}

std::uint32_t FoldedHash(std::string_view s) {
    std::uint32_t hash = 2166136261u;
    for (char c : s) {
        hash = (hash ^ static_cast<unsigned char>(FoldChar(c))) * 16777619u;
    }
    // Spread the last characters into the low bits the key table uses: keys often differ
    // only in a trailing number.
    hash ^= hash >> 16;
    hash *= 0x85EBCA6Bu;
    hash ^= hash >> 13;
    hash *= 0xC2B2AE35u;
    return hash ^ (hash >> 16);
}

bool FoldedEqual(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldChar(x) == FoldChar(y);
           });
}

void FileNameInto(std::string& out, std::string_view utf8) {
    if (IsAscii(utf8)) {
        out.assign(utf8);
    } else {
        out = EncodeWindows1252(utf8, Unmappable::CharacterReference);
    }
}

std::string FoldedFileName(std::string_view utf8) {
    std::string out;
    FileNameInto(out, utf8);
    std::transform(out.begin(), out.end(), out.begin(), FoldChar);
    return out;
}

void AppendFileValue(std::string& out, std::string_view text) {
    const auto unwritable = [](char c) { return c == '\0' || c == '\r' || c == '\n'; };
    if (std::none_of(text.begin(), text.end(), unwritable)) {
        AppendWindows1252(out, text, Unmappable::CharacterReference);
        return;
    }
    std::string value;
    value.reserve(text.size());
    for (char c : text) {
        if (c == '\0') {
            continue;
        }
        // A line break would end the value and let the rest pose as lines of its own.
        value += (c == '\r' || c == '\n') ? ' ' : c;
    }
    AppendWindows1252(out, value, Unmappable::CharacterReference);
}

std::string_view ValueIn(std::string_view afterEquals) {
    std::string_view value = Trim(afterEquals);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

void AppendValueText(std::string& out, std::string_view raw) {
    AppendDecodedWithReferences(out, raw, MaxValueLength);
}

bool IsPlainValue(std::string_view raw) {
    return raw.size() <= MaxValueLength && DecodesToItself(raw);
}

bool SectionName(std::string_view line, std::string_view& name) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') {
        return false;
    }
    const auto close = line.find(']');
    if (close == std::string_view::npos) {
        return false;
    }
    name = Trim(line.substr(1, close - 1));
    return true;
}

} // namespace pickwell::ini
