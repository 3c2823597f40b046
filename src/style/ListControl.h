#pragma once

#include <string>
#include <vector>

namespace pickwell {

// A drop-down list. A choose-only list's text is its selected item's; an editable list's
// text may be anything typed into it.
struct ListControl {
    std::vector<std::string> items;
    int index = -1; // the selected item, -1 for none
    std::string text;
    bool enabled = true;
};

} // namespace pickwell
