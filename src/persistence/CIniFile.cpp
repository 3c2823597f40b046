// CIniFile: taking a text in, line by line, and reading single values from it.
#include "persistence/CIniFile.h"

#include "persistence/IniSyntax.h"

#include <algorithm>
#include <cstring>

namespace pickwell {

using ini::AppendValueText;
using ini::FileNameInto;
using ini::Fold;
using ini::FoldedEqual;
using ini::FoldedFileName;
using ini::FoldedHash;
using ini::SectionName;
using ini::Trim;
using ini::ValueIn;

CIniFile::Line CIniFile::MakeLine(std::size_t offset, std::size_t length) const {
    Line line{offset, static_cast<std::uint32_t>(length)};
    const auto* eq = static_cast<const char*>(std::memchr(m_text.data() + offset, '=', length));
    if (eq != nullptr) {
        line.valueStart = static_cast<std::uint32_t>(eq - (m_text.data() + offset) + 1);
    }
    return line;
}

std::string_view CIniFile::Text(const Line& line) const {
    return std::string_view(m_text.data() + line.offset, line.length);
}

std::string_view CIniFile::KeyOf(const Line& line) const {
    return Trim(Text(line).substr(0, line.valueStart - 1));
}

CIniFile::Line CIniFile::NextLine(std::size_t& start, std::size_t end) const {
    const auto* newline =
        static_cast<const char*>(std::memchr(m_text.data() + start, '\n', end - start));
    const std::size_t begin = start;
    std::size_t stop = newline ? static_cast<std::size_t>(newline - m_text.data()) : end;
    start = newline ? stop + 1 : end;
    if (stop > begin && m_text[stop - 1] == '\r') {
        --stop;
    }
    return {begin, static_cast<std::uint32_t>(stop - begin)};
}

void CIniFile::AddBodyLine(SectionBlock& block, const Line& bare,
                           std::vector<std::uint32_t>& hashes) {
    const Line line = MakeLine(bare.offset, bare.length);
    // First of its key until InsertKeys finds the key above it.
    block.lines.emplace_back(line).firstOfKey = line.isValue();
    hashes.push_back(line.isValue() ? FoldedHash(KeyOf(line)) : 0);
    if (line.isValue()) {
        block.valueEnd = block.lines.size();
    }
}

void CIniFile::FinishBlock(SectionBlock& block, std::vector<std::uint32_t>& hashes) {
    SizeKeyTable(block, static_cast<std::size_t>(
                            std::count_if(block.lines.begin(), block.lines.end(),
                                          [](const Line& line) { return line.isValue(); })));
    InsertKeys(block, 0, hashes);
    hashes.clear();
}

// Each line is read once: its key's hash is taken while the line is at hand, and a section's
// keys go into its table as soon as the section ends.
void CIniFile::Assign(std::string bytes) {
    m_text = std::move(bytes);
    m_preamble.clear();
    m_sections.clear();
    m_sectionIndex.clear();
    std::vector<std::uint32_t> hashes;
    for (std::size_t start = 0; start < m_text.size();) {
        const Line bare = NextLine(start, m_text.size());
        std::string_view name;
        if (SectionName(Text(bare), name)) {
            if (!m_sections.empty()) {
                FinishBlock(m_sections.back(), hashes);
            }
            m_sections.emplace_back().header = bare;
            m_sectionIndex.try_emplace(Fold(name), m_sections.size() - 1);
        } else if (m_sections.empty()) {
            m_preamble.push_back(bare);
        } else {
            AddBodyLine(m_sections.back(), bare, hashes);
        }
    }
    if (!m_sections.empty()) {
        FinishBlock(m_sections.back(), hashes);
    }
    const auto it = m_sectionIndex.find(m_foldedSection);
    m_current = it == m_sectionIndex.end() ? NoSection : it->second;
}

void CIniFile::SetSection(std::string_view name) {
    // Readers and writers name the same section many times in a row.
    if (name == m_section) {
        return;
    }
    m_section = name;
    m_foldedSection = FoldedFileName(name);
    const auto it = m_sectionIndex.find(m_foldedSection);
    m_current = it == m_sectionIndex.end() ? NoSection : it->second;
}

void CIniFile::SetKey(std::string_view name) {
    m_key = name;
    FileNameInto(m_fileKey, name);
}

std::string_view CIniFile::RawValueOf(const Line& line) const {
    return ValueIn(Text(line).substr(line.valueStart));
}

std::string CIniFile::ValueOf(const Line& line) const {
    std::string value;
    AppendValueText(value, RawValueOf(line));
    return value;
}

std::string CIniFile::Value() {
    if (m_current == NoSection) {
        return m_default;
    }
    SectionBlock& block = m_sections[m_current];
    const std::size_t at = FindLine(block);
    if (at == NoLine) {
        return m_default;
    }
    block.nextRead = at + 1;
    return ValueOf(block.lines[at]);
}

} // namespace pickwell
