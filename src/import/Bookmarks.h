#pragma once

#include "import/ImportedItems.h"

#include <string_view>

namespace pickwell {

// Items from a browser's bookmarks export (the HTML file of nested <DL> lists that browsers
// write and read). The bookmarks outside any folder come first; then each folder that holds
// bookmarks becomes a heading over them, nested folders following their parent's own.
// Smart bookmarks and scripts ("place:", "javascript:") are left out.
ImportedItems ParseBookmarks(std::string_view bytes);

} // namespace pickwell
