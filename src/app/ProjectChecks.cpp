#include "app/ProjectChecks.h"

#include "check/Contrast.h"
#include "check/LinkSyntax.h"
#include "check/SiteFolder.h"
#include "colour/ColorNames.h"

#include <map>
#include <optional>

namespace pickwell {
namespace {

using Verdict = CheckFinding::Verdict;

// What a browser paints a list in when the page gives it no colours.
constexpr std::string_view BrowserText = "#000000";
constexpr std::string_view BrowserBack = "#FFFFFF";

std::string ItemName(const MenuProject& project, std::size_t index) {
    std::string_view text = project.items[index].text;
    if (text.starts_with(HeadingIndent)) {
        text.remove_prefix(HeadingIndent.size());
    }
    return "Item " + std::to_string(index + 1) + ": " + std::string(text);
}

// `web` tells whether the row waits for a server's answer.
CheckFinding CheckAddress(const std::string& item, const std::string& address,
                          const std::string& siteFolder, bool& web) {
    CheckFinding finding{item, address, {}, {}, Verdict::Passed};
    const LinkSyntaxResult syntax = CheckLinkSyntax(address);
    if (!syntax.problem.empty()) {
        finding.problem = syntax.problem;
        finding.detail = syntax.detail;
        finding.verdict = Verdict::Problem;
    } else if (syntax.kind == LinkKind::Relative) {
        if (siteFolder.empty()) {
            finding.detail = "not looked for: no site folder";
        } else if (const SiteFileResult found = FindInSiteFolder(siteFolder, address);
                   found.found == SiteFileResult::Found::No) {
            finding.problem = "not in the site folder";
            finding.detail = "no such file under " + siteFolder;
            finding.verdict = Verdict::Problem;
        } else if (found.found == SiteFileResult::Found::OtherCase) {
            finding.problem = "letter case differs";
            finding.detail =
                "the file is " + found.actualPath + "; a case-sensitive server will not find it";
            finding.verdict = Verdict::Problem;
        } else {
            finding.detail = "found in the site folder";
        }
    }
    web = finding.verdict == Verdict::Passed && syntax.kind == LinkKind::Web;
    if (web) {
        finding.detail = WaitingDetail;
    }
    return finding;
}

CheckFinding CheckPair(std::string item, std::string_view text, std::string_view back) {
    CheckFinding finding{
        std::move(item), std::string(text) + " on " + std::string(back), {}, {}, Verdict::Passed};
    const std::optional<ColorValue> textColor = ColorFromText(text);
    const std::optional<ColorValue> backColor = ColorFromText(back);
    if (!textColor || !backColor) {
        finding.problem = "colour not understood";
        finding.detail = std::string("\"")
                             .append(textColor ? back : text)
                             .append("\" is no colour a browser knows; write #RRGGBB");
        finding.verdict = Verdict::Problem;
        return finding;
    }
    const double ratio = ContrastRatio(*textColor, *backColor);
    finding.detail = RatioText(ratio);
    if (ratio < TextContrastMinimum) {
        finding.problem = "contrast too low";
        finding.detail += ", needs 4.5:1";
        finding.verdict = Verdict::Problem;
    }
    return finding;
}

} // namespace

CheckPlan PlanProjectCheck(const MenuProject& project, const std::string& siteFolder,
                           bool colours) {
    CheckPlan plan;
    std::map<std::string, std::size_t> webIndex;
    for (std::size_t i = 0; i < project.items.size(); ++i) {
        const MenuItem& item = project.items[i];
        if (item.isHeading == "Yes" || item.linked != "Yes") {
            continue;
        }
        bool web = false;
        CheckFinding finding = CheckAddress(ItemName(project, i), item.url, siteFolder, web);
        if (web) {
            const auto [at, added] = webIndex.try_emplace(item.url, plan.webAddresses.size());
            if (added) {
                // An address without a scheme takes the page's; the live site's is likely https.
                plan.webAddresses.push_back(item.url.starts_with("//") ? "https:" + item.url
                                                                       : item.url);
                plan.webRows.emplace_back();
            }
            plan.webRows[at->second].push_back(plan.findings.size());
        }
        plan.findings.push_back(std::move(finding));
    }
    if (colours) {
        for (CheckFinding& finding : CheckColours(project)) {
            plan.findings.push_back(std::move(finding));
        }
    }
    return plan;
}

std::vector<CheckFinding> CheckColours(const MenuProject& project) {
    std::vector<CheckFinding> findings;
    const MenuStyle& list = project.menuStyle;
    const bool listColoured = list.useSystemColors == 0;
    const std::string_view listText = listColoured ? std::string_view(list.textColor) : BrowserText;
    const std::string_view listBack = listColoured ? std::string_view(list.bgColor) : BrowserBack;
    if (listColoured) {
        findings.push_back(CheckPair("The list", listText, listBack));
    }
    const ButtonStyle& button = project.buttonStyle;
    if (project.menuOptions.navigateMode == 0 && project.buttonOptions.buttonType == 0 &&
        button.useSystemColors == 0) {
        findings.push_back(CheckPair("The button", button.textColor, button.bgColor));
    }
    std::string coloured;
    for (std::size_t i = 0; i < project.items.size(); ++i) {
        const MenuItem& item = project.items[i];
        // The page drops both colours of an item whose background is "Default"; a heading
        // is written without colours at all.
        if (item.isHeading == "Yes" || item.backColor == "Default") {
            continue;
        }
        const std::string_view text =
            item.textColor == "Default" ? listText : std::string_view(item.textColor);
        findings.push_back(CheckPair(ItemName(project, i), text, item.backColor));
        coloured += (coloured.empty() ? "" : ", ") + std::to_string(i + 1);
    }
    if (!coloured.empty()) {
        const bool several = coloured.find(',') != std::string::npos;
        findings.push_back({(several ? "Items " : "Item ") + coloured,
                            {},
                            "colours may not show",
                            "the native drop-downs of Safari on macOS and iOS and of browsers on "
                            "Android may paint items in the system's colours",
                            Verdict::Note});
    }
    return findings;
}

void ApplyAnswer(CheckFinding& finding, const LinkAnswer& answer, int timeoutSeconds) {
    const std::string moved =
        answer.finalAddress.empty() ? std::string() : " at " + answer.finalAddress;
    switch (answer.outcome) {
    case LinkAnswer::Outcome::TimedOut:
        finding.problem = "no answer";
        finding.detail = "nothing within " + std::to_string(timeoutSeconds) + " s";
        finding.verdict = Verdict::Problem;
        return;
    case LinkAnswer::Outcome::Failed:
        finding.problem = "no connection";
        finding.detail = answer.error;
        finding.verdict = Verdict::Problem;
        return;
    case LinkAnswer::Outcome::Answered:
        break;
    }
    finding.detail = std::to_string(answer.status) + moved;
    if (answer.status >= 200 && answer.status < 300) {
        finding.problem = moved.empty() ? "" : "redirected";
        finding.verdict = moved.empty() ? Verdict::Passed : Verdict::Note;
    } else if (answer.status >= 300 && answer.status < 400) {
        finding.problem = "redirect not followed";
        finding.verdict = Verdict::Note;
    } else {
        finding.problem = answer.status == 404 || answer.status == 410 ? "not found"
                          : answer.status >= 500                       ? "server error"
                                                                       : "refused";
        finding.verdict = Verdict::Problem;
    }
}

} // namespace pickwell
