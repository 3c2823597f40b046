#include "app/Session.h"

#include "app/ProjectCommands.h"
#include "colour/ColorValues.h"
#include "style/FontLists.h"
#include "style/StyleTransfer.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace pickwell {
namespace {

bool EndsInPkw(const std::string& path) {
    if (path.size() < 3) {
        return false;
    }
    std::string ending = path.substr(path.size() - 3);
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ending == "pkw";
}

bool IsFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

Session::Session(PlatformServices& platform)
    : m_platform(platform)
    , m_colors{platform.prompt, platform.colorDialog, {}, false}
    , m_main(m_project, m_colors)
    , m_menuStyle(m_project, m_colors, platform.settings, platform.notices)
    , m_buttonStyle(m_project, m_colors, platform.settings, platform.notices)
    , m_recentFiles(platform.settings)
    , m_workspace{m_project,
                  m_main,
                  m_menuStyle,
                  m_buttonStyle,
                  platform.prompt,
                  platform.settings,
                  platform.fileDialogs,
                  m_recentFiles,
                  platform.documentsFolder,
                  platform.fileOps}
    , m_projectCommands(m_workspace)
    , m_code(m_main, m_menuStyle, m_buttonStyle, platform)
    , m_help(platform) {
    if (platform.recovery) {
        m_recovery = std::make_unique<Recovery>(m_workspace, *platform.recovery);
    }
    const auto changed = [this] {
        if (m_recovery) {
            m_recovery->Changed();
        }
        // A load's many changes make no steps, and the history copies nothing until it ends.
        if (!m_projectCommands.running()) {
            m_history.Changed();
        }
    };
    m_main.AddListener(changed);
    m_menuStyle.AddListener(changed);
    m_buttonStyle.AddListener(changed);
    m_projectCommands.SetDoneCallback([this](ProjectChange change) {
        if (m_recovery) {
            m_recovery->CommandDone(change == ProjectChange::Renewed);
        }
        m_history.CommandDone(change);
    });
}

void Session::StartUp(const std::string& argument) {
    m_main.SetButtonType(0);
    m_main.SetNavigateMode(0);
    m_project.HasProjectFile = false;
    FillFontLists(m_platform.fonts, m_menuStyle, m_buttonStyle);
    m_main.SetAlignToButton(1);

    // The menu shows the stored entries before a command-line load adds to them; else that
    // load, finding no entry shown, would overwrite the newest one instead of moving it down.
    m_recentFiles.RebuildRecentMenu();
    const bool restored = m_recovery && m_recovery->OfferLeftWork();
    const bool opened = restored || (!argument.empty() && OpenCommandLineProject(argument));
    if (!opened) {
        m_main.SetTarget(0);
        m_main.SetStandardsCode(1);
    }

    // MainForm starts with its colour fields taken from their first swatches and the
    // "Default Color" click run; a load repaints the swatches, so the fields are taken anew.
    if (opened) {
        for (int i = 0; i < 2; ++i) {
            m_main.SetColorText(i,
                                ColorToHex(TranslateSystemColor(m_main.txtclr(i).swatchColor())));
        }
        m_main.RunDefaultColorClick();
    }

    CommitStyleWindow("mnu", m_menuStyle, m_buttonStyle);
    CommitStyleWindow("bttn", m_menuStyle, m_buttonStyle);
    if (m_recovery) {
        m_recovery->Start();
    }
    m_history.Start();
}

bool Session::Close() {
    if (!m_projectCommands.ConfirmClose()) {
        return false;
    }
    if (m_recovery) {
        m_recovery->Closed();
    }
    m_menuStyle.Unload();
    m_buttonStyle.Unload();
    ShutDown();
    return true;
}

void Session::CloseOnSignal() {
    if (m_recovery) {
        m_recovery->KeepForNextStart();
    }
    m_menuStyle.Unload();
    m_buttonStyle.Unload();
    ShutDown();
}

bool Session::OpenCommandLineProject(const std::string& argument) {
    if (EndsInPkw(argument) && IsFile(argument)) {
        // A path relative to the folder the program was started in would mean another file,
        // or none, once stored as the last folder and among the recent files.
        LoadProject(m_workspace, AbsolutePath(argument));
        return true;
    }
    Message invalid;
    invalid.title = "Oops!";
    invalid.text = "\"" + argument + InvalidArgumentText;
    invalid.icon = MessageIcon::Warning;
    m_platform.prompt.Show(invalid);
    return false;
}

// A ".." stays: after a link it leads out of the link's target, which dropping it together
// with the step before would not.
std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    if (error) {
        return path;
    }
    std::filesystem::path result;
    for (const std::filesystem::path& step : full) {
        if (step != "." && !step.empty()) {
            result /= step;
        }
    }
    return result.string();
}

} // namespace pickwell
