#pragma once

#include "persistence/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pickwell {

// Single values of an INI-form text file, read and written by section and key.
//
// The file's text is taken in once (Assign) and written once (Save); in between, every read gives
// what a fresh scan of the file would give and every write changes the text exactly as an in-place
// rewrite of the file would. Sections and keys are indexed, so a save or load of n values
// costs O(n). Names match without regard to (ASCII) case; texts are UTF-8 here and
// Windows-1252 in the file, where a character the code page lacks is a decimal character
// reference ("&#945;") that reads back as the character.
class CIniFile {
public:
    // Starts from the given file text.
    void Assign(std::string bytes);

    void SetPath(std::string path) { m_path = std::move(path); }

    void SetSection(std::string_view name);
    void SetKey(std::string_view name);
    const std::string& Default() const { return m_default; }
    void SetDefault(std::string text) { m_default = std::move(text); }

    // Trimmed of blanks, without one pair of enclosing quotation marks, its character
    // references read back, at most 254 characters; Default() when the section or key is
    // missing.
    std::string Value();
    // Replaces the key's line in place, or adds it at the end of its section (adding the
    // section at the end of the file). NUL characters are dropped and line breaks become
    // blanks, so a value stays on its one line.
    void SetValue(std::string_view text);
    // As SetValue for a key its section does not hold yet, without looking for it: for a
    // writer that gives each key of a section once. The key table takes the line when it is
    // next searched.
    void AppendValue(std::string_view text);

    // Room in the section for `lines` lines more, for a writer that knows how many it adds.
    void ReserveLines(std::size_t lines);

    // Replaces the file at the path SetPath gave with the text held, atomically.
    WriteResult Save(FileOps& ops = SystemFileOps()) const;
    std::string bytes() const;
    std::size_t LineCount() const;

private:
    // A line of the file, held as a range of m_text so that no line costs an allocation.
    // Lines are far shorter than 2 GiB (project files are refused well below that size).
    struct Line {
        std::size_t offset = 0;
        std::uint32_t length = 0;
        std::uint32_t valueStart : 31 = 0; // one past the first "="; 0 for a line without one
        std::uint32_t firstOfKey : 1 = 0;  // the line the key table holds for its key

        bool isValue() const { return valueStart != 0; }
    };
    // One place of a section's key table: the folded key's hash and the line (index + 1,
    // 0 for a free place). The table holds only the first line of each key.
    struct KeySlot {
        std::uint32_t hash = 0;
        std::uint32_t line = 0;
    };
    struct SectionBlock {
        Line header;
        std::vector<Line> lines;
        std::vector<KeySlot> slots;
        std::size_t keyCount = 0;
        std::size_t valueEnd = 0; // one past the last value line
        std::size_t pending = 0;  // value lines up to valueEnd that the key table has yet to take
        // Where the next read looks first: the line after the one read last. Readers ask
        // for keys in the file's order, so most reads need no search of the key table.
        std::size_t nextRead = 0;
    };
    static constexpr std::size_t NoSection = static_cast<std::size_t>(-1);
    static constexpr std::size_t NoLine = static_cast<std::size_t>(-1);

    // Every line of the file in its order, to `take`.
    template <typename Take> void ForEachLine(Take take) const;
    Line MakeLine(std::size_t offset, std::size_t length) const;
    // The line from `start` on, without its line end and not yet looked into; `start` moves
    // to the next line.
    Line NextLine(std::size_t& start, std::size_t end) const;
    // Takes the next line of a section, noting its key's hash for the key table.
    void AddBodyLine(SectionBlock& block, const Line& bare, std::vector<std::uint32_t>& hashes);
    // Ends a section: its keys go into its table.
    void FinishBlock(SectionBlock& block, std::vector<std::uint32_t>& hashes);
    // The value as the file holds it: trimmed and unquoted, not yet decoded or cut.
    std::string_view RawValueOf(const Line& line) const;
    std::string ValueOf(const Line& line) const;
    std::string_view Text(const Line& line) const;
    // The key without blanks around it.
    std::string_view KeyOf(const Line& line) const;
    // Takes the keys of the lines from `first` on into the table, which has room for them;
    // `hashes` holds the hash of each line's key, 0 for a line without one.
    void InsertKeys(SectionBlock& block, std::size_t first,
                    const std::vector<std::uint32_t>& hashes);
    void TakePending(SectionBlock& block);
    // Adds "key=value" after the section's last value line; the new line's index.
    std::size_t AddValueLine(SectionBlock& block, std::string_view text);
    // The place holding the key (in any case), or the free place where it would go.
    std::size_t FindSlot(const SectionBlock& block, std::string_view key, std::uint32_t hash) const;
    // The line that holds the key SetKey named in the block, or NoLine.
    std::size_t FindLine(SectionBlock& block);
    static void SizeKeyTable(SectionBlock& block, std::size_t keys);
    static void Grow(SectionBlock& block);
    // Takes the line into the key table, at the free place `at` found for its key.
    static void IndexKey(SectionBlock& block, std::size_t at, std::uint32_t hash, std::size_t line);
    SectionBlock& SectionForWriting();

    std::string m_path;
    std::string m_section;
    std::string m_foldedSection;
    std::size_t m_current = NoSection; // m_section's first block
    std::string m_key;
    std::string m_fileKey; // matched without regard to case
    std::string m_default;

    std::string m_text;           // every line's bytes; a replaced line's old bytes stay unused
    std::vector<Line> m_preamble; // lines above the first section
    std::vector<SectionBlock> m_sections;
    std::unordered_map<std::string, std::size_t> m_sectionIndex; // folded name -> first block
};

} // namespace pickwell
