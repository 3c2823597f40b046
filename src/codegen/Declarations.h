#pragma once

#include "codegen/CodePieces.h"
#include "codegen/MenuCode.h"

#include <string>
#include <string_view>

// The CSS declarations of the standards form, made once for the two places they go: the
// elements' style attributes, or the rules of a style sheet.
namespace pickwell {

// Declarations go in only with a value, so that nothing empty or invalid reaches the browser.
class Declarations {
public:
    Declarations() = default;
    // Declarations already written out, "property:value;property:value".
    explicit Declarations(std::string_view text)
        : m_text(text) {}

    void Add(std::string_view property, std::string_view value, std::string_view unit = {});
    // `generic` ends the family list, so that a visitor without the font gets a face like it.
    void AddFont(const std::string& size, const std::string& name, const std::string& generic,
                 const std::string& weight, int italic, int underline);

    bool empty() const { return m_text.empty(); }
    const std::string& text() const { return m_text; }
    // ` style="..."`, or nothing when there is no declaration.
    std::string Attribute() const;

private:
    std::string m_text;
};

// The label stays for screen readers when the author wants no visible text.
Declarations VisuallyHidden();
// The list's font, width and colours, as the menu style window shows them.
Declarations ListDeclarations(const MenuProject& project, const GenericFamilyOf& genericFamily);
// The standard button, or the image button's alignment.
Declarations ButtonDeclarations(const MenuProject& project, const GenericFamilyOf& genericFamily);
// An item's own colours; a colour left "Default" is no colour of the item's own.
Declarations ItemDeclarations(const CodeRow& row);

// Only the three generic names that every browser knows reach the page.
std::string Generic(const GenericFamilyOf& genericFamily, const std::string& font);

} // namespace pickwell
