#pragma once

#include "codegen/MenuCode.h"

// The standards-compliant form of the menu code: HTML5 that is valid in a page with a
// doctype and works in one without, CSS that current browsers apply, escaped texts, an
// unobtrusive script, a label for the list and links for visitors without script.
namespace pickwell {

MenuCode GenerateStandardsCode(const MenuProject& project, OutputMode mode);

// Text made safe for HTML content and double-quoted attribute values.
std::string EscapeHtml(std::string_view text);

} // namespace pickwell
