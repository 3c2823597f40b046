#pragma once

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
#include "ui/QtNoticeDialog.h"

#include <string>

namespace pickwell {

// Every service the window mode asks of the desktop, over Qt. `fonts` stands in for the
// installed fonts when given.
struct QtDesktop {
    explicit QtDesktop(std::string programFolder, FontList* fonts = nullptr)
        : services{prompt,
                   colorDialog,
                   settings,
                   fonts ? *fonts : installedFonts,
                   fileDialogs,
                   clipboard,
                   shell,
                   tempFolder,
                   notices,
                   codeWindow,
                   std::move(programFolder)} {}
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
    PlatformServices services;
};

} // namespace pickwell
