#include "persistence/CIniFile.h"

#include "text/Windows1252.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <numeric>

namespace pickwell {

namespace {

constexpr std::size_t MaxValueLength = 254;
constexpr std::size_t NoLine = static_cast<std::size_t>(-1);
// How far a read looks into a deferred section before it indexes the section instead.
constexpr std::size_t NearTopLines = 64;

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
    if (IsAscii(utf8)) {
        out.assign(utf8);
    } else {
        out = EncodeWindows1252(utf8, Unmappable::CharacterReference);
    }
}

// A section name as the index holds it.
std::string FoldedFileName(std::string_view utf8) {
    std::string out;
    FileNameInto(out, utf8);
    std::transform(out.begin(), out.end(), out.begin(), FoldChar);
    return out;
}

// A value as its line holds it: without NUL characters, line breaks as blanks, in the code page
// with a character reference for each character the code page lacks.
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

// A value as read from what follows its key's "=", before it is decoded and cut.
std::string_view ValueIn(std::string_view afterEquals) {
    std::string_view value = Trim(afterEquals);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

// The value in UTF-8, its character references read back and cut to its first 254 characters.
// A reference counts as the one character it stands for, so that a text that fits comes back
// whole however many of its characters the code page lacks.
void AppendValueText(std::string& out, std::string_view raw) {
    AppendDecodedWithReferences(out, raw, MaxValueLength);
}

// True when the value reads as its own bytes: short enough, ASCII and without a reference.
bool IsPlainValue(std::string_view raw) {
    return raw.size() <= MaxValueLength && DecodesToItself(raw);
}

// Only a line that starts with a blank or "[" can be a section's header.
bool MayStartHeader(char c) {
    return IsBlank(c) || c == '[';
}

// 0x80 in each byte of `word` that is zero and nothing elsewhere: exact, as counting needs.
std::uint64_t ZeroBytes(std::uint64_t word) {
    constexpr std::uint64_t Lows = 0x7F7F7F7F7F7F7F7Fu;
    return ~(((word & Lows) + Lows) | word | Lows);
}

std::uint64_t BytesEqualTo(std::uint64_t word, char c) {
    return ZeroBytes(word ^ (0x0101010101010101u * static_cast<unsigned char>(c)));
}

// How many bytes of a ZeroBytes result are marked: their ones summed into the top byte, which
// a multiplication does faster than counting bits where the processor has no instruction for it.
std::size_t MarkedBytes(std::uint64_t marks) {
    return static_cast<std::size_t>(((marks >> 7) * 0x0101010101010101u) >> 56);
}

// Counts the lines from `at`, where a line starts, that cannot be a header, up to the first
// that may be one; gives where that line starts, or `end`. Eight bytes are looked at a time,
// and a line by itself only around a line that may be a header.
std::size_t SkipPlainLines(const char* text, std::size_t at, std::size_t end, std::size_t& count) {
    while (at < end) {
        if (MayStartHeader(text[at])) {
            return at;
        }
        ++count;
        // From the line's first byte, which may end it; the byte after each byte of a word
        // must exist to be looked at.
        for (; at + 8 < end; at += 8) {
            std::uint64_t word;
            std::memcpy(&word, text + at, 8);
            const std::uint64_t lineEnds = BytesEqualTo(word, '\n');
            if (lineEnds == 0) {
                continue;
            }
            std::uint64_t next;
            std::memcpy(&next, text + at + 1, 8);
            const std::uint64_t mayStart =
                BytesEqualTo(next, ' ') | BytesEqualTo(next, '\t') | BytesEqualTo(next, '[');
            if ((lineEnds & mayStart) != 0) {
                break;
            }
            count += MarkedBytes(lineEnds);
        }
        const auto* lineEnd = static_cast<const char*>(std::memchr(text + at, '\n', end - at));
        if (lineEnd == nullptr) {
            return end;
        }
        at = static_cast<std::size_t>(lineEnd - text) + 1;
    }
    return end;
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

CIniFile::SectionBlock& CIniFile::SectionForWriting() {
    if (m_current != NoSection && m_sections[m_current].deferred) {
        Undefer(m_sections[m_current]);
    }
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
        if (block.deferred) {
            for (std::size_t start = block.bodyBegin; start < block.bodyEnd;) {
                take(NextLine(start, block.bodyEnd));
            }
        }
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
        count += 1 + block.lines.size() + block.deferredLines;
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
