#include "persistence/CIniFile.h"

#include "text/Windows1252.h"

#include <algorithm>

namespace pickwell {

namespace {

constexpr std::size_t MaxValueLength = 254;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char FoldChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
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

// FNV-1a over the folded bytes, so that names differing only in case meet.
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

bool FoldedEqual(std::string_view text, std::string_view folded) {
    return text.size() == folded.size() &&
           std::equal(text.begin(), text.end(), folded.begin(),
                      [](char a, char b) { return FoldChar(a) == b; });
}

std::string ToFile(std::string_view utf8) {
    return EncodeWindows1252(utf8, Unmappable::QuestionMark);
}

// The name of a "[Name]" line, or nothing for any other line.
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

} // namespace

CIniFile::Line CIniFile::MakeLine(std::size_t offset, std::size_t length) const {
    Line line{offset, static_cast<std::uint32_t>(length)};
    const std::string_view text = Text(line);
    const auto eq = text.find('=');
    if (eq != std::string_view::npos) {
        const std::string_view key = Trim(text.substr(0, eq));
        line.keyStart = key.empty() ? 0 : static_cast<std::uint32_t>(key.data() - text.data());
        line.keyLength = static_cast<std::uint32_t>(key.size());
        line.valueStart = static_cast<std::uint32_t>(eq + 1);
    }
    return line;
}

CIniFile::Line CIniFile::AppendText(std::string_view bytes) {
    const std::size_t offset = m_text.size();
    m_text += bytes;
    return MakeLine(offset, bytes.size());
}

std::string_view CIniFile::Text(const Line& line) const {
    return std::string_view(m_text).substr(line.offset, line.length);
}

void CIniFile::Assign(std::string_view bytes) {
    m_text.assign(bytes);
    m_preamble.clear();
    m_sections.clear();
    m_sectionIndex.clear();
    std::size_t start = 0;
    while (start < m_text.size()) {
        auto end = m_text.find('\n', start);
        const std::size_t next = end == std::string::npos ? m_text.size() : end + 1;
        if (end == std::string::npos) {
            end = m_text.size();
        }
        if (end > start && m_text[end - 1] == '\r') {
            --end;
        }
        AddLine(MakeLine(start, end - start));
        start = next;
    }
}

void CIniFile::AddLine(const Line& line) {
    std::string_view name;
    if (SectionName(Text(line), name)) {
        m_sectionIndex.try_emplace(Fold(name), m_sections.size());
        m_sections.push_back({line, {}, {}, 0, 0});
        return;
    }
    if (m_sections.empty()) {
        m_preamble.push_back(line);
        return;
    }
    SectionBlock& block = m_sections.back();
    block.lines.push_back(line);
    if (line.isValue()) {
        block.valueEnd = block.lines.size();
        const std::string_view key = Text(line).substr(line.keyStart, line.keyLength);
        const std::uint32_t hash = FoldedHash(key);
        if (block.slots.empty() || block.slots[FindSlot(block, Fold(key), hash)].line == 0) {
            IndexKey(block, hash, block.lines.size() - 1);
        }
    }
}

std::size_t CIniFile::FindSlot(const SectionBlock& block, std::string_view foldedKey,
                               std::uint32_t hash) const {
    const std::size_t mask = block.slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const KeySlot& slot = block.slots[i];
        if (slot.line == 0) {
            return i;
        }
        if (slot.hash == hash) {
            const Line& line = block.lines[slot.line - 1];
            if (FoldedEqual(Text(line).substr(line.keyStart, line.keyLength), foldedKey)) {
                return i;
            }
        }
    }
}

void CIniFile::IndexKey(SectionBlock& block, std::uint32_t hash, std::size_t line) {
    // Kept at most half full, so that every search soon meets a free place.
    if (2 * (block.keyCount + 1) > block.slots.size()) {
        std::vector<KeySlot> old(std::max<std::size_t>(16, 2 * block.slots.size()));
        old.swap(block.slots);
        const std::size_t mask = block.slots.size() - 1;
        for (const KeySlot& slot : old) {
            if (slot.line != 0) {
                std::size_t i = slot.hash & mask;
                while (block.slots[i].line != 0) {
                    i = (i + 1) & mask;
                }
                block.slots[i] = slot;
            }
        }
    }
    const std::size_t mask = block.slots.size() - 1;
    std::size_t i = hash & mask;
    while (block.slots[i].line != 0) {
        i = (i + 1) & mask;
    }
    block.slots[i] = {hash, static_cast<std::uint32_t>(line + 1)};
    ++block.keyCount;
}

void CIniFile::SetSection(std::string_view name) {
    m_section = name;
    m_foldedSection = Fold(ToFile(name));
}

void CIniFile::SetKey(std::string_view name) {
    m_key = name;
    m_foldedKey = Fold(ToFile(name));
}

const CIniFile::SectionBlock* CIniFile::FindSection() const {
    const auto it = m_sectionIndex.find(m_foldedSection);
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

std::string CIniFile::Value() const {
    const SectionBlock* block = FindSection();
    if (block == nullptr || block->slots.empty()) {
        return m_default;
    }
    const KeySlot& slot = block->slots[FindSlot(*block, m_foldedKey, FoldedHash(m_foldedKey))];
    if (slot.line == 0) {
        return m_default;
    }
    const Line& line = block->lines[slot.line - 1];
    std::string_view value = Trim(Text(line).substr(line.valueStart));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return DecodeWindows1252(value.substr(0, MaxValueLength));
}

CIniFile::SectionBlock& CIniFile::SectionForWriting() {
    const auto [it, added] = m_sectionIndex.try_emplace(m_foldedSection, m_sections.size());
    if (added) {
        // Appended piece by piece: GCC 12 takes a literal plus a string for an overlapping copy.
        std::string header(1, '[');
        header += ToFile(m_section);
        header += ']';
        m_sections.push_back({AppendText(header), {}, {}, 0, 0});
    }
    return m_sections[it->second];
}

void CIniFile::SetValue(std::string_view text) {
    std::string value;
    value.reserve(text.size());
    for (char c : text) {
        if (c == '\0') {
            continue;
        }
        // A line break would end the value and let the rest pose as lines of its own.
        value += (c == '\r' || c == '\n') ? ' ' : c;
    }
    value = ToFile(value);

    SectionBlock& block = SectionForWriting();
    const std::uint32_t hash = FoldedHash(m_foldedKey);
    if (!block.slots.empty()) {
        const KeySlot& slot = block.slots[FindSlot(block, m_foldedKey, hash)];
        if (slot.line != 0) {
            Line& line = block.lines[slot.line - 1];
            const std::string kept(Text(line).substr(0, line.valueStart));
            line = AppendText(kept + value);
            return;
        }
    }
    const Line line = AppendText(ToFile(m_key) + "=" + value);
    block.lines.insert(block.lines.begin() + static_cast<std::ptrdiff_t>(block.valueEnd), line);
    IndexKey(block, hash, block.valueEnd);
    ++block.valueEnd;
}

std::string CIniFile::bytes() const {
    std::string out;
    out.reserve(m_text.size() + 2 * LineCount());
    const auto add = [&](const Line& line) {
        out += Text(line);
        out += "\r\n";
    };
    std::for_each(m_preamble.begin(), m_preamble.end(), add);
    for (const SectionBlock& block : m_sections) {
        add(block.header);
        std::for_each(block.lines.begin(), block.lines.end(), add);
    }
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
    return WriteFileAtomically(m_path, bytes(), ops);
}

} // namespace pickwell
