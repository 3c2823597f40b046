#pragma once

#include "codegen/CodePieces.h"
#include "codegen/MenuCode.h"
#include "codegen/MenuStyleSheet.h"

#include <string_view>

// The standards-compliant form of the menu code: HTML5 that is valid in a page with a
// doctype and works in one without, CSS that current browsers apply, escaped texts, an
// unobtrusive script, a label for the list and links for visitors without script.
namespace pickwell {

// What a screen reader announces for the list when the author gave it no label.
inline constexpr std::string_view HiddenListLabel = "Choose a page";

// Fills `code` as GenerateMenuCode does, the HTML code last, through `spill` when one is given.
// With a site option on, the function code also holds the menu's style sheet.
void GenerateStandardsCode(const MenuProject& project, OutputMode mode,
                           const GenericFamilyOf& genericFamily, MenuCode& code,
                           const CodeSpill& spill);

// The HTML code alone. Without a `sheet` the elements carry their styles in style attributes;
// with one they carry its classes, and the wide-screen links stand in for the <noscript> links
// when the project asks for them. `intro` comes between the maker's comment and the code.
std::string StandardsHtmlCode(const MenuProject& project, OutputMode mode,
                              const GenericFamilyOf& genericFamily, const CodeSpill& spill,
                              const MenuStyleSheet* sheet, std::string_view intro = {});

// Text made safe for HTML content and double-quoted attribute values.
std::string EscapeHtml(std::string_view text);

} // namespace pickwell
