#pragma once

#include "platform/FontList.h"

#include <string>
#include <vector>

namespace pickwell {

// The font families the font database knows, named as a page's style would name them, and
// what fontconfig says of them. Needs a QGuiApplication (any platform plugin, "offscreen"
// included).
class QtFontList : public FontList {
public:
    std::vector<std::string> InstalledFonts() override;
    std::string SansSerifFamily() override;
    bool ShowsLatin(const std::string& family) override;
    std::string GenericFamily(const std::string& family) override;

    // "Nimbus Sans [urw]" -> "Nimbus Sans": the foundry in brackets is no part of the family
    // name a page can use. Each name is kept once, where it first appears.
    static std::vector<std::string> WithoutFoundries(const std::vector<std::string>& families);
};

} // namespace pickwell
