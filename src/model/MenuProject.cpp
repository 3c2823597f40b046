#include "model/MenuProject.h"

namespace pickwell {

void IndentUnderHeading(MenuItem& row, bool& headingAbove) {
    if (row.isHeading == "Yes") {
        headingAbove = true;
    } else if (headingAbove) {
        row.text.insert(0, HeadingIndent);
    }
}

std::optional<std::size_t> MenuProject::selectedItem() const {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].selected == "Yes") {
            return i + 1;
        }
    }
    return std::nullopt;
}

} // namespace pickwell
