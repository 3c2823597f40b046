#pragma once

#include <string>
#include <vector>

namespace pickwell {

// The installed screen fonts, in the platform's own order.
class FontList {
public:
    virtual ~FontList() = default;
    virtual std::vector<std::string> InstalledFonts() = 0;
};

} // namespace pickwell
