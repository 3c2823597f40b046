#pragma once

#include "platform/FontList.h"

#include <string>
#include <vector>

namespace pickwell {

// A fixed set of installed fonts, in the order the test gives them.
class FakeFontList : public FontList {
public:
    FakeFontList() = default;
    explicit FakeFontList(std::vector<std::string> names)
        : fonts(std::move(names)) {}

    std::vector<std::string> InstalledFonts() override { return fonts; }

    std::vector<std::string> fonts;
};

} // namespace pickwell
