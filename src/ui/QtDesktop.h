#pragma once

#include "app/DocumentsFolder.h"
#include "app/HelpTopics.h"
#include "app/PlatformServices.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtColorDialog.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtFontList.h"
#include "platform/qt/QtPrompt.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtTempFolder.h"
#include "ui/QtCodeWindowDialog.h"
#include "ui/QtHelpViewer.h"
#include "ui/QtHelpWindowsDialog.h"
#include "ui/QtNoticeDialog.h"

#include <string>

namespace pickwell {

// Every service the window mode asks of the desktop, over Qt, with the user's documents folder.
// `fonts` stands in for the installed fonts when given.
struct QtDesktop {
    explicit QtDesktop(std::string programFolder, FontList* fonts = nullptr)
        : help(DataFolder(programFolder) + "help/")
        , services{prompt,
                   colorDialog,
                   settings,
                   fonts ? *fonts : installedFonts,
                   fileDialogs,
                   clipboard,
                   shell,
                   tempFolder,
                   notices,
                   codeWindow,
                   help,
                   helpWindows,
                   std::move(programFolder),
                   DocumentsFolder(XdgFoldersFromEnvironment())} {
        prompt.SetHelpHandler([this](const std::string& topic) { help.ShowTopic(topic); });
    }
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;

    QtPrompt prompt;
    QtColorDialog colorDialog;
    QtSettingsStore settings;
    QtFontList installedFonts;
    QtFileDialogs fileDialogs;
    QtClipboard clipboard;
    QtShell shell;
    QtTempFolder tempFolder;
    QtNoticeDialog notices;
    QtCodeWindowDialog codeWindow;
    QtHelpViewer help;
    QtHelpWindowsDialog helpWindows;
    PlatformServices services;
};

} // namespace pickwell
