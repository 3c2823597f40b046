#pragma once

#include "import/ImportedItems.h"

#include <string>
#include <string_view>

namespace pickwell {

// Items from a sitemap (<urlset>): one per <loc>, its text made from the address's last
// segment, the pages under a first folder gathered below a heading named after it, the
// pages at the root first. A sitemap index (<sitemapindex>) brings in the sitemaps it names,
// read from `folder` (ending in "/"): the file of that name there, whatever host the index
// gives. Messages name the line and the file.
ImportedItems ParseSitemap(std::string_view bytes, const std::string& folder);

} // namespace pickwell
