#pragma once

#include "codegen/CodePieces.h"
#include "codegen/MenuCode.h"

// The standards-compliant form of the menu code: HTML5 that is valid in a page with a
// doctype and works in one without, CSS that current browsers apply, escaped texts, an
// unobtrusive script, a label for the list and links for visitors without script.
namespace pickwell {

// What a screen reader announces for the list when the author gave it no label.
inline constexpr std::string_view HiddenListLabel = "Choose a page";

// Fills `code` as GenerateMenuCode does, the HTML code last, through `spill` when one is given.
void GenerateStandardsCode(const MenuProject& project, OutputMode mode,
                           const GenericFamilyOf& genericFamily, MenuCode& code,
                           const CodeSpill& spill);

// Text made safe for HTML content and double-quoted attribute values.
std::string EscapeHtml(std::string_view text);

} // namespace pickwell
