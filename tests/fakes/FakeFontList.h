#pragma once

#include "platform/FontList.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace pickwell {

// A fixed set of installed fonts, in the order the test gives them. Every font shows Latin
// letters and is sans-serif unless the test says otherwise; there is no sans-serif match.
class FakeFontList : public FontList {
public:
    FakeFontList() = default;
    explicit FakeFontList(std::vector<std::string> names)
        : fonts(std::move(names)) {}

    std::vector<std::string> InstalledFonts() override { return fonts; }
    std::string SansSerifFamily() override { return sansSerif; }
    bool ShowsLatin(const std::string& family) override { return !symbolFonts.contains(family); }
    std::string GenericFamily(const std::string& family) override {
        const auto it = generics.find(family);
        return it == generics.end() ? "sans-serif" : it->second;
    }

    std::vector<std::string> fonts;
    std::string sansSerif;
    std::set<std::string> symbolFonts;
    std::map<std::string, std::string> generics;
};

} // namespace pickwell
