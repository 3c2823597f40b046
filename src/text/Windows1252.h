#pragma once

#include <string>
#include <string_view>

// Every 8-bit text file the program reads or writes (project, code and preview files) is
// Windows-1252. The five bytes the code page leaves undefined map to U+0081, U+008D,
// U+008F, U+0090 and U+009D, so they survive a load and a save unchanged.
namespace pickwell {

enum class Unmappable {
    QuestionMark,       // the code page's own replacement, one byte for one character
    CharacterReference, // "&#NNNN;", which a browser shows and a project file reads back
};

std::string EncodeWindows1252(std::string_view utf8, Unmappable policy);
// As EncodeWindows1252, onto the end of `out`: large texts are built without a copy.
void AppendWindows1252(std::string& out, std::string_view utf8, Unmappable policy);
std::string DecodeWindows1252(std::string_view bytes);
// As DecodeWindows1252, onto the end of `out`.
void AppendDecodedWindows1252(std::string& out, std::string_view bytes);
// As AppendDecodedWindows1252, and a reference as Unmappable::CharacterReference writes it
// ("&#945;": decimal, no leading zero, naming a character the code page lacks) becomes that
// character again; any other "&#" ("&#65;", "&#x3B1;", "&#0945;") stays as it is. At most
// `limit` characters are appended, a reference counting as one.
void AppendDecodedWithReferences(std::string& out, std::string_view bytes, std::size_t limit);

// True when the text is all ASCII, which reads the same in both encodings.
bool IsAscii(std::string_view text);
// True when the bytes are ASCII without "&", which AppendDecodedWithReferences gives unchanged.
bool DecodesToItself(std::string_view bytes);

} // namespace pickwell
