// CIniFile: changing values in place, and the text held written out again.
#include "persistence/CIniFile.h"

#include "persistence/IniSyntax.h"
#include "text/Windows1252.h"

#include <algorithm>

namespace pickwell {

using ini::AppendFileValue;
using ini::FoldedHash;

CIniFile::SectionBlock& CIniFile::SectionForWriting() {
    if (m_current == NoSection) {
        m_current = m_sections.size();
        m_sectionIndex.emplace(m_foldedSection, m_current);
        const std::size_t offset = m_text.size();
        m_text += '[';
        AppendWindows1252(m_text, m_section, Unmappable::CharacterReference);
        m_text += ']';
        SectionBlock& block = m_sections.emplace_back();
        block.header = MakeLine(offset, m_text.size() - offset);
        SizeKeyTable(block, 0);
    }
    return m_sections[m_current];
}

void CIniFile::SetValue(std::string_view text) {
    SectionBlock& block = SectionForWriting();
    TakePending(block);
    const std::uint32_t hash = FoldedHash(m_fileKey);
    const std::size_t at = FindSlot(block, m_fileKey, hash);
    if (block.slots[at].line != 0) {
        Line& line = block.lines[block.slots[at].line - 1];
        const std::string kept(Text(line).substr(0, line.valueStart));
        const std::size_t offset = m_text.size();
        m_text += kept;
        AppendFileValue(m_text, text);
        line = MakeLine(offset, m_text.size() - offset);
        line.firstOfKey = 1;
        return;
    }
    IndexKey(block, at, hash, AddValueLine(block, text));
}

void CIniFile::ReserveLines(std::size_t lines) {
    SectionBlock& block = SectionForWriting();
    block.lines.reserve(block.lines.size() + lines);
}

void CIniFile::AppendValue(std::string_view text) {
    SectionBlock& block = SectionForWriting();
    AddValueLine(block, text);
    ++block.pending;
}

std::size_t CIniFile::AddValueLine(SectionBlock& block, std::string_view text) {
    const std::size_t offset = m_text.size();
    AppendWindows1252(m_text, m_key, Unmappable::CharacterReference);
    m_text += '=';
    AppendFileValue(m_text, text);
    Line line = MakeLine(offset, m_text.size() - offset);
    line.firstOfKey = 1;
    block.lines.insert(block.lines.begin() + static_cast<std::ptrdiff_t>(block.valueEnd), line);
    return block.valueEnd++;
}

template <typename Take> void CIniFile::ForEachLine(Take take) const {
    std::for_each(m_preamble.begin(), m_preamble.end(), take);
    for (const SectionBlock& block : m_sections) {
        take(block.header);
        std::for_each(block.lines.begin(), block.lines.end(), take);
    }
}

std::string CIniFile::bytes() const {
    std::string out;
    out.reserve(m_text.size() + 2 * LineCount());
    ForEachLine([&](const Line& line) {
        out += Text(line);
        out += "\r\n";
    });
    return out;
}

std::size_t CIniFile::LineCount() const {
    std::size_t count = m_preamble.size();
    for (const SectionBlock& block : m_sections) {
        count += 1 + block.lines.size();
    }
    return count;
}

WriteResult CIniFile::Save(FileOps& ops) const {
    // A piece at a time, so that a large file is not built a second time in memory.
    return WriteFileInPieces(
        m_path,
        [this](PieceWriter& out) {
            ForEachLine([&](const Line& line) {
                out.text() += Text(line);
                out.text() += "\r\n";
                out.Pass();
            });
        },
        ops);
}

} // namespace pickwell
