#include "persistence/CIniFile.h"

#include "text/Windows1252.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace pickwell {

namespace {

constexpr std::size_t MaxValueLength = 254;
constexpr std::size_t NoLine = static_cast<std::size_t>(-1);

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

bool FoldedEqual(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldChar(x) == FoldChar(y);
           });
}

// A name given in UTF-8 as the file holds it. Names are ASCII nearly always, and then need no
// conversion; `out` keeps its storage from name to name.
void FileNameInto(std::string& out, std::string_view utf8) {
    const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    if (std::all_of(utf8.begin(), utf8.end(), ascii)) {
        out.assign(utf8);
    } else {
        out = EncodeWindows1252(utf8, Unmappable::QuestionMark);
    }
}

// A value as its line holds it: without NUL characters, line breaks as blanks, in the code page.
void AppendFileValue(std::string& out, std::string_view text) {
    const auto unwritable = [](char c) { return c == '\0' || c == '\r' || c == '\n'; };
    if (std::none_of(text.begin(), text.end(), unwritable)) {
        AppendWindows1252(out, text, Unmappable::QuestionMark);
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
    AppendWindows1252(out, value, Unmappable::QuestionMark);
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

void CIniFile::Assign(std::string bytes) {
    m_text = std::move(bytes);
    m_preamble.clear();
    m_sections.clear();
    m_sectionIndex.clear();
    // Each line is read once: its key's hash is taken while the line is at hand, and a section's
    // keys go into its table as soon as the section ends.
    std::vector<std::uint32_t> hashes;
    std::size_t valueLines = 0;
    const auto endSection = [&] {
        if (!m_sections.empty()) {
            SizeKeyTable(m_sections.back(), valueLines);
            InsertKeys(m_sections.back(), 0, hashes);
        }
        hashes.clear();
        valueLines = 0;
    };
    std::size_t start = 0;
    while (start < m_text.size()) {
        const auto* newline = static_cast<const char*>(
            std::memchr(m_text.data() + start, '\n', m_text.size() - start));
        std::size_t end =
            newline ? static_cast<std::size_t>(newline - m_text.data()) : m_text.size();
        const std::size_t next = newline ? end + 1 : end;
        if (end > start && m_text[end - 1] == '\r') {
            --end;
        }
        const Line line = MakeLine(start, end - start);
        std::string_view name;
        if (SectionName(Text(line), name)) {
            endSection();
            m_sectionIndex.try_emplace(Fold(name), m_sections.size());
            m_sections.emplace_back().header = line;
        } else if (m_sections.empty()) {
            m_preamble.push_back(line);
        } else {
            SectionBlock& block = m_sections.back();
            // First of its key until InsertKeys finds the key above it.
            block.lines.emplace_back(line).firstOfKey = line.isValue();
            hashes.push_back(line.isValue() ? FoldedHash(KeyOf(line)) : 0);
            if (line.isValue()) {
                block.valueEnd = block.lines.size();
                ++valueLines;
            }
        }
        start = next;
    }
    endSection();
    const auto it = m_sectionIndex.find(m_foldedSection);
    m_current = it == m_sectionIndex.end() ? NoSection : it->second;
}

// The first line of each key goes into the table; a later line of a key it already holds is
// no key's first. Keys go in by their places in the table, front to back, not at random: in a
// large section that keeps the table in the cache. The counting sort that orders them keeps
// the lines of one place in the file's order, so the earlier line of a key always comes first.
void CIniFile::InsertKeys(SectionBlock& block, std::size_t first,
                          const std::vector<std::uint32_t>& hashes) {
    std::vector<Line>& lines = block.lines;
    const std::size_t mask = block.slots.size() - 1;
    int shift = 0;
    while ((block.slots.size() >> shift) > 1024) {
        ++shift;
    }
    const auto bucketOf = [&](std::size_t j) { return (hashes[j] & mask) >> shift; };
    std::vector<std::uint32_t> next((mask >> shift) + 2, 0);
    for (std::size_t j = 0; j < hashes.size(); ++j) {
        if (lines[first + j].isValue()) {
            ++next[bucketOf(j) + 1];
        }
    }
    std::partial_sum(next.begin(), next.end(), next.begin());
    // Each key's hash and its line's place in the range, so that the inserting reads in order.
    std::vector<KeySlot> order(next.back());
    for (std::size_t j = 0; j < hashes.size(); ++j) {
        if (lines[first + j].isValue()) {
            order[next[bucketOf(j)]++] = {hashes[j], static_cast<std::uint32_t>(j)};
        }
    }
    for (const KeySlot& entry : order) {
        const std::size_t i = first + entry.line;
        const std::uint32_t hash = entry.hash;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            const KeySlot& slot = block.slots[at];
            if (slot.line == 0) {
                block.slots[at] = {hash, static_cast<std::uint32_t>(i + 1)};
                ++block.keyCount;
                break;
            }
            if (slot.hash == hash && FoldedEqual(KeyOf(lines[slot.line - 1]), KeyOf(lines[i]))) {
                lines[i].firstOfKey = 0;
                break;
            }
        }
    }
}

// The lines AppendValue added go into the key table together, the cheaper way.
void CIniFile::TakePending(SectionBlock& block) {
    if (block.pending == 0) {
        return;
    }
    const std::size_t first = block.valueEnd - block.pending;
    std::vector<std::uint32_t> hashes(block.pending);
    for (std::size_t j = 0; j < hashes.size(); ++j) {
        hashes[j] = FoldedHash(KeyOf(block.lines[first + j]));
    }
    while (4 * (block.keyCount + block.pending) > 3 * block.slots.size()) {
        Grow(block);
    }
    InsertKeys(block, first, hashes);
    block.pending = 0;
}

std::size_t CIniFile::FindSlot(const SectionBlock& block, std::string_view key,
                               std::uint32_t hash) const {
    const std::size_t mask = block.slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const KeySlot& slot = block.slots[i];
        if (slot.line == 0) {
            return i;
        }
        if (slot.hash == hash && FoldedEqual(KeyOf(block.lines[slot.line - 1]), key)) {
            return i;
        }
    }
}

