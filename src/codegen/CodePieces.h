#pragma once

#include "model/MenuProject.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Pieces both forms of the menu code share: line ends, the maker's comment, the preview's note
// and the two pages that frame a preview for a frame target.
namespace pickwell {

inline constexpr std::string_view CrLf = "\r\n";

// A page opened in a new window gets no window.opener, so it cannot redirect the menu's page.
inline constexpr std::string_view NewWindowRel = " rel=\"noopener\"";

// Takes the code made so far and leaves the text empty, so that a large menu's code need not
// be held whole. Without one, the code is made whole in its string.
using CodeSpill = std::function<void(std::string& text)>;
// Between items: hands the text on once it is long.
void SpillIfLong(std::string& out, const CodeSpill& spill);

// The piece, then a line end.
void Line(std::string& out, std::string_view piece);
// Each line of `text` (ended by "\n" or by the end) with a CR LF, like the rest of the code.
void AppendLines(std::string& out, std::string_view text);
// The three comment lines naming the maker, then an empty line.
void AppendMakerComment(std::string& out);
// The preview's warning that its code is not for pages, then an empty line.
void AppendPreviewNote(std::string& out);

// One item as the generators read it: the text without the indent a heading gave it, and
// no colours when the background is "Default" (the text colour is copied as it is otherwise).
// Views into the project, which outlives the call.
struct CodeRow {
    std::string_view text;
    bool linked;
    std::string_view url;
    bool selected;
    std::string_view backColor;
    std::string_view textColor;
    bool heading;
};
CodeRow ToCodeRow(const MenuItem& item);
std::string_view WithoutTrailingBlanks(std::string_view text);

struct MenuCode;
// A preview for a frame target is shown in a frameset whose lower frame bears the frame name.
// `head` goes right after each page's <HTML> tag; without it the pages are the classic ones.
void AddFramePages(MenuCode& code, const MenuOptions& options, std::string_view head = {});

} // namespace pickwell
