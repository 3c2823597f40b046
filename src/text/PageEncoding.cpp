#include "text/PageEncoding.h"

#include "text/Windows1252.h"

namespace pickwell {

void AppendPageText(std::string& out, std::string_view utf8, PageEncoding encoding) {
    if (encoding == PageEncoding::Utf8) {
        out += utf8;
    } else {
        AppendWindows1252(out, utf8, Unmappable::CharacterReference);
    }
}

} // namespace pickwell
