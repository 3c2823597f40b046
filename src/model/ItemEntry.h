#pragma once

#include <string>

namespace pickwell {

// An item as the editor would take it for Add, without the editor: what an import brings in.
struct ItemEntry {
    std::string text;
    std::string link; // empty: not linked
    bool heading = false;
    // "#RRGGBB" each, or both empty for the list's own colours.
    std::string backColor = {};
    std::string textColor = {};

    bool operator==(const ItemEntry&) const = default;
};

} // namespace pickwell