std::size_t CIniFile::FindLine(SectionBlock& block) {
    if (block.nextRead < block.lines.size()) {
        const Line& line = block.lines[block.nextRead];
        if (line.firstOfKey && FoldedEqual(KeyOf(line), m_fileKey)) {
            return block.nextRead;
        }
    }
    TakePending(block);
    const KeySlot& slot = block.slots[FindSlot(block, m_fileKey, FoldedHash(m_fileKey))];
    return slot.line == 0 ? NoLine : slot.line - 1;
}

void CIniFile::SizeKeyTable(SectionBlock& block, std::size_t keys) {
    std::size_t size = 16;
    while (4 * keys > 3 * size) {
        size *= 2;
    }
    block.slots.assign(size, {});
}

void CIniFile::IndexKey(SectionBlock& block, std::size_t at, std::uint32_t hash, std::size_t line) {
    block.slots[at] = {hash, static_cast<std::uint32_t>(line + 1)};
    // Kept at most three quarters full, so that every search soon meets a free place.
    if (4 * ++block.keyCount > 3 * block.slots.size()) {
        Grow(block);
    }
}

void CIniFile::Grow(SectionBlock& block) {
    std::vector<KeySlot> old(2 * block.slots.size());
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

void CIniFile::SetSection(std::string_view name) {
    // Readers and writers name the same section many times in a row.
    if (name == m_section) {
        return;
    }
    m_section = name;
    FileNameInto(m_foldedSection, name);
    std::transform(m_foldedSection.begin(), m_foldedSection.end(), m_foldedSection.begin(),
                   FoldChar);
    const auto it = m_sectionIndex.find(m_foldedSection);
    m_current = it == m_sectionIndex.end() ? NoSection : it->second;
}

void CIniFile::SetKey(std::string_view name) {
    m_key = name;
    FileNameInto(m_fileKey, name);
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
    const Line& line = block.lines[at];
    std::string_view value = Trim(Text(line).substr(line.valueStart));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return DecodeWindows1252(value.substr(0, MaxValueLength));
}

CIniFile::SectionBlock& CIniFile::SectionForWriting() {
    if (m_current == NoSection) {
        m_current = m_sections.size();
        m_sectionIndex.emplace(m_foldedSection, m_current);
        const std::size_t offset = m_text.size();
        m_text += '[';
        AppendWindows1252(m_text, m_section, Unmappable::QuestionMark);
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

void CIniFile::AppendValue(std::string_view text) {
    SectionBlock& block = SectionForWriting();
    AddValueLine(block, text);
    ++block.pending;
}

std::size_t CIniFile::AddValueLine(SectionBlock& block, std::string_view text) {
    const std::size_t offset = m_text.size();
    AppendWindows1252(m_text, m_key, Unmappable::QuestionMark);
    m_text += '=';
    AppendFileValue(m_text, text);
    Line line = MakeLine(offset, m_text.size() - offset);
    line.firstOfKey = 1;
    block.lines.insert(block.lines.begin() + static_cast<std::ptrdiff_t>(block.valueEnd), line);
    return block.valueEnd++;
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
