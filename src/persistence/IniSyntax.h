#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// How names and values stand in the lines of an INI-form file: what CIniFile's parser, key
// table and writer share with the project file's one-pass reader.
namespace pickwell::ini {

inline constexpr std::size_t MaxValueLength = 254;

bool IsBlank(char c);
std::string_view Trim(std::string_view s);
std::string Fold(std::string_view s);
// FNV-1a over the folded bytes, so that names differing only in case meet.
std::uint32_t FoldedHash(std::string_view s);
bool FoldedEqual(std::string_view a, std::string_view b);

// A name given in UTF-8 as the file holds it. Names are ASCII nearly always, and then need no
// conversion; `out` keeps its storage from name to name.
void FileNameInto(std::string& out, std::string_view utf8);
// A section name as the index holds it.
std::string FoldedFileName(std::string_view utf8);

// A value as its line holds it: without NUL characters, line breaks as blanks, in the code page
// with a character reference for each character the code page lacks.
void AppendFileValue(std::string& out, std::string_view text);
// A value as read from what follows its key's "=", before it is decoded and cut.
std::string_view ValueIn(std::string_view afterEquals);
// The value in UTF-8, its character references read back and cut to its first 254 characters.
// A reference counts as the one character it stands for, so that a text that fits comes back
// whole however many of its characters the code page lacks.
void AppendValueText(std::string& out, std::string_view raw);
// True when the value reads as its own bytes: short enough, ASCII and without a reference.
bool IsPlainValue(std::string_view raw);

// The name of a "[Name]" line, or nothing for any other line.
bool SectionName(std::string_view line, std::string_view& name);

} // namespace pickwell::ini
