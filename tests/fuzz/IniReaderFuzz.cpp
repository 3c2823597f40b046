// Any text as an INI file: every way of reading it, the project file's one-pass reader's
// included, must give what the literal reader of the tests gives, and after any writes the
// text held must read as that reader reads it.
#include "ReferenceIni.h"
#include "persistence/CIniFile.h"
#include "persistence/IniSyntax.h"
#include "persistence/ProjectLines.h"
#include "text/Windows1252.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using pickwell::CIniFile;

// Names the program itself could write: letters, digits and inner blanks. Other names need
// not survive a round trip ("[a]b]" names section "a").
std::string PlainName(std::string_view raw) {
    std::string name;
    for (const char c : raw) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == ' ') {
            name += c;
        }
    }
    const auto first = name.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

// A value reads back as written when nothing in it is trimmed, unquoted, cut or read as a
// character reference.
bool ReadsBackAsWritten(const std::string& value) {
    if (value.size() > 254 || (!value.empty() && (value.front() == ' ' || value.back() == ' ')) ||
        value.find("&#") != std::string::npos) {
        return false;
    }
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return false;
    }
    for (const char c : value) {
        if (c < 0x20 || c > 0x7E) {
            return false;
        }
    }
    return true;
}

// A value as a read gave it reads back the same once written, character references and all,
// when it is not trimmed or unquoted on the way and holds nothing a line cannot.
bool ReadsBackAsRead(const std::string& value) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    if (!value.empty() && (blank(value.front()) || blank(value.back()))) {
        return false;
    }
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return false;
    }
    return value.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

// Names in the file's own bytes.
struct Query {
    std::string section;
    std::string key;
};

// Section and key names as the file's own lines suggest them, plus the project file's.
std::vector<Query> QueriesFor(std::string_view text) {
    std::vector<Query> queries{{"Items", "icount"}, {"Items", "Item 1"}, {"URLS", "URL 1"}};
    std::string section = "Items";
    std::size_t pos = 0;
    while (pos < text.size() && queries.size() < 24) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.front() == '[') {
            section = PlainName(line.substr(1, line.find(']')));
        } else if (const auto eq = line.find('='); eq != std::string_view::npos) {
            queries.push_back({section, PlainName(line.substr(0, eq))});
        }
    }
    return queries;
}

std::string OtherCase(std::string name) {
    for (char& c : name) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            c = static_cast<char>(c ^ 0x20);
        }
    }
    return name;
}

// The names to read by: those the program writes, each name the file holds as it spells it
// and in other case, and some it lacks.
std::vector<Query> ReadsFor(std::string_view text) {
    std::vector<Query> queries = QueriesFor(text);
    queries.push_back({"Items", "Item 0"});
    queries.push_back({"No such section", "icount"});
    for (const pickwell::reference::IniName& name : pickwell::reference::IniNames(text)) {
        if (queries.size() >= 64) {
            break;
        }
        queries.push_back({name.section, name.key});
        queries.push_back({OtherCase(name.section), OtherCase(name.key)});
    }
    return queries;
}

std::string ValueOf(CIniFile& file, const Query& query) {
    file.SetSection(pickwell::DecodeWindows1252(query.section));
    file.SetKey(pickwell::DecodeWindows1252(query.key));
    return file.Value();
}

std::string Expected(std::string_view text, const Query& query, const std::string& missing) {
    return pickwell::reference::IniValue(text, query.section, query.key).value_or(missing);
}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The project file's one-pass reader, given the text in runs of whole lines as a file is read:
// the item values it vouches for are those of their keys, and it keeps every other line.
void CheckOnePass(std::string_view text, const std::string& missing) {
    const std::size_t linesPerRun = text.empty() ? 1 : 1 + static_cast<unsigned char>(text[0]) % 7;
    CIniFile indexed;
    indexed.Assign(std::string(text));
    for (const std::size_t count : {1, 3, 40}) {
        pickwell::ProjectLines lines(count);
        for (std::size_t start = 0; start < text.size();) {
            std::size_t end = start;
            for (std::size_t n = 0; n < linesPerRun && end < text.size(); ++n) {
                end = std::min(text.find('\n', end), text.size() - 1) + 1;
            }
            lines.Take(text.substr(start, end - start));
            start = end;
        }
        Require(lines.LineCount() == indexed.LineCount());
        CIniFile others;
        others.SetDefault(missing);
        others.Assign(lines.TakeOtherLines());
        for (const Query& query : ReadsFor(text)) {
            const std::string section = pickwell::ini::Fold(query.section);
            if (section == "urls" || section == "linked" || section == "itemcolors" ||
                (section == "items" && pickwell::ini::Fold(query.key) != "icount")) {
                continue; // may have given item values
            }
            Require(ValueOf(others, query) == Expected(text, query, missing));
        }
        const auto items = lines.TakeItems(count);
        if (!items) {
            continue;
        }
        Require(items->size() == count);
        bool headingAbove = false;
        for (std::size_t i = 0; i < count; ++i) {
            const pickwell::MenuItem& item = (*items)[i];
            const std::string n = std::to_string(i + 1);
            const auto expected = [&](const char* section, const std::string& key) {
                return Expected(text, {section, key}, missing);
            };
            const bool heading = expected("ItemColors", "IsHeading " + n) == "Yes";
            Require(item.text ==
                    (!heading && headingAbove ? "   " : "") + expected("Items", "Item " + n));
            headingAbove = headingAbove || heading;
            Require(item.url == expected("URLS", "URL " + n));
            Require(item.linked.view() == expected("Linked", n));
            Require(item.backColor.view() == expected("ItemColors", "Backcolor " + n));
            Require(item.textColor.view() == expected("ItemColors", "Textcolor " + n));
            Require(item.isHeading.view() == expected("ItemColors", "IsHeading " + n));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Longer than any value read from a file can be, so it tells a missing key for sure.
    const std::string missing(300, '?');
    CheckOnePass(text, missing);
    CIniFile file;
    file.SetDefault(missing);
    file.Assign(std::string(text));
    const std::vector<Query> reads = ReadsFor(text);
    for (const Query& query : reads) {
        Require(ValueOf(file, query) == Expected(text, query, missing));
    }

    const std::vector<Query> queries = QueriesFor(text);
    // Each query's value becomes the next query's key, so that texts from the file are written.
    for (std::size_t i = 0; i < queries.size(); ++i) {
        const Query& query = queries[i];
        if (query.section.empty() || query.key.empty()) {
            continue;
        }
        std::string value = ValueOf(file, queries[(i + 1) % queries.size()]);
        const bool read = value != file.Default();
        if (!read) {
            value = query.key + "=" + query.section;
        }
        file.SetSection(query.section);
        file.SetKey(query.key);
        // A key the section lacks may also be appended unsearched, as the project writer does.
        if (i % 2 == 0 && file.Value() == file.Default()) {
            file.AppendValue(value);
        } else {
            file.SetValue(value);
        }
        if (read ? ReadsBackAsRead(value) : ReadsBackAsWritten(value)) {
            Require(file.Value() == value);
        }
    }

    const std::string written = file.bytes();
    CIniFile reread;
    reread.SetDefault(missing);
    reread.Assign(written);
    Require(reread.LineCount() == file.LineCount());
    for (const std::vector<Query>& asked : {reads, ReadsFor(written)}) {
        for (const Query& query : asked) {
            const std::string expected = Expected(written, query, missing);
            Require(ValueOf(file, query) == expected);
            Require(ValueOf(reread, query) == expected);
        }
    }
    return 0;
}
