#include "import/ImportSource.h"

#include "import/Bookmarks.h"
#include "import/CsvItems.h"
#include "import/NavPage.h"
#include "import/Sitemap.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace pickwell {

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

} // namespace

std::optional<ImportFormat> ParseImportFormat(std::string_view word) {
    if (word == "nav") {
        return ImportFormat::Nav;
    }
    if (word == "sitemap") {
        return ImportFormat::Sitemap;
    }
    if (word == "bookmarks") {
        return ImportFormat::Bookmarks;
    }
    if (word == "csv") {
        return ImportFormat::Csv;
    }
    return std::nullopt;
}

ImportFormat GuessImportFormat(const std::string& path, std::string_view bytes) {
    const std::string head = Lower(bytes.substr(0, 4096));
    if (head.find("netscape-bookmark-file") != std::string::npos) {
        return ImportFormat::Bookmarks;
    }
    if (head.find("<urlset") != std::string::npos ||
        head.find("<sitemapindex") != std::string::npos) {
        return ImportFormat::Sitemap;
    }
    const std::string name = Lower(path);
    if (name.ends_with(".csv") || name.ends_with(".txt")) {
        return ImportFormat::Csv;
    }
    if (name.ends_with(".xml")) {
        return ImportFormat::Sitemap;
    }
    return ImportFormat::Nav;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

std::optional<std::string> ReadImportFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

ImportedItems ParseImport(ImportFormat format, std::string_view bytes, const std::string& path,
                          const std::string& selector) {
    switch (format) {
    case ImportFormat::Nav: {
        const NavPage page(bytes);
        return selector.empty() ? page.ItemsOf(page.preferredList()) : page.ItemsSelected(selector);
    }
    case ImportFormat::Sitemap:
        return ParseSitemap(bytes, FolderOf(path));
    case ImportFormat::Bookmarks:
        return ParseBookmarks(bytes);
    case ImportFormat::Csv:
        return ParseCsvItems(bytes);
    }
    return ImportedItems::Failed("Unknown format.");
}

ImportedItems ImportFile(const std::string& path, std::optional<ImportFormat> format,
                         const std::string& selector) {
    const std::optional<std::string> bytes = ReadImportFile(path);
    if (!bytes) {
        return ImportedItems::Failed("\"" + path + "\" could not be read.");
    }
    return ParseImport(format.value_or(GuessImportFormat(path, *bytes)), *bytes, path, selector);
}

} // namespace pickwell
