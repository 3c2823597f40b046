#include "import/NavPage.h"

#include "import/LinkText.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <sstream>

namespace pickwell {

namespace {

bool IsHeadingElement(const xmlNode* node) {
    const std::string_view name = reinterpret_cast<const char*>(node->name);
    return name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6';
}

// Turns the elements of a navigation into rows, in the page's order.
class NavWalker {
public:
    NavWalker(const std::string& base, std::vector<ItemEntry>& rows)
        : m_base(base)
        , m_rows(rows) {}

    void Container(const xmlNode* node) {
        for (const xmlNode* child = node->children; child != nullptr; child = child->next) {
            if (child->type != XML_ELEMENT_NODE) {
                continue;
            }
            if (IsList(child)) {
                Container(child);
            } else if (IsElement(child, "li")) {
                Item(child);
            } else if (IsElement(child, "a")) {
                Link(child, "");
            } else if (IsHeadingElement(child)) {
                Heading(TextOf(child));
            } else if (!IsElement(child, "script") && !IsElement(child, "style") &&
                       !IsElement(child, "template")) {
                Container(child);
            }
        }
    }

private:
    void Item(const xmlNode* li) {
        std::vector<const xmlNode*> lists;
        std::vector<const xmlNode*> links;
        ForEachElement(li, [&](const xmlNode* node) {
            if (IsList(node)) {
                lists.push_back(node);
                return false;
            }
            if (IsElement(node, "a")) {
                links.push_back(node);
                return false;
            }
            return true;
        });
        if (!lists.empty()) {
            // A heading carries no link, so a parent's own page is not kept.
            Heading(TextOf(li, IsList));
            for (const xmlNode* list : lists) {
                Container(list);
            }
        } else if (links.empty()) {
            Unlinked(TextOf(li));
        } else if (links.size() == 1) {
            Link(links.front(), TextOf(li));
        } else {
            for (const xmlNode* link : links) {
                Link(link, "");
            }
        }
    }

    void Link(const xmlNode* a, const std::string& fallbackText) {
        const std::string href = Attribute(a, "href");
        std::string text = TextOf(a);
        if (text.empty()) {
            text = fallbackText;
        }
        for (const xmlNode* img = a->children; text.empty() && img != nullptr; img = img->next) {
            if (IsElement(img, "img")) {
                text = CollapseSpaces(Attribute(img, "alt"));
            }
        }
        if (text.empty()) {
            text = CollapseSpaces(Attribute(a, "title"));
        }
        if (text.empty() && IsNavigable(href)) {
            text = ReadableName(href);
        }
        if (text.empty()) {
            return;
        }
        m_rows.push_back({text, IsNavigable(href) ? ResolveLink(href, m_base) : "", false});
    }

    void Unlinked(const std::string& text) {
        if (!text.empty()) {
            m_rows.push_back({text, "", false});
        }
    }

    void Heading(const std::string& text) {
        if (!text.empty()) {
            m_rows.push_back({text, "", true});
        }
    }

    const std::string& m_base;
    std::vector<ItemEntry>& m_rows;
};

std::string NameOf(const xmlNode* node) {
    std::string name = reinterpret_cast<const char*>(node->name);
    const std::string id = CollapseSpaces(Attribute(node, "id"));
    if (!id.empty()) {
        return name + "#" + id;
    }
    std::istringstream classes(Attribute(node, "class"));
    for (std::string word; classes >> word;) {
        name += "." + word;
    }
    return name;
}

// One compound of a selector: "ul", "#main", "nav.top.dark".
struct Compound {
    std::string tag;
    std::string id;
    std::vector<std::string> classes;

