#pragma once

#include "app/ProjectChecks.h"
#include "model/FormControls.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace pickwell {

// The Check Links window without its widgets: the site folder, whether colours are checked,
// the findings table, progress and the Check and Cancel commands. Checking never waits: the
// probe's answers fill the rows as they come, and Cancel drops the rest.
class LinkCheckForm : public FormModel {
public:
    static constexpr int DefaultTimeoutSeconds = 10;

    // The site folder starts as the project file's folder, when there is one.
    LinkCheckForm(const MenuProject& project, LinkProbe& probe);
    ~LinkCheckForm() override;

    const TextControl& txtsitefolder() const { return m_siteFolder; }
    const CheckControl& chkcontrast() const { return m_contrast; }
    int timeoutSeconds() const { return m_timeoutSeconds; }
    const std::vector<CheckFinding>& findings() const { return m_findings; }
    bool running() const { return m_running; }
    bool checkEnabled() const { return !m_running; }
    bool cancelEnabled() const { return m_running; }
    // Web addresses answered so far, of how many.
    std::size_t answered() const { return m_answered; }
    std::size_t toAnswer() const { return m_plan.webAddresses.size(); }
    // The progress bar: the answers of all, at least one step, which a check with no web
    // address to ask has made once it is done.
    int progressMaximum() const { return std::max(1, static_cast<int>(toAnswer())); }
    int progressValue() const {
        return toAnswer() == 0 && m_checked ? 1 : static_cast<int>(m_answered);
    }
    int problemCount() const;
    std::string statusText() const;

    void SetSiteFolder(const std::string& text);
    void SetContrast(int value);
    void SetTimeoutSeconds(int seconds);
    // Checks everything again from the start.
    void Check();
    void Cancel();

private:
    void Answer(std::size_t index, const LinkAnswer& answer);

    const MenuProject& m_project;
    LinkProbe& m_probe;
    TextControl m_siteFolder;
    CheckControl m_contrast{1};
    int m_timeoutSeconds = DefaultTimeoutSeconds;
    CheckPlan m_plan;
    std::vector<CheckFinding> m_findings;
    std::size_t m_answered = 0;
    bool m_running = false;
    bool m_cancelled = false;
    bool m_checked = false;
};

} // namespace pickwell
