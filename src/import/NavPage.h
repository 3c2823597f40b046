#pragma once

#include "import/HtmlTree.h"
#include "import/ImportedItems.h"

#include <string>
#include <string_view>
#include <vector>

namespace pickwell {

// One navigation the page offers: a <nav> element, or a list (<ul>, <ol>) outside any other.
struct PageList {
    std::string name;       // "nav#main", "ul.menu", "ol"
    std::string firstItems; // the first items' texts, for choosing: "Home, About, Contact"
};

// A web page's navigation as menu items. A list item with a list inside becomes a heading
// (its own text) over that list's items, and a heading element (<h2>…) inside the navigation
// a heading too. Links are resolved against the page's <base> or canonical address, else
// kept relative to the page's folder.
class NavPage {
public:
    explicit NavPage(std::string_view bytes);

    // Empty when the page could not be read or has neither a <nav> nor a list.
    const std::vector<PageList>& lists() const { return m_lists; }
    // The first <nav>, else the first list; -1 when there is none.
    int preferredList() const { return m_preferred; }
    // The items of lists()[index]; a message when it is out of range or holds none.
    ImportedItems ItemsOf(int index) const;
    // The items of the first element `selector` names: tag names, #id and .class, joined
    // into compounds and separated by spaces for descendants. A message when the selector
    // uses more than that or names nothing.
    ImportedItems ItemsSelected(std::string_view selector) const;
    // Why lists() is empty.
    const std::string& problem() const { return m_problem; }

private:
    ImportedItems ItemsOfNode(const xmlNode* node) const;

    HtmlDoc m_doc;
    std::string m_base;
    std::vector<const xmlNode*> m_nodes;
    std::vector<PageList> m_lists;
    int m_preferred = -1;
    std::string m_problem;
};

} // namespace pickwell
