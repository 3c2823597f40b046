#pragma once

#include "app/CodeCommands.h"
#include "app/EditHistory.h"
#include "app/HelpCommands.h"
#include "app/PlatformServices.h"
#include "app/ProjectCommands.h"
#include "app/RecentFiles.h"
#include "app/Recovery.h"
#include "app/Workspace.h"
#include "colour/ColorField.h"
#include "model/MainForm.h"
#include "model/MenuProject.h"
#include "style/ButtonStyleForm.h"
#include "style/MenuStyleForm.h"

#include <memory>
#include <string>

namespace pickwell {

// The path from the root, without "." steps, so that it names the same file from any folder;
// the path unchanged when the current folder is unknown.
std::string AbsolutePath(const std::string& path);

// One run of the program without its windows: the one project, the form models of the main
// window and both style windows, the recent files and the commands, wired to the platform.
// The window mode shows these forms; the command line drives the same ones.
class Session {
public:
    static constexpr const char* InvalidArgumentText = "\" is not a valid Pickwell Project file.";

    explicit Session(PlatformServices& platform);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The model side of the start-up sequence: default options, both font lists, the offer of
    // work a dead program left, the project named on the command line ("" for none; not loaded
    // when left work was restored), the recent files, the item colour fields and the first
    // commit of both style windows.
    void StartUp(const std::string& argument);

    // The main window's close request: asks "Save Project?" when there are unsaved changes.
    // False when the program is to stay open; otherwise both style windows are unloaded and
    // the preview pages removed, and the main window may go.
    bool Close();
    // The last step of closing, once every window is closed.
    void ShutDown() { m_code.CleanUpPreview(); }
    // Closing without the question, when the system asks the program to end: unsaved work is
    // kept for the next start instead.
    void CloseOnSignal();

    PlatformServices& platform() { return m_platform; }
    MenuProject& project() { return m_project; }
    MainForm& mainForm() { return m_main; }
    MenuStyleForm& menuStyle() { return m_menuStyle; }
    ButtonStyleForm& buttonStyle() { return m_buttonStyle; }
    RecentFiles& recentFiles() { return m_recentFiles; }
    Workspace& workspace() { return m_workspace; }
    ProjectCommands& projectCommands() { return m_projectCommands; }
    CodeCommands& codeCommands() { return m_code; }
    HelpCommands& helpCommands() { return m_help; }
    EditHistory& editHistory() { return m_history; }
    // None when the platform keeps no unsaved work.
    Recovery* recovery() { return m_recovery.get(); }

private:
    // True when the argument named a project file that was then loaded (well or not).
    bool OpenCommandLineProject(const std::string& argument);

    PlatformServices& m_platform;
    MenuProject m_project;
    ColorFieldContext m_colors;
    MainForm m_main;
    MenuStyleForm m_menuStyle;
    ButtonStyleForm m_buttonStyle;
    RecentFiles m_recentFiles;
    Workspace m_workspace;
    ProjectCommands m_projectCommands;
    CodeCommands m_code;
    HelpCommands m_help;
    EditHistory m_history{m_workspace};
    // Only when the platform keeps unsaved work; the command line does not.
    std::unique_ptr<Recovery> m_recovery;
};

} // namespace pickwell
