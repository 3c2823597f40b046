#pragma once

#include <string>
#include <string_view>

// Every 8-bit text file the program reads or writes (project, code and preview files) is
// Windows-1252. The five bytes the code page leaves undefined map to U+0081, U+008D,
// U+008F, U+0090 and U+009D, so they survive a load and a save unchanged.
namespace pickwell {

enum class Unmappable {
    QuestionMark,       // project files: the code page's own replacement
    CharacterReference, // web pages: "&#NNNN;" so the browser shows the character
};

std::string EncodeWindows1252(std::string_view utf8, Unmappable policy);
// As EncodeWindows1252, onto the end of `out`: large texts are built without a copy.
void AppendWindows1252(std::string& out, std::string_view utf8, Unmappable policy);
std::string DecodeWindows1252(std::string_view bytes);
// As DecodeWindows1252, onto the end of `out`.
void AppendDecodedWindows1252(std::string& out, std::string_view bytes);

// True when the text is all ASCII, which reads the same in both encodings.
bool IsAscii(std::string_view text);

// True when every character of the text has a Windows-1252 byte.
bool FitsWindows1252(std::string_view utf8);

} // namespace pickwell
