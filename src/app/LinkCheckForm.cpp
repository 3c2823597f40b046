#include "app/LinkCheckForm.h"

#include <algorithm>

namespace pickwell {
namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

LinkCheckForm::LinkCheckForm(const MenuProject& project, LinkProbe& probe)
    : m_project(project)
    , m_probe(probe) {
    if (project.HasProjectFile) {
        m_siteFolder.text = FolderOf(project.ProjectPath);
    }
}

LinkCheckForm::~LinkCheckForm() {
    if (m_running) {
        m_probe.Cancel();
    }
}

int LinkCheckForm::problemCount() const {
    return static_cast<int>(std::count_if(m_findings.begin(), m_findings.end(), [](const auto& f) {
        return f.verdict == CheckFinding::Verdict::Problem;
    }));
}

std::string LinkCheckForm::statusText() const {
    const std::string progress =
        std::to_string(m_answered) + " of " + std::to_string(toAnswer()) + " web addresses";
    if (m_running) {
        return "Checking: " + progress + " answered.";
    }
    if (m_cancelled) {
        return "Cancelled: " + progress + " answered.";
    }
    if (!m_checked) {
        return {};
    }
    const int problems = problemCount();
    return problems == 0 ? "Done: no problems found."
                         : "Done: " + std::to_string(problems) +
                               (problems == 1 ? " problem found." : " problems found.");
}

void LinkCheckForm::SetSiteFolder(const std::string& text) {
    ChangeScope scope(*this);
    m_siteFolder.text = text;
}

void LinkCheckForm::SetContrast(int value) {
    ChangeScope scope(*this);
    m_contrast.value = value;
}

void LinkCheckForm::SetTimeoutSeconds(int seconds) {
    m_timeoutSeconds = std::max(1, seconds);
}

void LinkCheckForm::Check() {
    ChangeScope scope(*this);
    m_probe.Cancel();
    m_plan = PlanProjectCheck(m_project, m_siteFolder.text, m_contrast.value == 1);
    m_findings = m_plan.findings;
    m_answered = 0;
    m_cancelled = false;
    m_checked = true;
    m_running = !m_plan.webAddresses.empty();
    m_siteFolder.enabled = !m_running;
    m_contrast.enabled = !m_running;
    if (m_running) {
        m_probe.Probe(
            m_plan.webAddresses, m_timeoutSeconds,
            [this](std::size_t index, const LinkAnswer& answer) { Answer(index, answer); });
    }
}

void LinkCheckForm::Cancel() {
    if (!m_running) {
        return;
    }
    ChangeScope scope(*this);
    m_probe.Cancel();
    m_running = false;
    m_cancelled = true;
    m_siteFolder.enabled = true;
    m_contrast.enabled = true;
    for (CheckFinding& finding : m_findings) {
        if (finding.detail == WaitingDetail) {
            finding.detail = "not checked";
        }
    }
}

void LinkCheckForm::Answer(std::size_t index, const LinkAnswer& answer) {
    if (!m_running || index >= m_plan.webRows.size()) {
        return;
    }
    ChangeScope scope(*this);
    for (std::size_t row : m_plan.webRows[index]) {
        ApplyAnswer(m_findings[row], answer, m_timeoutSeconds);
    }
    if (++m_answered == toAnswer()) {
        m_running = false;
        m_siteFolder.enabled = true;
        m_contrast.enabled = true;
    }
}

} // namespace pickwell
