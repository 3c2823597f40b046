#pragma once

#include "persistence/TextFile.h"
#include "platform/Clipboard.h"
#include "platform/CodeWindowDialog.h"
#include "platform/ColorDialog.h"
#include "platform/FileDialogs.h"
#include "platform/FontList.h"
#include "platform/HelpViewer.h"
#include "platform/HelpWindowsDialog.h"
#include "platform/NoticeDialog.h"
#include "platform/Prompt.h"
#include "platform/RecoveryPlatform.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/TempFolder.h"

#include <string>

namespace pickwell {

// Everything outside the program that one run talks to. The window mode fills it with the
// desktop's services; the command line and the tests with their own.
struct PlatformServices {
    Prompt& prompt;
    ColorDialog& colorDialog;
    SettingsStore& settings;
    FontList& fonts;
    FileDialogs& fileDialogs;
    Clipboard& clipboard;
    Shell& shell;
    TempFolder& tempFolder;
    NoticeDialog& notices;
    CodeWindowDialog& codeWindow;
    HelpViewer& help;
    HelpWindowsDialog& helpWindows;
    // The program file's folder, ending in "/": where the help and tips files are found.
    std::string programFolder;
    // The user's documents folder, ending in "/": where the file dialogs open first.
    std::string documentsFolder;
    // How project and code files are written; tests make a step fail here.
    FileOps& fileOps = SystemFileOps();
    // Where unsaved work is kept for the next start; none for the command line.
    RecoveryPlatform* recovery = nullptr;
};

} // namespace pickwell
