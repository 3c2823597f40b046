#include "persistence/ProjectLines.h"

#include "persistence/IniSyntax.h"
#include "persistence/ProjectFile.h"

#include <algorithm>
#include <charconv>

namespace pickwell {

using ini::AppendValueText;
using ini::FileNameInto;
using ini::FoldedEqual;
using ini::FoldedFileName;
using ini::IsPlainValue;
using ini::MaxValueLength;
using ini::Trim;
using ini::ValueIn;

ProjectLines::InOrder::InOrder(const ItemSection& section)
    : m_section(&section)
    , m_foldedName(FoldedFileName(section.name)) {
    for (const ItemKey& key : section.keys) {
        FileNameInto(m_prefixes.emplace_back(), key.prefix);
    }
}

bool ProjectLines::InOrder::IsNext(std::string_view key) const {
    const std::string& prefix = m_prefixes[m_field];
    return key.size() == prefix.size() + m_number.size() && key.starts_with(prefix) &&
           key.ends_with(m_number);
}

bool ProjectLines::InOrder::DueLater(std::string_view key) const {
    for (std::size_t field = 0; field < m_prefixes.size(); ++field) {
        const std::string& prefix = m_prefixes[field];
        if (key.size() <= prefix.size() || !FoldedEqual(key.substr(0, prefix.size()), prefix)) {
            continue;
        }
        // Only the number's own spelling names the key: "Item 07" is another key than "Item 7".
        const std::string_view digits = key.substr(prefix.size());
        std::size_t number = 0;
        if (digits.size() > 19 || digits.front() == '0' ||
            std::from_chars(digits.data(), digits.data() + digits.size(), number).ptr !=
                digits.data() + digits.size()) {
            continue;
        }
        if (number > m_item + 1 || (number == m_item + 1 && field >= m_field)) {
            return true;
        }
    }
    return false;
}

void ProjectLines::InOrder::Advance() {
    if (++m_field < m_prefixes.size()) {
        return;
    }
    m_field = 0;
    ++m_item;
    // The next item's number, counted on in its digits.
    std::size_t digit = m_number.size();
    while (digit > 0 && m_number[digit - 1] == '9') {
        m_number[--digit] = '0';
    }
    if (digit == 0) {
        m_number.insert(0, 1, '1');
    } else {
        ++m_number[digit - 1];
    }
}

void ProjectLines::InOrder::Store(std::string_view raw, std::vector<MenuItem>& items) {
    if (m_item == items.size()) {
        items.emplace_back();
    }
    MenuItem& item = items[m_item];
    const ItemKey& key = m_section->keys[m_field];
    if (key.text != nullptr) {
        // An item's text follows the indent its heading value may have given it already, in a
        // file that holds the item sections in another order; it has room for the indent.
        std::string& value = item.*key.text;
        const std::size_t spare = key.text == &MenuItem::text ? HeadingIndent.size() : 0;
        value.reserve(std::min(raw.size(), MaxValueLength) + spare);
        AppendValueText(value, raw);
    } else if (IsPlainValue(raw)) {
        // Flags and colours are ASCII nearly always, which needs no decoding.
        item.*key.shortText = raw;
    } else {
        m_scratch.clear();
        AppendValueText(m_scratch, raw);
        item.*key.shortText = m_scratch;
    }
    if (key.shortText == &MenuItem::isHeading) {
        // While the item is at hand, rather than in a pass of its own over a long list.
        IndentUnderHeading(item, m_headingAbove);
    }
    Advance();
}

bool ProjectLines::InOrder::Take(std::string_view line, std::vector<MenuItem>& items) {
    if (m_broken) {
        return false;
    }
    // The usual line, the key due with nothing around it, is known at a glance: the prefix and
    // digits hold no "=", so the one after them is the line's first.
    const std::size_t keyLength = m_prefixes[m_field].size() + m_number.size();
    if (line.size() > keyLength && line[keyLength] == '=' && IsNext(line.substr(0, keyLength))) {
        Store(ValueIn(line.substr(keyLength + 1)), items);
        return true;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return false;
    }
    const std::string_view key = Trim(line.substr(0, equals));
    if (IsNext(key)) {
        Store(ValueIn(line.substr(equals + 1)), items);
        return true;
    }
    m_broken = DueLater(key);
    return false;
}

ProjectLines::ProjectLines(std::size_t roomHint) {
    m_sections.reserve(ItemSections.size());
    for (const ItemSection& section : ItemSections) {
        m_sections.emplace_back(section);
    }
    m_items.reserve(roomHint);
}

void ProjectLines::Take(std::string_view lines) {
    if (m_lineCount == 0) {
        m_header = HasProjectHeader(lines);
    }
    while (!lines.empty()) {
        const std::size_t end = std::min(lines.find('\n'), lines.size());
        const std::size_t next = std::min(end + 1, lines.size());
        std::string_view line = lines.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        ++m_lineCount;
        if (!TakeValue(line)) {
            m_other.append(lines.substr(0, next));
        }
        lines.remove_prefix(next);
    }
}

bool ProjectLines::TakeValue(std::string_view line) {
    // Only a line that starts with "[" or a blank can be a header.
    std::string_view name;
    if (!line.empty() && (line.front() == '[' || ini::IsBlank(line.front())) &&
        ini::SectionName(line, name)) {
        const std::string folded = ini::Fold(name);
        m_current = nullptr;
        for (InOrder& section : m_sections) {
            if (!section.seen && section.foldedName() == folded) {
                section.seen = true;
                m_current = &section;
            }
        }
        return false;
    }
    return m_current != nullptr && m_current->Take(line, m_items);
}

std::optional<std::vector<MenuItem>> ProjectLines::TakeItems(std::size_t count) {
    if (std::any_of(m_sections.begin(), m_sections.end(),
                    [count](const InOrder& section) { return section.itemsDone() < count; })) {
        return std::nullopt;
    }
    m_items.resize(count);
    return std::move(m_items);
}

} // namespace pickwell
