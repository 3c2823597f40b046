#pragma once

#include "import/ImportedItems.h"

#include <optional>
#include <string>
#include <string_view>

namespace pickwell {

enum class ImportFormat { Nav, Sitemap, Bookmarks, Csv };

// The command line's words: "nav", "sitemap", "bookmarks", "csv".
std::optional<ImportFormat> ParseImportFormat(std::string_view word);
// What a file most likely is, from its first bytes and then its name.
ImportFormat GuessImportFormat(const std::string& path, std::string_view bytes);
// The folder of `path`, ending in "/"; "./" for a bare name.
std::string FolderOf(const std::string& path);

// Reads the file at `path` and parses it as `format` (guessed when none is given). For a
// page, `selector` names the list; empty takes the page's first <nav> or list.
ImportedItems ImportFile(const std::string& path, std::optional<ImportFormat> format,
                         const std::string& selector);

// Parses bytes already read from `path` (whose folder a sitemap index reads from).
ImportedItems ParseImport(ImportFormat format, std::string_view bytes, const std::string& path,
                          const std::string& selector);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadImportFile(const std::string& path);

} // namespace pickwell
