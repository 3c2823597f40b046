#pragma once

#include <string>
#include <vector>

namespace pickwell {

// The installed screen fonts, in the platform's own order, and what the desktop's font
// configuration says about them.
class FontList {
public:
    virtual ~FontList() = default;
    virtual std::vector<std::string> InstalledFonts() = 0;
    // The family the desktop gives for the generic name "sans-serif"; empty when it has none.
    virtual std::string SansSerifFamily() = 0;
    // False for a symbol or dingbat font, whose "letters" show as pictures.
    virtual bool ShowsLatin(const std::string& family) = 0;
    // "serif", "sans-serif" or "monospace": the generic CSS family that stands in for the
    // font in a browser that lacks it.
    virtual std::string GenericFamily(const std::string& family) = 0;
};

} // namespace pickwell
