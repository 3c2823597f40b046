#include "import/HtmlTree.h"

#include "import/LinkText.h"

#include <limits>

namespace pickwell {

namespace {

const char* Chars(const xmlChar* text) {
    return reinterpret_cast<const char*>(text);
}

void AppendText(const xmlNode* node, const std::function<bool(const xmlNode*)>& skip,
                std::string& out) {
    for (const xmlNode* child = node->children; child != nullptr; child = child->next) {
        if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) {
            out += Chars(child->content);
        } else if (child->type == XML_ELEMENT_NODE && !IsElement(child, "script") &&
                   !IsElement(child, "style") && !(skip && skip(child))) {
            // Block elements and line breaks part words as a browser shows them.
            out += ' ';
            AppendText(child, skip, out);
            out += ' ';
        }
    }
}

} // namespace

HtmlDoc ParseHtml(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return nullptr;
    }
    const char* encoding = IsUtf8(bytes) ? "UTF-8" : "windows-1252";
    return HtmlDoc(htmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, encoding,
                                  HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                                      HTML_PARSE_NONET));
}

bool IsElement(const xmlNode* node, std::string_view name) {
    return node != nullptr && node->type == XML_ELEMENT_NODE && node->name != nullptr &&
           name == Chars(node->name);
}

bool IsList(const xmlNode* node) {
    return IsElement(node, "ul") || IsElement(node, "ol");
}

std::string Attribute(const xmlNode* node, const char* name) {
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    if (value == nullptr) {
        return {};
    }
    std::string text(Chars(value));
    xmlFree(value);
    return text;
}

std::string TextOf(const xmlNode* node, const std::function<bool(const xmlNode*)>& skip) {
    std::string text;
    AppendText(node, skip, text);
    return CollapseSpaces(text);
}

std::string Described(const xmlNode* node) {
    std::string text = "<";
    text += Chars(node->name);
    for (const char* name : {"id", "class"}) {
        const std::string value = Attribute(node, name);
        if (!value.empty()) {
            text.append(" ").append(name).append("=\"").append(value).append("\"");
        }
    }
    return text + "> on line " + std::to_string(xmlGetLineNo(node));
}

void ForEachElement(const xmlNode* node, const std::function<bool(const xmlNode*)>& visit) {
    for (const xmlNode* child = node->children; child != nullptr; child = child->next) {
        if (child->type == XML_ELEMENT_NODE && visit(child)) {
            ForEachElement(child, visit);
        }
    }
}

} // namespace pickwell
