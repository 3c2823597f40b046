#pragma once

#include <string>
#include <string_view>

// The bytes a web page the program writes is made of. Classic pages keep the code page they
// always had (byte-exact with the classic output), with what it lacks written as "&#NNNN;";
// standards pages are UTF-8, declare it, and hold every character as itself.
namespace pickwell {

enum class PageEncoding {
    Windows1252,
    Utf8,
};

// The UTF-8 text in the page's encoding, onto the end of `out`.
void AppendPageText(std::string& out, std::string_view utf8, PageEncoding encoding);

} // namespace pickwell
