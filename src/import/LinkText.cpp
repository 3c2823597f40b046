#include "import/LinkText.h"

#include <libxml/uri.h>
#include <libxml/xmlmemory.h>

#include <cctype>
#include <vector>

namespace pickwell {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool HasScheme(std::string_view text) {
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) {
        return false;
    }
    for (char c : text) {
        if (c == ':') {
            return true;
        }
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.') {
            return false;
        }
    }
    return false;
}

std::string PercentDecoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() &&
            std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The path of an address: after the scheme and host, before the query and fragment.
std::string_view PathOf(std::string_view url) {
    url = url.substr(0, url.find_first_of("?#"));
    if (const auto scheme = url.find("://"); scheme != std::string_view::npos) {
        url.remove_prefix(scheme + 3);
        const auto slash = url.find('/');
        return slash == std::string_view::npos ? std::string_view() : url.substr(slash);
    }
    return url;
}

std::vector<std::string_view> Segments(std::string_view path) {
    std::vector<std::string_view> segments;
    std::size_t start = 0;
    while (start <= path.size()) {
        const auto end = std::min(path.find('/', start), path.size());
        if (end > start) {
            segments.push_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return segments;
}

std::string Readable(std::string_view segment) {
    std::string text = PercentDecoded(segment);
    for (const char* extension : {".html", ".htm", ".php", ".aspx", ".asp", ".shtml", ".xhtml"}) {
        if (text.size() > std::string_view(extension).size() && text.ends_with(extension)) {
            text.resize(text.size() - std::string_view(extension).size());
            break;
        }
    }
    for (char& c : text) {
        if (c == '-' || c == '_' || c == '+') {
            c = ' ';
        }
    }
    text = CollapseSpaces(text);
    if (!text.empty()) {
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    }
    return text;
}

} // namespace

std::string CollapseSpaces(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool space = false;
    for (char c : text) {
        if (IsSpace(c)) {
            space = !out.empty();
        } else {
            if (space) {
                out += ' ';
                space = false;
            }
            out += c;
        }
    }
    return out;
}

std::string ReadableName(std::string_view url) {
    std::vector<std::string_view> segments = Segments(PathOf(url));
    if (!segments.empty() && segments.back().starts_with("index.")) {
        segments.pop_back();
    }
    return segments.empty() ? "Home" : Readable(segments.back());
}

std::string FirstFolder(std::string_view url) {
    const std::string_view path = PathOf(url);
    const std::vector<std::string_view> segments = Segments(path);
    // A folder is a segment with more below it, or the last one when the path ends in "/".
    if (segments.size() > 1 || (segments.size() == 1 && path.ends_with('/'))) {
        return std::string(segments.front());
    }
    return {};
}

std::string ResolveLink(std::string_view href, std::string_view base) {
    const std::string link = CollapseSpaces(href);
    if (HasScheme(link) || link.starts_with("//") || link.starts_with('#')) {
        if (!HasScheme(base) || !link.starts_with("//")) {
            return link;
        }
    }
    if (HasScheme(base)) {
        xmlChar* built = xmlBuildURI(reinterpret_cast<const xmlChar*>(link.c_str()),
                                     reinterpret_cast<const xmlChar*>(std::string(base).c_str()));
        if (built == nullptr) {
            return link;
        }
        std::string resolved(reinterpret_cast<const char*>(built));
        xmlFree(built);
        return resolved;
    }
    // Relative to the page's folder: the steps are taken, what goes above the folder stays.
    const auto tailAt = link.find_first_of("?#");
    const std::string_view path =
        std::string_view(link).substr(0, tailAt == std::string::npos ? link.size() : tailAt);
    const std::string tail = tailAt == std::string::npos ? std::string() : link.substr(tailAt);
    const bool rooted = path.starts_with('/');
    std::vector<std::string_view> kept;
    std::size_t start = 0;
    while (start <= path.size()) {
        const auto end = std::min(path.find('/', start), path.size());
        const std::string_view step = path.substr(start, end - start);
        if (step == "..") {
            if (!kept.empty() && kept.back() != "..") {
                kept.pop_back();
            } else if (!rooted) {
                kept.push_back(step);
            }
        } else if (!step.empty() && step != ".") {
            kept.push_back(step);
        }
        start = end + 1;
    }
    std::string out = rooted ? "/" : "";
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (i > 0) {
            out += '/';
        }
        out += kept[i];
    }
    if (!kept.empty() && (path.ends_with('/') || path.ends_with("/.") || path.ends_with(".."))) {
        out += '/';
    }
    return out + tail;
}

bool IsNavigable(std::string_view href) {
    const std::string link = CollapseSpaces(href);
    if (link.empty() || link == "#") {
        return false;
    }
    std::string scheme;
    for (char c : link.substr(0, link.find(':'))) {
        scheme += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return !HasScheme(link) || (scheme != "javascript" && scheme != "place" && scheme != "data");
}

bool IsUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        int more = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (more < 0 || (more == 1 && c < 0xC2) ||
            bytes.size() - i <= static_cast<std::size_t>(more)) {
            return false;
        }
        for (int k = 1; k <= more; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += more + 1;
    }
    return true;
}

} // namespace pickwell