    bool Matches(const xmlNode* node) const {
        if (!tag.empty() && !IsElement(node, tag)) {
            return false;
        }
        if (!id.empty() && Attribute(node, "id") != id) {
            return false;
        }
        std::istringstream words(Attribute(node, "class"));
        std::vector<std::string> present{std::istream_iterator<std::string>(words), {}};
        return std::all_of(classes.begin(), classes.end(), [&present](const std::string& c) {
            return std::find(present.begin(), present.end(), c) != present.end();
        });
    }
};

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

// Empty compounds: the selector uses more than this parser reads.
std::vector<Compound> ParseSelector(std::string_view selector) {
    std::vector<Compound> compounds;
    std::istringstream words{std::string(selector)};
    for (std::string word; words >> word;) {
        Compound compound;
        std::size_t i = 0;
        const auto name = [&word, &i] {
            const std::size_t start = i;
            while (i < word.size() && IsNameChar(word[i])) {
                ++i;
            }
            return word.substr(start, i - start);
        };
        compound.tag = name();
        std::transform(compound.tag.begin(), compound.tag.end(), compound.tag.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        while (i < word.size()) {
            const char kind = word[i++];
            const std::string part = name();
            if (part.empty() || (kind != '#' && kind != '.')) {
                return {};
            }
            if (kind == '#') {
                compound.id = part;
            } else {
                compound.classes.push_back(part);
            }
        }
        compounds.push_back(std::move(compound));
    }
    return compounds;
}

bool MatchesPath(const xmlNode* node, const std::vector<Compound>& compounds) {
    if (!compounds.back().Matches(node)) {
        return false;
    }
    // The earlier compounds match ancestors, nearest first, each further up than the last.
    auto wanted = compounds.rbegin() + 1;
    for (const xmlNode* up = node->parent; up != nullptr && wanted != compounds.rend();
         up = up->parent) {
        if (up->type == XML_ELEMENT_NODE && wanted->Matches(up)) {
            ++wanted;
        }
    }
    return wanted == compounds.rend();
}

} // namespace

NavPage::NavPage(std::string_view bytes)
    : m_doc(ParseHtml(bytes)) {
    const xmlNode* root = m_doc ? xmlDocGetRootElement(m_doc.get()) : nullptr;
    if (root == nullptr) {
        m_problem = "The file holds no HTML.";
        return;
    }
    std::string canonical;
    ForEachElement(root, [&](const xmlNode* node) {
        if (IsElement(node, "base") && m_base.empty()) {
            m_base = Attribute(node, "href");
        } else if (IsElement(node, "link") && canonical.empty() &&
                   Attribute(node, "rel") == "canonical") {
            canonical = Attribute(node, "href");
        } else if (IsElement(node, "nav") || IsList(node)) {
            if (m_preferred < 0 && IsElement(node, "nav")) {
                m_preferred = static_cast<int>(m_nodes.size());
            }
            m_nodes.push_back(node);
            return false; // what is inside is offered with it
        }
        return true;
    });
    if (m_base.empty()) {
        m_base = canonical;
    }
    for (const xmlNode* node : m_nodes) {
        const ImportedItems items = ItemsOfNode(node);
        std::string first;
        for (std::size_t i = 0; i < items.items.size() && i < 3; ++i) {
            first += (i == 0 ? "" : ", ") + items.items[i].text;
        }
        if (items.items.size() > 3) {
            first += ", …";
        }
        m_lists.push_back({NameOf(node), first});
    }
    if (m_nodes.empty()) {
        m_problem = "The page has no <nav> element and no list (<ul> or <ol>).";
    } else if (m_preferred < 0) {
        m_preferred = 0;
    }
}

ImportedItems NavPage::ItemsOfNode(const xmlNode* node) const {
    ImportedItems result;
    NavWalker(m_base, result.items).Container(node);
    if (result.items.empty()) {
        return ImportedItems::Failed("The element " + Described(node) + " holds no links.");
    }
    return result;
}

ImportedItems NavPage::ItemsOf(int index) const {
    if (index < 0 || index >= static_cast<int>(m_nodes.size())) {
        return ImportedItems::Failed(m_problem.empty() ? "Choose one of the page's lists."
                                                       : m_problem);
    }
    return ItemsOfNode(m_nodes[index]);
}

ImportedItems NavPage::ItemsSelected(std::string_view selector) const {
    const std::vector<Compound> compounds = ParseSelector(selector);
    if (compounds.empty()) {
        return ImportedItems::Failed(
            "The selector \"" + std::string(selector) +
            "\" cannot be used: write tag names, #id and .class, with spaces between ancestors.");
    }
    const xmlNode* found = nullptr;
    const xmlNode* root = m_doc ? xmlDocGetRootElement(m_doc.get()) : nullptr;
    if (root != nullptr && MatchesPath(root, compounds)) {
        found = root;
    }
    if (root != nullptr && found == nullptr) {
        ForEachElement(root, [&](const xmlNode* node) {
            if (found == nullptr && MatchesPath(node, compounds)) {
                found = node;
            }
            return found == nullptr;
        });
    }
    if (found == nullptr) {
        return ImportedItems::Failed("No element of the page matches \"" + std::string(selector) +
                                     "\".");
    }
    return ItemsOfNode(found);
}

} // namespace pickwell
