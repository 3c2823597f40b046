#include "import/CsvItems.h"

#include "import/LinkText.h"
#include "text/Windows1252.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <vector>

namespace pickwell {

namespace {

struct Record {
    int line = 0; // where it starts
    std::vector<std::string> fields;
};

enum Column { TextColumn, LinkColumn, HeadingColumn, BackColumn, ForeColumn, ColumnCount };

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::optional<Column> ColumnNamed(const std::string& field) {
    const std::string name = Lower(CollapseSpaces(field));
    if (name == "text" || name == "item" || name == "item text" || name == "title") {
        return TextColumn;
    }
    if (name == "link" || name == "url" || name == "link url" || name == "address") {
        return LinkColumn;
    }
    if (name == "heading" || name == "group heading") {
        return HeadingColumn;
    }
    if (name == "back color" || name == "back colour" || name == "background") {
        return BackColumn;
    }
    if (name == "text color" || name == "text colour" || name == "color" || name == "colour") {
        return ForeColumn;
    }
    return std::nullopt;
}

std::string AtLine(int line, const std::string& problem) {
    return "Line " + std::to_string(line) + ": " + problem;
}

// Splits RFC 4180 records; CR LF, LF or CR end a record outside quotes.
std::optional<std::string> SplitRecords(std::string_view text, std::vector<Record>& records) {
    std::size_t i = 0;
    int line = 1;
    while (i < text.size()) {
        Record record{line, {}};
        bool endOfRecord = false;
        while (!endOfRecord) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                const int opened = line;
                ++i;
                for (;;) {
                    if (i >= text.size()) {
                        return AtLine(opened, "a quoted field is not closed.");
                    }
                    const char c = text[i++];
                    if (c == '"') {
                        if (i < text.size() && text[i] == '"') {
                            field += '"';
                            ++i;
                            continue;
                        }
                        break;
                    }
                    line += c == '\n' || (c == '\r' && (i >= text.size() || text[i] != '\n'));
                    field += c;
                }
                if (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                    return AtLine(line, "text follows the closing quote of a field.");
                }
            } else {
                while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                    if (text[i] == '"') {
                        return AtLine(line, "a quote stands inside a field that is not quoted.");
                    }
                    field += text[i++];
                }
            }
            record.fields.push_back(std::move(field));
            if (i < text.size() && text[i] == ',') {
                ++i;
            } else {
                if (i < text.size() && text[i] == '\r') {
                    ++i;
                }
                if (i < text.size() && text[i] == '\n') {
                    ++i;
                }
                ++line;
                endOfRecord = true;
            }
        }
        records.push_back(std::move(record));
    }
    return std::nullopt;
}

// "#RRGGBB" in upper case, as the colour fields write it; nothing for anything else.
std::optional<std::string> ColorText(const std::string& field) {
    std::string text = CollapseSpaces(field);
    if (text.size() != 7 || text[0] != '#' ||
        !std::all_of(text.begin() + 1, text.end(),
                     [](unsigned char c) { return std::isxdigit(c) != 0; })) {
        return std::nullopt;
    }
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::optional<bool> HeadingFlag(const std::string& field) {
    const std::string word = Lower(CollapseSpaces(field));
    if (word.empty() || word == "no" || word == "false" || word == "0") {
        return false;
    }
    if (word == "yes" || word == "true" || word == "1") {
        return true;
    }
    return std::nullopt;
}

} // namespace

ImportedItems ParseCsvItems(std::string_view bytes) {
    std::string text;
    if (IsUtf8(bytes)) {
        text = bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    } else {
        text = DecodeWindows1252(bytes);
    }
    std::vector<Record> records;
    if (const auto problem = SplitRecords(text, records)) {
        return ImportedItems::Failed(*problem);
    }
    // A blank line is no record; a spreadsheet leaves them at the end.
    std::erase_if(records, [](const Record& record) {
        return record.fields.size() == 1 && CollapseSpaces(record.fields[0]).empty();
    });
    if (records.empty()) {
        return ImportedItems::Failed("The file holds no rows.");
    }

    std::array<int, ColumnCount> place{0, 1, 2, 3, 4};
    const Record& first = records.front();
    if (!first.fields.empty() && ColumnNamed(first.fields[0])) {
        place.fill(-1);
        for (std::size_t k = 0; k < first.fields.size(); ++k) {
            if (const auto column = ColumnNamed(first.fields[k])) {
                place[*column] = static_cast<int>(k);
            } else if (!CollapseSpaces(first.fields[k]).empty()) {
                return ImportedItems::Failed(
                    AtLine(first.line, "the column \"" + first.fields[k] + "\" is not known."));
            }
        }
        if (place[TextColumn] < 0) {
            return ImportedItems::Failed(AtLine(first.line, "the header has no \"Text\" column."));
        }
        records.erase(records.begin());
    }

    ImportedItems result;
    result.items.reserve(records.size());
    for (const Record& record : records) {
        const auto cell = [&record, &place](Column column) {
            const int k = place[column];
            return k >= 0 && k < static_cast<int>(record.fields.size()) ? record.fields[k]
                                                                        : std::string();
        };
        const int known = *std::max_element(place.begin(), place.end());
        for (std::size_t k = known + 1; k < record.fields.size(); ++k) {
            if (!CollapseSpaces(record.fields[k]).empty()) {
                return ImportedItems::Failed(
                    AtLine(record.line, "field " + std::to_string(k + 1) + " has no column."));
            }
        }
        ItemEntry item;
        item.text = CollapseSpaces(cell(TextColumn));
        if (item.text.empty()) {
            return ImportedItems::Failed(AtLine(record.line, "the item has no text."));
        }
        const auto heading = HeadingFlag(cell(HeadingColumn));
        if (!heading) {
            return ImportedItems::Failed(
                AtLine(record.line,
                       "the heading column says \"" + cell(HeadingColumn) + "\"; use Yes or No."));
        }
        item.heading = *heading;
        item.link = item.heading ? std::string() : CollapseSpaces(cell(LinkColumn));
        for (const Column column : {BackColumn, ForeColumn}) {
            const std::string field = cell(column);
            if (CollapseSpaces(field).empty()) {
                continue;
            }
            const auto color = ColorText(field);
            if (!color) {
                return ImportedItems::Failed(
                    AtLine(record.line, "\"" + field + "\" is not a colour; write it as #RRGGBB."));
            }
            (column == BackColumn ? item.backColor : item.textColor) = *color;
        }
        result.items.push_back(std::move(item));
    }
    return result;
}

} // namespace pickwell
