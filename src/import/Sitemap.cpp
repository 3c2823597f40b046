#include "import/Sitemap.h"

#include "import/LinkText.h"

#include <libxml/xmlreader.h>

#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <unordered_map>
#include <vector>

namespace pickwell {

namespace {

struct ReaderFree {
    void operator()(xmlTextReader* reader) const { xmlFreeTextReader(reader); }
};

struct Loc {
    std::string address;
    int line = 0;
};

struct Parsed {
    bool index = false; // a <sitemapindex>, whose locs name sitemaps
    std::vector<Loc> locs;
    std::string error;
};

void KeepFirstError(void* arg, const char* message, xmlParserSeverities severity,
                    xmlTextReaderLocatorPtr locator) {
    auto* error = static_cast<std::string*>(arg);
    if (!error->empty() || severity == XML_PARSER_SEVERITY_WARNING ||
        severity == XML_PARSER_SEVERITY_VALIDITY_WARNING) {
        return;
    }
    *error = "Line " + std::to_string(xmlTextReaderLocatorLineNumber(locator)) + ": " +
             CollapseSpaces(message);
}

std::string_view Name(xmlTextReader* reader) {
    const xmlChar* name = xmlTextReaderConstLocalName(reader);
    return name == nullptr ? std::string_view() : reinterpret_cast<const char*>(name);
}

Parsed ReadSitemap(std::string_view bytes) {
    Parsed parsed;
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        parsed.error = "The file is too large.";
        return parsed;
    }
    // No network and no entity expansion: a sitemap is plain data.
    std::unique_ptr<xmlTextReader, ReaderFree> reader(
        xmlReaderForMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr,
                           XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
    if (!reader) {
        parsed.error = "The file holds no XML.";
        return parsed;
    }
    xmlTextReaderSetErrorHandler(reader.get(), KeepFirstError, &parsed.error);
    bool rootSeen = false;
    int read = 0;
    while ((read = xmlTextReaderRead(reader.get())) == 1) {
        if (xmlTextReaderNodeType(reader.get()) != XML_READER_TYPE_ELEMENT) {
            continue;
        }
        const std::string_view name = Name(reader.get());
        // The node's own line: the parser's has often read on.
        const int line = static_cast<int>(xmlGetLineNo(xmlTextReaderCurrentNode(reader.get())));
        if (!rootSeen) {
            rootSeen = true;
            parsed.index = name == "sitemapindex";
            if (!parsed.index && name != "urlset") {
                parsed.error = "Line " + std::to_string(line) + ": the file is not a sitemap; " +
                               "it starts with <" + std::string(name) +
                               "> instead of <urlset> or <sitemapindex>.";
                return parsed;
            }
        } else if (name == "loc") {
            xmlChar* text = xmlTextReaderReadString(reader.get());
            const std::string address =
                text == nullptr ? std::string() : CollapseSpaces(reinterpret_cast<char*>(text));
            xmlFree(text);
            if (address.empty()) {
                parsed.error = "Line " + std::to_string(line) + ": the <loc> element is empty.";
                return parsed;
            }
            parsed.locs.push_back({address, line});
        }
    }
    if (read < 0 && parsed.error.empty()) {
        parsed.error = "The file is not well-formed XML.";
    }
    if (!rootSeen && parsed.error.empty()) {
        parsed.error = "The file holds no XML.";
    }
    return parsed;
}

// The page's items: the root's pages, then one heading per first folder over its pages, the
// folders in the order the sitemap first names them.
std::vector<ItemEntry> Grouped(const std::vector<Loc>& locs) {
    std::vector<ItemEntry> atRoot;
    std::vector<std::pair<std::string, std::vector<ItemEntry>>> groups;
    std::unordered_map<std::string, std::size_t> groupOf;
    for (const Loc& loc : locs) {
        ItemEntry item{ReadableName(loc.address), loc.address, false};
        const std::string folder = FirstFolder(loc.address);
        if (folder.empty()) {
            atRoot.push_back(std::move(item));
            continue;
        }
        auto [at, added] = groupOf.try_emplace(folder, groups.size());
        if (added) {
            groups.emplace_back(folder, std::vector<ItemEntry>{});
        }
        groups[at->second].second.push_back(std::move(item));
    }
    std::vector<ItemEntry> items = std::move(atRoot);
    items.reserve(locs.size() + groups.size());
    for (auto& [folder, pages] : groups) {
        items.push_back({ReadableName("/" + folder), "", true});
        items.insert(items.end(), std::make_move_iterator(pages.begin()),
                     std::make_move_iterator(pages.end()));
    }
    return items;
}

std::string FileNamed(const std::string& address) {
    std::string name = address.substr(0, address.find_first_of("?#"));
    if (name.starts_with("file://")) {
        return name.substr(7);
    }
    const auto slash = name.find_last_of('/');
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

} // namespace

ImportedItems ParseSitemap(std::string_view bytes, const std::string& folder) {
    Parsed parsed = ReadSitemap(bytes);
    if (!parsed.error.empty()) {
        return ImportedItems::Failed(parsed.error);
    }
    std::vector<Loc> pages;
    if (!parsed.index) {
        pages = std::move(parsed.locs);
    }
    for (const Loc& sitemap : parsed.index ? parsed.locs : std::vector<Loc>{}) {
        const std::string name = FileNamed(sitemap.address);
        const std::string path = name.starts_with('/') ? name : folder + name;
        std::ifstream in(path, std::ios::binary);
        if (name.empty() || !in) {
            return ImportedItems::Failed("Line " + std::to_string(sitemap.line) + ": the sitemap " +
                                         "\"" + name + "\" is not in the folder " + folder + ".");
        }
        const std::string inner{std::istreambuf_iterator<char>(in), {}};
        Parsed part = ReadSitemap(inner);
        if (part.error.empty() && part.index) {
            part.error = "an index inside an index is not read.";
        }
        if (!part.error.empty()) {
            return ImportedItems::Failed(name + ": " + part.error);
        }
        pages.insert(pages.end(), part.locs.begin(), part.locs.end());
    }
    if (pages.empty()) {
        return ImportedItems::Failed("The sitemap lists no pages.");
    }
    return {Grouped(pages), {}};
}

} // namespace pickwell
