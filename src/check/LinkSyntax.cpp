#include "check/LinkSyntax.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace pickwell {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// Levenshtein distance, enough for scheme names of a few letters.
std::size_t Distance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// Schemes that a browser hands to another program or runs; their addresses are not checked.
constexpr std::array<std::string_view, 6> OtherSchemes{"ftp",        "tel",  "sms",
                                                       "javascript", "data", "file"};
constexpr std::array<std::string_view, 3> WebSchemes{"http", "https", "mailto"};

// Top-level domains common enough that a first path segment ending in one is a host name
// rather than a file: "partner-books.co.uk" but not "index.html".
constexpr std::array<std::string_view, 16> HostEndings{"com", "org", "net", "edu", "gov", "info",
                                                       "biz", "io",  "uk",  "de",  "fr",  "nl",
                                                       "eu",  "us",  "ca",  "au"};

bool LooksLikeHost(std::string_view segment) {
    const std::string lower = Lower(segment);
    if (lower.starts_with("www.")) {
        return true;
    }
    const auto dot = lower.rfind('.');
    if (dot == std::string::npos || dot == 0) {
        return false;
    }
    const std::string_view ending = std::string_view(lower).substr(dot + 1);
    return std::find(HostEndings.begin(), HostEndings.end(), ending) != HostEndings.end();
}

LinkSyntaxResult Problem(LinkKind kind, std::string problem, std::string detail) {
    return {kind, std::move(problem), std::move(detail)};
}

LinkSyntaxResult CheckWithScheme(std::string_view address, std::string_view scheme) {
    const std::string lower = Lower(scheme);
    std::string_view rest = address.substr(scheme.size() + 1);
    if (lower == "mailto") {
        const std::string_view to = rest.substr(0, rest.find('?'));
        if (to.find('@') == std::string_view::npos) {
            return Problem(LinkKind::Mail, "mailto: without an address",
                           "write mailto:name@example.com");
        }
        return {LinkKind::Mail, {}, {}};
    }
    if (lower == "http" || lower == "https") {
        if (!rest.starts_with("//")) {
            const auto host = std::min(rest.find_first_not_of('/'), rest.size());
            return Problem(LinkKind::Web, lower + ": without //",
                           "write " + lower + "://" + std::string(rest.substr(host)));
        }
        rest.remove_prefix(2);
        if (rest.substr(0, rest.find_first_of("/?#")).empty()) {
            return Problem(LinkKind::Web, "no host name", "write the site's name after //");
        }
        return {LinkKind::Web, {}, {}};
    }
    if (std::find(OtherSchemes.begin(), OtherSchemes.end(), lower) != OtherSchemes.end()) {
        return {LinkKind::Other, {}, {}};
    }
    for (std::string_view known : WebSchemes) {
        if (Distance(lower, known) <= (known.size() > 4 ? 2u : 1u)) {
            return Problem(LinkKind::Web, "misspelt scheme \"" + std::string(scheme) + ":\"",
                           "did you mean \"" + std::string(known) + ":\"?");
        }
    }
    return Problem(LinkKind::Other, "unknown scheme \"" + std::string(scheme) + ":\"",
                   "a browser will not open it as a page");
}

} // namespace

LinkSyntaxResult CheckLinkSyntax(std::string_view address) {
    if (address.empty()) {
        return Problem(LinkKind::Empty, "empty address", "the item is linked but leads nowhere");
    }
    if (address.find_first_of(" \t") != std::string_view::npos) {
        const bool around = address.front() == ' ' || address.back() == ' ';
        return Problem(LinkKind::Other,
                       around ? "spaces around the address" : "space in the address",
                       around ? "remove the spaces" : "write %20 for a space in a file name");
    }
    if (address.find('\\') != std::string_view::npos) {
        return Problem(LinkKind::Other, "backslash in the address", "web addresses use /");
    }
    const auto schemeEnd = address.find(':');
    const auto pathStart = address.find_first_of("/?#");
    if (schemeEnd != std::string_view::npos && schemeEnd > 0 &&
        (pathStart == std::string_view::npos || schemeEnd < pathStart)) {
        return CheckWithScheme(address, address.substr(0, schemeEnd));
    }
    if (address.starts_with("//")) {
        return {LinkKind::Web, {}, {}};
    }
    if (address.starts_with('#')) {
        return {LinkKind::Other, {}, {}};
    }
    const std::string lower = Lower(address);
    if (lower.starts_with("http//") || lower.starts_with("https//")) {
        return Problem(LinkKind::Web, "\":\" missing after the scheme",
                       "write " + lower.substr(0, lower.find('/')) + "://");
    }
    if (LooksLikeHost(address.substr(0, address.find_first_of("/?#")))) {
        return Problem(LinkKind::Relative, "host without a scheme",
                       "a browser takes it as a page of this site; write https://" +
                           std::string(address));
    }
    return {LinkKind::Relative, {}, {}};
}

std::string LinkSyntaxWarning(std::string_view address) {
    if (address.empty()) {
        return {};
    }
    const LinkSyntaxResult result = CheckLinkSyntax(address);
    if (result.problem.empty()) {
        return {};
    }
    const bool question = result.detail.ends_with('?');
    return result.problem + ": " + result.detail + (question ? "" : ".");
}

} // namespace pickwell
