// CIniFile::InOrder: the values of a section's numbered keys in one pass over its lines.
#include "persistence/CIniFile.h"

#include "persistence/IniSyntax.h"

#include <algorithm>
#include <charconv>

namespace pickwell {

using ini::AppendValueText;
using ini::FileNameInto;
using ini::FoldedEqual;
using ini::FoldedFileName;
using ini::IsPlainValue;
using ini::MaxValueLength;
using ini::ValueIn;

CIniFile::InOrder CIniFile::ReadInOrder(std::string_view section, std::vector<std::string> prefixes,
                                        std::size_t count) const {
    InOrder reader;
    reader.m_file = this;
    reader.m_count = count;
    reader.m_total = count * prefixes.size();
    for (std::string& prefix : prefixes) {
        std::string name;
        FileNameInto(name, prefix);
        reader.m_prefixes.push_back(std::move(name));
    }
    const auto it = m_sectionIndex.find(FoldedFileName(section));
    if (it == m_sectionIndex.end() || !m_sections[it->second].deferred) {
        reader.m_broken = true;
    } else {
        reader.m_at = m_sections[it->second].bodyBegin;
        reader.m_end = m_sections[it->second].bodyEnd;
    }
    return reader;
}

bool CIniFile::InOrder::IsNext(std::string_view key) const {
    const std::string& prefix = m_prefixes[m_field];
    return key.size() == prefix.size() + m_number.size() && key.starts_with(prefix) &&
           key.ends_with(m_number);
}

void CIniFile::InOrder::Advance() {
    ++m_next;
    if (++m_field < m_prefixes.size()) {
        return;
    }
    m_field = 0;
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

bool CIniFile::InOrder::DueLater(std::string_view key) const {
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
        if (number >= 1 && number <= m_count &&
            (number - 1) * m_prefixes.size() + field >= m_next) {
            return true;
        }
    }
    return false;
}

bool CIniFile::InOrder::Next(std::string& value, std::size_t spare) {
    std::string_view raw;
    if (!NextRaw(raw)) {
        return false;
    }
    value.clear();
    value.reserve(std::min(raw.size(), MaxValueLength) + spare);
    AppendValueText(value, raw);
    return true;
}

bool CIniFile::InOrder::NextView(std::string_view& value, std::string& scratch) {
    if (!NextRaw(value)) {
        return false;
    }
    if (!IsPlainValue(value)) {
        scratch.clear();
        AppendValueText(scratch, value);
        value = scratch;
    }
    return true;
}

// Every line before the one taken holds either an earlier key of the order, an unrelated key
// or none (a key of the order out of turn breaks it off): so the line taken is its key's first,
// as Value() would find it.
bool CIniFile::InOrder::NextRaw(std::string_view& raw) {
    if (m_broken || m_next == m_total) {
        return false;
    }
    while (m_at < m_end) {
        const Line bare = m_file->NextLine(m_at, m_end);
        // The usual line, the key due with nothing around it, is known at a glance: the
        // prefix and digits hold no "=", so the one after them is the line's first.
        const std::string_view text = m_file->Text(bare);
        const std::size_t keyLength = m_prefixes[m_field].size() + m_number.size();
        if (text.size() > keyLength && text[keyLength] == '=' &&
            IsNext(text.substr(0, keyLength))) {
            raw = ValueIn(text.substr(keyLength + 1));
            Advance();
            return true;
        }
        const Line line = m_file->MakeLine(bare.offset, bare.length);
        if (!line.isValue()) {
            continue;
        }
        const std::string_view key = m_file->KeyOf(line);
        if (IsNext(key)) {
            raw = m_file->RawValueOf(line);
            Advance();
            return true;
        }
        if (DueLater(key)) {
            break;
        }
    }
    m_broken = true;
    return false;
}

} // namespace pickwell
