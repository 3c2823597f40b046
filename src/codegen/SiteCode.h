#pragma once

#include "codegen/MenuCode.h"

#include <string>
#include <string_view>

namespace pickwell {

// The menu as three files for a site whose pages allow no inline script or style: the
// fragment for the page's body, the style sheet and the script for its head. UTF-8 with CR LF
// line ends, like the rest of the standards form.
struct SiteFiles {
    std::string html;   // NAME.html: no <script> element and no style attribute
    std::string css;    // NAME.css: rules for this menu alone
    std::string script; // NAME.js: the same for every menu, so one copy serves them all
};

// The first line of the style sheet and the script holds this, so that saving again can tell
// files of its own, which it replaces, from files of the author's, which it asks about.
inline constexpr std::string_view SiteFileMark = "made by Pickwell";

// The standards form whatever the project chose, with its site options. `fileStem` is the
// name the files are written under (NAME above; the menu name when empty): the fragment's
// first comment names the two lines that bring the other files into a page.
SiteFiles GenerateSiteFiles(const MenuProject& project, const GenericFamilyOf& genericFamily,
                            std::string_view fileStem = {});

} // namespace pickwell
