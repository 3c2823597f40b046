#include "cli/CheckLinksCommand.h"

#include "app/LinkCheckForm.h"
#include "platform/qt/QtLinkProbe.h"

#include <QEventLoop>

#include <charconv>
#include <ostream>

namespace pickwell {

std::variant<CheckLinksOptions, std::string>
ParseCheckLinks(const std::vector<std::string>& arguments) {
    CheckLinksOptions options;
    bool optionsEnded = false;
    bool haveProject = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        // "--name value" or "--name=value"; advances `i` past what it took.
        std::string joined;
        const auto value = [&](const std::string& name) -> const std::string* {
            if (arg.starts_with(name + "=")) {
                joined = arg.substr(name.size() + 1);
                return &joined;
            }
            return arg == name && i + 1 < arguments.size() ? &arguments[++i] : nullptr;
        };
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--contrast") {
            options.contrast = true;
        } else if (!optionsEnded && arg.starts_with("--site-folder")) {
            const std::string* folder = value("--site-folder");
            if (folder == nullptr || folder->empty()) {
                return std::string("--site-folder needs a folder");
            }
            options.siteFolder = *folder;
        } else if (!optionsEnded && arg.starts_with("--timeout")) {
            const std::string* seconds = value("--timeout");
            int parsed = 0;
            if (seconds == nullptr ||
                std::from_chars(seconds->data(), seconds->data() + seconds->size(), parsed).ec !=
                    std::errc() ||
                parsed < 1 || std::to_string(parsed) != *seconds) {
                return std::string("--timeout needs a whole number of seconds above 0");
            }
            options.timeoutSeconds = parsed;
        } else if (!optionsEnded && arg.starts_with("-") && arg != "-") {
            return "unknown option '" + arg + "'";
        } else if (haveProject) {
            return std::string("more than one project file given");
        } else {
            options.project = arg;
            haveProject = !arg.empty();
        }
    }
    if (!haveProject) {
        return std::string("check-links needs a project file");
    }
    return options;
}

int RunCheckLinks(const MenuProject& project, const CheckLinksOptions& options, std::ostream& out) {
    QtLinkProbe probe;
    LinkCheckForm form(project, probe);
    form.SetSiteFolder(options.siteFolder);
    form.SetContrast(options.contrast ? 1 : 0);
    form.SetTimeoutSeconds(options.timeoutSeconds);
    QEventLoop loop;
    form.SetChangedCallback([&form, &loop] {
        if (!form.running()) {
            loop.quit();
        }
    });
    form.Check();
    if (form.running()) {
        loop.exec();
    }
    for (const CheckFinding& finding : form.findings()) {
        if (finding.verdict == CheckFinding::Verdict::Passed) {
            continue;
        }
        if (finding.verdict == CheckFinding::Verdict::Note) {
            out << "note: ";
        }
        out << finding.item << ": ";
        if (!finding.address.empty()) {
            out << finding.address << ": ";
        }
        out << finding.problem << " (" << finding.detail << ")\n";
    }
    return form.problemCount() == 0 ? 0 : 1;
}

} // namespace pickwell
