#pragma once

#include "model/MenuProject.h"

#include <string>

// The menu's items as a list of links, for visitors without script and for wide screens.
namespace pickwell {

// A <noscript> list of the linked items under their headings; nothing when no item links.
void AppendNoScriptLinks(std::string& out, const MenuProject& project);

// A <nav> holding every item: links, unlinked items as text, headings as the labels of nested
// lists. Its accessible name is the list's label.
void AppendLinkNav(std::string& out, const MenuProject& project);

} // namespace pickwell
