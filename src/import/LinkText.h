#pragma once

#include <string>
#include <string_view>

// Texts and addresses as the parsers find them, made fit for a menu item.
namespace pickwell {

// Runs of white space (line breaks included) become one space; none is left at either end.
std::string CollapseSpaces(std::string_view text);

// The text a visitor would read for an address: its last path segment, percent-decoded,
// without a page extension, with "-" and "_" as spaces and a capital first letter. An index
// page takes its folder's name; the site's root reads "Home".
std::string ReadableName(std::string_view url);

// The address's first folder below the site root ("blog" for "https://x.org/blog/a.html");
// empty for a page at the root.
std::string FirstFolder(std::string_view url);

// `href` against `base`: an absolute address when `base` is one (RFC 3986), else the
// relative path with its "." and ".." steps taken. Fragments and queries are kept.
std::string ResolveLink(std::string_view href, std::string_view base);

// True for an address a menu can navigate to: not empty, not a bare "#", not script.
bool IsNavigable(std::string_view href);

// True for valid UTF-8 (an optional byte-order mark counts as valid).
bool IsUtf8(std::string_view bytes);

} // namespace pickwell
