#pragma once

#include "codegen/CodePieces.h"
#include "codegen/MenuCode.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace pickwell {

// The menu's styles as rules of a style sheet instead of style attributes, so that a page whose
// security policy forbids inline styles keeps the menu's look. Each rule starts with an id made
// from the menu name ("NAME-form", "NAME-links"), so that two menus on one page keep their own
// look; the elements meet the rules by the classes below.
class MenuStyleSheet {
public:
    static constexpr std::string_view HiddenClass = "pickwell-hidden";
    static constexpr std::string_view ListClass = "pickwell-list";
    static constexpr std::string_view ButtonClass = "pickwell-button";
    // Also how the script finds the link lists of the page.
    static constexpr std::string_view LinksClass = "pickwell-links";

    // Made whole before the HTML code, so that the code can be handed on while it is made.
    MenuStyleSheet(const MenuProject& project, const GenericFamilyOf& genericFamily);

    // The class of an item with colours of its own ("pickwell-item1", numbered by the colour
    // pairs in the order they first come); empty for an item without.
    std::string ItemClass(const CodeRow& row) const;
    // The rules, each line ended by CR LF.
    const std::string& text() const { return m_text; }

    static std::string FormId(const MenuOptions& options) { return options.menuName + "-form"; }
    static std::string LinksId(const MenuOptions& options) { return options.menuName + "-links"; }
    // The width from which the links show, in CSS pixels: the project's, or the default when it
    // is empty or no whole number above zero.
    static std::string WideScreenWidth(const MenuOptions& options);

private:
    void AddLinkRules(const MenuProject& project, const GenericFamilyOf& genericFamily);

    std::string m_text;
    std::unordered_map<std::string, std::string> m_itemClasses;
};

} // namespace pickwell
