#pragma once

#include "persistence/TextFile.h"

#include <cstddef>
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
// Windows-1252 in the file.
class CIniFile {
public:
    // Starts from the given file text.
    void Assign(std::string_view bytes);

    const std::string& path() const { return m_path; }
    void SetPath(std::string path) { m_path = std::move(path); }

    const std::string& Section() const { return m_section; }
    void SetSection(std::string_view name);
    const std::string& Key() const { return m_key; }
    void SetKey(std::string_view name) { m_key = name; }
    const std::string& Default() const { return m_default; }
    void SetDefault(std::string text) { m_default = std::move(text); }

    // Trimmed of blanks, without one pair of enclosing quotation marks, at most 254
    // characters; Default() when the section or key is missing.
    std::string Value() const;
    // Replaces the key's line in place, or adds it at the end of its section (adding the
    // section at the end of the file). NUL characters are dropped.
    void SetValue(std::string_view text);

    // Replaces the file at path() with the text held, atomically.
    WriteResult Save(FileOps& ops = SystemFileOps()) const;
    std::string bytes() const;
    std::size_t LineCount() const;

private:
    struct SectionBlock {
        std::string header; // the bracket line as it stands in the file
        std::vector<std::string> lines;
        std::unordered_map<std::string, std::size_t> keys; // folded name -> first line
        std::size_t valueEnd = 0;                          // one past the last value line
    };

    void AddLine(std::string line);
    const SectionBlock* FindSection() const;
    SectionBlock& SectionForWriting();

    std::string m_path;
    std::string m_section;
    std::string m_foldedSection;
    std::string m_key;
    std::string m_default;

    std::vector<std::string> m_preamble; // lines above the first section
    std::vector<SectionBlock> m_sections;
    std::unordered_map<std::string, std::size_t> m_sectionIndex; // folded name -> first block
};

} // namespace pickwell
