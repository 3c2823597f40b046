#pragma once

#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

namespace pickwell {

struct MenuProject;

struct CheckLinksOptions {
    std::string siteFolder; // empty: relative links are not looked for
    int timeoutSeconds = 10;
    bool contrast = false;
    std::string project;
};

// `check-links [--site-folder DIR] [--timeout S] [--contrast] PROJECT.pkw`, the command word
// first; a text saying what is wrong when the arguments are not usable.
std::variant<CheckLinksOptions, std::string>
ParseCheckLinks(const std::vector<std::string>& arguments);

// Checks the loaded project as the Check Links window does, waiting in an event loop for the
// servers, and writes one line per problem or note. 0 when no problem was found, 1 otherwise.
int RunCheckLinks(const MenuProject& project, const CheckLinksOptions& options, std::ostream& out);

} // namespace pickwell
