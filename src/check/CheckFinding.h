#pragma once

#include <string>

namespace pickwell {

// One row of a link and colour check: what was checked, and what came of it.
struct CheckFinding {
    enum class Verdict {
        Passed,
        Note,    // works, but worth a look (a redirect, colours a browser may not paint)
        Problem, // breaks for some visitors: the check fails
    };
    std::string item;    // "Item 3: Books", "The list", "The button"
    std::string address; // the address, or the colour pair ("#777777 on #FFFFFF")
    std::string problem; // empty while waiting and when passed
    std::string detail;  // the status, the ratio, or what to write instead
    Verdict verdict = Verdict::Passed;

    bool operator==(const CheckFinding&) const = default;
};

} // namespace pickwell
