#pragma once

#include <string>
#include <vector>

namespace pickwell {

class ButtonStyleForm;
class FontList;
class MenuStyleForm;

// Font names in the order the style windows' sorted lists show them: ignoring case, names
// that compare equal keeping their platform order.
std::vector<std::string> SortFontNames(std::vector<std::string> names);

// Start-up filling of both windows' font lists in one pass: runs both windows' first loads,
// selects "MS Sans Serif" (where it is missing, the desktop's sans-serif face, else the second
// font that shows Latin letters) and font size "13".
void FillFontLists(FontList& fonts, MenuStyleForm& menu, ButtonStyleForm& button);

} // namespace pickwell
