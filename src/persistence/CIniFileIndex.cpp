// CIniFile's key tables: one a section, holding the first line of each key, so that a read or
// a write finds its line without a search of the section.
#include "persistence/CIniFile.h"

#include "persistence/IniSyntax.h"

#include <numeric>

namespace pickwell {

using ini::FoldedEqual;
using ini::FoldedHash;

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

} // namespace pickwell
