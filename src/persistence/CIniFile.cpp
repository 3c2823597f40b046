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
using ini::SkipPlainLines;
using ini::Trim;
using ini::ValueIn;

namespace {

// How far a read looks into a deferred section before it indexes the section instead.
constexpr std::size_t NearTopLines = 64;

} // namespace

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

void CIniFile::FinishBlock(SectionBlock& block, std::vector<std::uint32_t>& hashes,
                           std::size_t end) {
    block.bodyEnd = end;
    if (!block.deferred) {
        SizeKeyTable(block, static_cast<std::size_t>(
                                std::count_if(block.lines.begin(), block.lines.end(),
                                              [](const Line& line) { return line.isValue(); })));
        InsertKeys(block, 0, hashes);
    }
    hashes.clear();
}

void CIniFile::Undefer(SectionBlock& block) {
    block.deferred = false;
    block.lines.reserve(block.deferredLines);
    std::vector<std::uint32_t> hashes;
    hashes.reserve(block.deferredLines);
    for (std::size_t start = block.bodyBegin; start < block.bodyEnd;) {
        AddBodyLine(block, NextLine(start, block.bodyEnd), hashes);
    }
    block.deferredLines = 0;
    FinishBlock(block, hashes, block.bodyEnd);
}

void CIniFile::Assign(std::string bytes, std::initializer_list<std::string_view> readInOrder) {
    BeginAssign(readInOrder) = std::move(bytes);
    EndAssign();
}

std::string& CIniFile::BeginAssign(std::initializer_list<std::string_view> readInOrder) {
    m_text.clear();
    m_preamble.clear();
    m_sections.clear();
    m_sectionIndex.clear();
    m_assigning = {};
    for (const std::string_view name : readInOrder) {
        m_assigning.deferredNames.push_back(FoldedFileName(name));
    }
    return m_text;
}

void CIniFile::TakeLines(std::size_t filled) {
    const std::size_t from = m_assigning.next;
    if (filled <= from) {
        return;
    }
    // The last line end is near the piece's end, so it is looked for from there.
    const std::size_t last = std::string_view(m_text).substr(0, filled).rfind('\n');
    if (last != std::string_view::npos && last >= from) {
        ReadLines(last + 1);
    }
}

void CIniFile::EndAssign() {
    ReadLines(m_text.size());
    if (!m_sections.empty()) {
        FinishBlock(m_sections.back(), m_assigning.hashes, m_text.size());
    }
    m_assigning = {};
    const auto it = m_sectionIndex.find(m_foldedSection);
    m_current = it == m_sectionIndex.end() ? NoSection : it->second;
}

// Each line is read once: its key's hash is taken while the line is at hand, and a section's
// keys go into its table as soon as the section ends. A deferred section's lines are only
// counted.
void CIniFile::ReadLines(std::size_t end) {
    std::vector<std::uint32_t>& hashes = m_assigning.hashes;
    std::size_t start = m_assigning.next;
    while (start < end) {
        const std::size_t offset = start;
        const Line bare = NextLine(start, end);
        std::string_view name;
        if (SectionName(Text(bare), name)) {
            if (!m_sections.empty()) {
                FinishBlock(m_sections.back(), hashes, offset);
            }
            std::string folded = Fold(name);
            SectionBlock& block = m_sections.emplace_back();
            block.header = bare;
            block.bodyBegin = start;
            const std::vector<std::string>& deferred = m_assigning.deferredNames;
            block.deferred = std::find(deferred.begin(), deferred.end(), folded) != deferred.end();
            m_sectionIndex.try_emplace(std::move(folded), m_sections.size() - 1);
        } else if (m_sections.empty()) {
            m_preamble.push_back(bare);
        } else if (m_sections.back().deferred) {
            ++m_sections.back().deferredLines;
            start = SkipPlainLines(m_text.data(), start, end, m_sections.back().deferredLines);
        } else {
            AddBodyLine(m_sections.back(), bare, hashes);
        }
    }
    m_assigning.next = start;
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

CIniFile::NearTop CIniFile::FindNearTop(const SectionBlock& block, Line& found) const {
    std::size_t start = block.bodyBegin;
    for (std::size_t n = 0; start < block.bodyEnd; ++n) {
        if (n == NearTopLines) {
            return NearTop::TooFar;
        }
        const Line bare = NextLine(start, block.bodyEnd);
        const Line line = MakeLine(bare.offset, bare.length);
        if (line.isValue() && FoldedEqual(KeyOf(line), m_fileKey)) {
            found = line;
            return NearTop::Found;
        }
    }
    return NearTop::Absent;
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
    if (block.deferred) {
        Line line;
        switch (FindNearTop(block, line)) {
        case NearTop::Found:
            return ValueOf(line);
        case NearTop::Absent:
            return m_default;
        case NearTop::TooFar:
            Undefer(block);
            break;
        }
    }
    const std::size_t at = FindLine(block);
    if (at == NoLine) {
        return m_default;
    }
    block.nextRead = at + 1;
    return ValueOf(block.lines[at]);
}

} // namespace pickwell
