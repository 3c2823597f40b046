#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

// Where the help pages and tips live, which page answers which topic, and the What's This
// texts the pages hold for the controls of their window.
namespace pickwell {

inline constexpr const char* TipsFileName = "pkwtips.txt";
inline constexpr const char* ContentsTopic = "contents";
inline constexpr const char* TutorialTopic = "173";

// The folder that holds "help/" and the tips file: the program's own folder when they are
// there (a build), else the installed data folder beside it ("../share/pickwell/"). Ends in
// "/".
std::string DataFolder(const std::string& programFolder);

// The page file of a topic, "index.html" for any topic without a page of its own.
std::string PageForTopic(std::string_view topic);

// Every page file, in the order of the contents.
const std::vector<std::string>& HelpPages();

// Control name -> What's This text, from the `<dt id="NAME">` / `<dd>TEXT</dd>` entries of a
// page (entities such as "&amp;" decoded).
std::map<std::string, std::string> WhatsThisTexts(std::string_view pageHtml);

} // namespace pickwell
