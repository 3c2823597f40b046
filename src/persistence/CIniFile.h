#pragma once

#include "persistence/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
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
    class InOrder;

    // Starts from the given file text. The sections named in `readInOrder` are indexed only
    // when a read needs it, so that ReadInOrder can take their values in one pass instead.
    void Assign(std::string bytes, std::initializer_list<std::string_view> readInOrder = {});
    // As Assign, for a text that comes a piece at a time as a file is read: the text given
    // back is filled from the front, TakeLines reads the lines the first `filled` bytes hold
    // whole while they are still in the cache, and EndAssign the rest once the text is all
    // there.
    std::string& BeginAssign(std::initializer_list<std::string_view> readInOrder = {});
    void TakeLines(std::size_t filled);
    void EndAssign();

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

    // The values of the keys prefix + "1" to prefix + `count` of a section named in Assign,
    // for each of the prefixes in turn, item by item: "a1", "b1", "a2", "b2", ... for the
    // prefixes "a" and "b". Each is the value Value() gives for its key, and the whole run
    // costs one pass over the section's lines, provided they hold the keys in that order and
    // no read by key has indexed the section yet. The file must stay unchanged meanwhile.
    InOrder ReadInOrder(std::string_view section, std::vector<std::string> prefixes,
                        std::size_t count) const;

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
        // A section to be read in order keeps only the range of its lines until a read or a
        // write needs them one by one.
        bool deferred = false;
        std::size_t bodyBegin = 0;
        std::size_t bodyEnd = 0;
        std::size_t deferredLines = 0;
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

    enum class NearTop { Found, Absent, TooFar };

    // Every line of the file in its order, to `take`.
    template <typename Take> void ForEachLine(Take take) const;
    Line MakeLine(std::size_t offset, std::size_t length) const;
    // The line from `start` on, without its line end and not yet looked into; `start` moves
    // to the next line.
    Line NextLine(std::size_t& start, std::size_t end) const;
    // Takes the next line of a section, noting its key's hash for the key table.
    void AddBodyLine(SectionBlock& block, const Line& bare, std::vector<std::uint32_t>& hashes);
    // Ends a section whose lines run up to `end`: its keys go into its table.
    void FinishBlock(SectionBlock& block, std::vector<std::uint32_t>& hashes, std::size_t end);
    // Gives a deferred section its lines and its key table.
    void Undefer(SectionBlock& block);
    // Looks for the key SetKey named among the first lines of a deferred section, which is where a
    // reader finds the few single keys such a section holds.
    NearTop FindNearTop(const SectionBlock& block, Line& found) const;
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

    // Where an assignment that comes in pieces stands.
    struct Assigning {
        std::vector<std::string> deferredNames; // folded
        std::vector<std::uint32_t> hashes;      // of the open section's lines so far
        std::size_t next = 0;                   // the first line not read yet
    };
    // Reads the lines from m_assigning.next up to `end`, where a line starts.
    void ReadLines(std::size_t end);

    Assigning m_assigning;
    std::string m_text;           // every line's bytes; a replaced line's old bytes stay unused
    std::vector<Line> m_preamble; // lines above the first section
    std::vector<SectionBlock> m_sections;
    std::unordered_map<std::string, std::size_t> m_sectionIndex; // folded name -> first block
};

// The values ReadInOrder promised, one at a time.
class CIniFile::InOrder {
public:
    // The next value in turn; false when all have come, or when the section breaks the order
    // (a key missing, out of turn or in other case), after which Value() must give the rest:
    // Complete() tells which. The value replaces what `value` held, in its storage, with room
    // for `spare` characters more.
    bool Next(std::string& value, std::size_t spare = 0);
    // As Next, without a copy when the value needs no decoding: `value` then shows the file's
    // own bytes, and otherwise `scratch`, which holds the value decoded.
    bool NextView(std::string_view& value, std::string& scratch);
    bool Complete() const { return m_next == m_total; }

private:
    friend class CIniFile;
    // The next value as the file holds it, trimmed and unquoted but not decoded or cut.
    bool NextRaw(std::string_view& raw);
    // True when the key, in any case, is one still to come: then its first line is out of turn.
    bool DueLater(std::string_view key) const;
    bool IsNext(std::string_view key) const;
    void Advance();

    const CIniFile* m_file = nullptr;
    std::size_t m_at = 0;
    std::size_t m_end = 0;
    std::vector<std::string> m_prefixes;
    std::size_t m_count = 0;
    std::size_t m_total = 0;
    std::size_t m_next = 0;
    std::size_t m_field = 0;    // the prefix of the key due next
    std::string m_number = "1"; // the item number of the key due next, in digits
    bool m_broken = false;
};

} // namespace pickwell
