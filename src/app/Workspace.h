#pragma once

#include "persistence/TextFile.h"

#include <string>

namespace pickwell {

class ButtonStyleForm;
class FileDialogs;
class MainForm;
class MenuStyleForm;
class Prompt;
class RecentFiles;
class SettingsStore;
struct MenuProject;

// Everything a project save, load or project command works on: the one project, the windows
// that show it, and the platform services they ask.
struct Workspace {
    MenuProject& project;
    MainForm& main;
    MenuStyleForm& menuStyle;
    ButtonStyleForm& buttonStyle;
    Prompt& prompt;
    SettingsStore& settings;
    FileDialogs& dialogs;
    RecentFiles& recentFiles;
    std::string documentsFolder; // where the dialogs open before a folder is stored; ends in "/"
    FileOps& fileOps = SystemFileOps();
};

} // namespace pickwell
