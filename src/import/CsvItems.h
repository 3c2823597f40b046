#pragma once

#include "import/ImportedItems.h"

#include <string_view>

namespace pickwell {

// Items from comma-separated values (RFC 4180) in UTF-8 or, when the bytes are not UTF-8,
// Windows-1252. Columns: text, link, then optionally heading, back colour and text colour; a
// first row that names its columns ("Text", "Link", "Heading", "Back Color", "Text Color", in
// any order) is taken as a header. Messages name the line a record starts on.
ImportedItems ParseCsvItems(std::string_view bytes);

} // namespace pickwell
