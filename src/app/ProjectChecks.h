#pragma once

#include "check/CheckFinding.h"
#include "model/MenuProject.h"
#include "platform/LinkProbe.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pickwell {

// The detail of a web address's row until its answer comes.
inline constexpr std::string_view WaitingDetail = "waiting";

// A project's findings as far as they are known without the network, and the web addresses
// still to ask about: each unique address once, with the rows that wait for its answer.
struct CheckPlan {
    std::vector<CheckFinding> findings;
    std::vector<std::string> webAddresses;
    std::vector<std::vector<std::size_t>> webRows; // by position in webAddresses
};

// Every linked item's address: its syntax, and a relative link against `siteFolder` (not
// looked for when it is empty). With `colours`, the colour rows of CheckColours follow.
CheckPlan PlanProjectCheck(const MenuProject& project, const std::string& siteFolder, bool colours);

// The contrast of every item with colours of its own, of the list and of the standard button
// where they have colours of their own, as the generated page paints them; then one note on
// the items whose colours native drop-downs may leave unpainted.
std::vector<CheckFinding> CheckColours(const MenuProject& project);

// Fills a web address's row from the server's answer.
void ApplyAnswer(CheckFinding& finding, const LinkAnswer& answer, int timeoutSeconds);

} // namespace pickwell
