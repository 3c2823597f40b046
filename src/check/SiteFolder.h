#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pickwell {

struct SiteFileResult {
    enum class Found {
        Yes,
        No,
        OtherCase, // only under another case: works on a case-insensitive disk, not on most servers
    };
    Found found = Found::No;
    std::string actualPath; // with OtherCase: the path as the disk spells it, from the folder
};

// Looks for a relative address in a site folder. The address is read as the page holding the
// menu would read it from the folder's top: "?query" and "#fragment" are dropped, %XX is
// decoded, "/" at the start means the folder itself, and an address ending in "/" names a folder.
SiteFileResult FindInSiteFolder(const std::filesystem::path& siteFolder, std::string_view address);

} // namespace pickwell
