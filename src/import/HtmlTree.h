#pragma once

#include <libxml/HTMLparser.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

// The parsers' thin layer over libxml2's HTML parser, which builds the tree a browser would
// from real-world pages (unclosed elements, stray tags) instead of giving up on them.
namespace pickwell {

struct HtmlDocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using HtmlDoc = std::unique_ptr<xmlDoc, HtmlDocFree>;

// Null for bytes that hold no document at all. UTF-8 when the bytes are UTF-8, else
// Windows-1252, which is what pages without a declared encoding were written in.
HtmlDoc ParseHtml(std::string_view bytes);

// Element names are lower case in the tree whatever the page wrote.
bool IsElement(const xmlNode* node, std::string_view name);
bool IsList(const xmlNode* node); // <ul> or <ol>
std::string Attribute(const xmlNode* node, const char* name);
// The node's text with its white space collapsed; `skip` elements are left out with all that
// is in them (as are scripts and style sheets).
std::string TextOf(const xmlNode* node, const std::function<bool(const xmlNode*)>& skip = nullptr);
// "<nav id="main" class="top"> on line 12", for messages.
std::string Described(const xmlNode* node);
// Calls `visit` on every element below `node` in document order; where it returns false the
// walk does not go into that element.
void ForEachElement(const xmlNode* node, const std::function<bool(const xmlNode*)>& visit);

} // namespace pickwell
