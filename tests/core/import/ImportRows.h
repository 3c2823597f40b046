#pragma once

#include "model/ItemEntry.h"

#include <string>
#include <vector>

namespace pickwell {

// An item as one line, so that a test states a whole import at a glance:
// "# Heading", "Text -> link", "Text -> link [#BACK/#TEXT]".
inline std::string Row(const ItemEntry& item) {
    std::string text = (item.heading ? "# " : "") + item.text;
    if (!item.link.empty()) {
        text += " -> " + item.link;
    }
    if (!item.backColor.empty() || !item.textColor.empty()) {
        text += " [" + item.backColor + "/" + item.textColor + "]";
    }
    return text;
}

inline std::vector<std::string> Rows(const std::vector<ItemEntry>& items) {
    std::vector<std::string> rows;
    for (const ItemEntry& item : items) {
        rows.push_back(Row(item));
    }
    return rows;
}

} // namespace pickwell
