#pragma once

#include <string>
#include <string_view>

// Pieces both forms of the menu code share: line ends, the maker's comment, the preview's note
// and the two pages that frame a preview for a frame target.
namespace pickwell {

inline constexpr std::string_view CrLf = "\r\n";

// The piece, then a line end.
void Line(std::string& out, std::string_view piece);
// The three comment lines naming the maker, then an empty line.
void AppendMakerComment(std::string& out);
// The preview's warning that its code is not for pages, then an empty line.
void AppendPreviewNote(std::string& out);

std::string FramesetPage(const std::string& frameName);
std::string SecondFramePage();

} // namespace pickwell
