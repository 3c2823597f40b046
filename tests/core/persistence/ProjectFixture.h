#pragma once

#include "FailingFileOps.h"
#include "FakeFontList.h"
#include "FakeSettingsStore.h"
#include "ScriptedColorDialog.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedNoticeDialog.h"
#include "ScriptedPrompt.h"
#include "TempDir.h"
#include "model/MainForm.h"
#include "persistence/ProjectFile.h"
#include "persistence/RecentFiles.h"
#include "persistence/Workspace.h"
#include "style/ButtonStyleForm.h"
#include "style/FontLists.h"
#include "style/MenuStyleForm.h"
#include "style/StyleTransfer.h"

#include <gtest/gtest.h>

namespace pickwell {

// The program as it stands after start-up, with scripted dialogs and files in a fresh folder.
class ProjectFixture : public ::testing::Test {
protected:
    ProjectFixture() {
        main.SetButtonType(0);
        main.SetNavigateMode(0);
        FillFontLists(fonts, menuStyle, buttonStyle);
        main.SetAlignToButton(1);
        main.SetTarget(0);
        CommitStyleWindow("mnu", menuStyle, buttonStyle);
        CommitStyleWindow("bttn", menuStyle, buttonStyle);
    }

    static MenuItem Item(std::string text, std::string linked, std::string url,
                         std::string heading = "No") {
        MenuItem item;
        item.text = std::move(text);
        item.linked = std::move(linked);
        item.url = std::move(url);
        item.isHeading = std::move(heading);
        return item;
    }

    // Saves through the save dialog, which answers `path`.
    SaveResult SaveAs(const std::string& path) {
        dialogs.saveAnswers.push_back(path);
        return SaveProject(workspace);
    }

    TempDir dir;
    ScriptedPrompt prompt;
    ScriptedColorDialog colorDialog;
    FakeSettingsStore settings;
    ScriptedNoticeDialog notices;
    ScriptedFileDialogs dialogs;
    FakeFontList fonts{{"Verdana", "MS Sans Serif", "Arial"}};
    FailingFileOps fileOps;
    MenuProject project;
    ColourFieldContext colours{prompt, colorDialog, {}, false};
    MainForm main{project, colours};
    MenuStyleForm menuStyle{project, colours, settings, notices};
    ButtonStyleForm buttonStyle{project, colours, settings, notices};
    RecentFiles recent{settings};
    Workspace workspace{project,  main,    menuStyle, buttonStyle,      prompt,
                        settings, dialogs, recent,    "/opt/pickwell/", fileOps};
};

} // namespace pickwell
