#include "check/SiteFolder.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <vector>

namespace pickwell {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const int lower = std::tolower(static_cast<unsigned char>(c));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

std::string Decoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
            HexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The address's path segments, with "." dropped and ".." taking the one before.
std::vector<std::string> Segments(std::string_view path) {
    std::vector<std::string> segments;
    while (!path.empty()) {
        const auto slash = path.find('/');
        const std::string segment = Decoded(path.substr(0, slash));
        if (segment == "..") {
            if (!segments.empty()) {
                segments.pop_back();
            }
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        path = slash == std::string_view::npos ? std::string_view{} : path.substr(slash + 1);
    }
    return segments;
}

} // namespace

SiteFileResult FindInSiteFolder(const std::filesystem::path& siteFolder, std::string_view address) {
    namespace fs = std::filesystem;
    const std::string_view path = address.substr(0, address.find_first_of("?#"));
    const bool wantsFolder = path.ends_with('/');
    std::filesystem::path at = siteFolder;
    std::string spelt;
    bool otherCase = false;
    std::error_code error;
    for (const std::string& segment : Segments(path)) {
        fs::path next = at / segment;
        if (!fs::exists(next, error)) {
            next.clear();
            for (const auto& entry : fs::directory_iterator(at, error)) {
                if (SameIgnoringCase(entry.path().filename().string(), segment)) {
                    next = entry.path();
                    otherCase = true;
                    break;
                }
            }
            if (next.empty()) {
                return {};
            }
        }
        if (!spelt.empty()) {
            spelt += '/';
        }
        spelt += next.filename().string();
        at = next;
    }
    if (wantsFolder && !fs::is_directory(at, error)) {
        return {};
    }
    if (otherCase) {
        return {SiteFileResult::Found::OtherCase, spelt + (wantsFolder ? "/" : "")};
    }
    return {SiteFileResult::Found::Yes, {}};
}

} // namespace pickwell
