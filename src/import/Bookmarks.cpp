#include "import/Bookmarks.h"

#include "import/HtmlTree.h"
#include "import/LinkText.h"

#include <memory>
#include <vector>

namespace pickwell {

namespace {

struct Folder {
    std::string name;
    std::vector<ItemEntry> links;
    std::vector<std::unique_ptr<Folder>> folders;
};

// The parser does not close <DT> where a browser would, so a folder's <DL> may stand anywhere
// after its <H3>: the walk goes in document order and gives the next <DL> to the last <H3>.
class BookmarkWalker {
public:
    explicit BookmarkWalker(Folder& root) { m_open.push_back(&root); }

    void Walk(const xmlNode* node) {
        for (const xmlNode* child = node->children; child != nullptr; child = child->next) {
            if (child->type != XML_ELEMENT_NODE) {
                continue;
            }
            if (IsElement(child, "h3")) {
                m_pendingFolder = TextOf(child);
                m_folderPending = true;
                ++m_folderCount;
            } else if (IsElement(child, "dl")) {
                ++m_listCount;
                if (m_folderPending) {
                    auto folder = std::make_unique<Folder>();
                    folder->name = m_pendingFolder;
                    Folder* inner = folder.get();
                    m_open.back()->folders.push_back(std::move(folder));
                    m_folderPending = false;
                    m_open.push_back(inner);
                    Walk(child);
                    m_open.pop_back();
                } else {
                    Walk(child);
                }
            } else if (IsElement(child, "a")) {
                Link(child);
            } else {
                Walk(child);
            }
        }
    }

    int listCount() const { return m_listCount; }
    int folderCount() const { return m_folderCount; }

private:
    void Link(const xmlNode* a) {
        const std::string href = CollapseSpaces(Attribute(a, "href"));
        if (!IsNavigable(href)) {
            return;
        }
        std::string text = TextOf(a);
        if (text.empty()) {
            text = ReadableName(href);
        }
        m_open.back()->links.push_back({text, href, false});
    }

    std::vector<Folder*> m_open;
    std::string m_pendingFolder;
    bool m_folderPending = false;
    int m_listCount = 0;
    int m_folderCount = 0;
};

void Flatten(const Folder& folder, bool top, std::vector<ItemEntry>& rows) {
    if (!folder.links.empty()) {
        if (!top) {
            rows.push_back({folder.name.empty() ? "Folder" : folder.name, "", true});
        }
        rows.insert(rows.end(), folder.links.begin(), folder.links.end());
    }
    for (const auto& inner : folder.folders) {
        Flatten(*inner, false, rows);
    }
}

} // namespace

ImportedItems ParseBookmarks(std::string_view bytes) {
    const HtmlDoc doc = ParseHtml(bytes);
    const xmlNode* root = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
    if (root == nullptr) {
        return ImportedItems::Failed("The file holds no HTML.");
    }
    Folder top;
    BookmarkWalker walker(top);
    walker.Walk(root);
    if (walker.listCount() == 0) {
        return ImportedItems::Failed(
            "The file is not a bookmarks export: it has no bookmark list (<DL>).");
    }
    ImportedItems result;
    Flatten(top, true, result.items);
    if (result.items.empty()) {
        return ImportedItems::Failed("The bookmark lists hold no bookmarks with an address (" +
                                     std::to_string(walker.folderCount()) + " folders).");
    }
    return result;
}

} // namespace pickwell
