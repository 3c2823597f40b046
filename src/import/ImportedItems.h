#pragma once

#include "model/ItemEntry.h"

#include <string>
#include <vector>

namespace pickwell {

// What a parser makes of a file: every item it found, or a message that names the line or
// element it could not use. A failed parse brings no items at all.
struct ImportedItems {
    std::vector<ItemEntry> items;
    std::string error; // empty when the parse went well

    bool ok() const { return error.empty(); }
    static ImportedItems Failed(std::string message) { return {{}, std::move(message)}; }
};

} // namespace pickwell
