#pragma once

#include <string>
#include <string_view>

namespace pickwell {

// What an item's address leads to, as a browser reads it.
enum class LinkKind {
    Empty,
    Web,      // http or https, or "//host/..." that takes the page's own scheme
    Mail,     // mailto:
    Relative, // a path on the same site, checked against the site folder
    Other,    // a fragment, or a scheme a browser hands elsewhere (tel:, ftp:, javascript:)
};

struct LinkSyntaxResult {
    LinkKind kind = LinkKind::Empty;
    std::string problem; // empty when the address looks right
    std::string detail;  // what a browser will do with it, or how to write it
};

// Reads an address the way a browser would and says what will go wrong with it: spaces, a
// misspelt scheme, a host without a scheme (taken as a path on the same site), a mail link
// without an address. An empty address is reported; whether that matters is the caller's call.
LinkSyntaxResult CheckLinkSyntax(std::string_view address);

// The one line the item editor shows under a link as it is typed: empty while the address
// is empty or looks right.
std::string LinkSyntaxWarning(std::string_view address);

} // namespace pickwell
