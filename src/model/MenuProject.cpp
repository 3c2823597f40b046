#include "model/MenuProject.h"

namespace pickwell {

std::optional<std::size_t> MenuProject::selectedItem() const {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].selected == "Yes") {
            return i + 1;
        }
    }
    return std::nullopt;
}

} // namespace pickwell
