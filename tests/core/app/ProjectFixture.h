#pragma once

#include "FailingFileOps.h"
#include "FakeFontList.h"
#include "FakeSettingsStore.h"
#include "ScriptedColorDialog.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedNoticeDialog.h"
#include "ScriptedPrompt.h"
#include "TempDir.h"
#include "app/ProjectCommands.h"
#include "app/RecentFiles.h"
#include "app/Workspace.h"
#include "model/MainForm.h"
#include "style/ButtonStyleForm.h"
#include "style/FontLists.h"
#include "style/MenuStyleForm.h"
#include "style/StyleTransfer.h"

#include <gtest/gtest.h>

namespace pickwell {

// What the program writes for a heading, a coloured linked item and a selected unlinked item
// with every option as the program starts.
inline constexpr const char* ThreeItemFile =
    "Pickwell Project File (Do not edit manually)\r\n"
    "[Items]\r\nicount=3\r\n"
    "Item 1=Fruit\r\nItem 2=   Apple\r\nItem 3=   Pear\r\n"
    "[URLS]\r\nURL 1=\r\nURL 2=apple.html\r\nURL 3=\r\n"
    "[Linked]\r\n1=No\r\n2=Yes\r\n3=No\r\n"
    "[ItemColors]\r\n"
    "Backcolor 1=Default\r\nTextcolor 1=Default\r\nIsHeading 1=Yes\r\n"
    "Backcolor 2=#FF0000\r\nTextcolor 2=#00FF00\r\nIsHeading 2=No\r\n"
    "Backcolor 3=Default\r\nTextcolor 3=Default\r\nIsHeading 3=No\r\n"
    "[Selected]\r\nSelectedItem=3\r\n"
    "[Menu Options]\r\n"
    "Navigate=0\r\nAlign to Button=1\r\nTarget=0\r\n"
    "Frame Name=\r\nMenu Name=MyMenu\r\n"
    "[Adv Menu Opts]\r\n"
    "Text Color=#000000\r\nBG Color=#FFFFFF\r\n"
    "System Menu Colors=1\r\nFont=MS Sans Serif\r\nFont Size=13\r\n"
    "Font Weight=500\r\nUnderline=0\r\nItalics=0\r\nWidth=\r\n"
    "Constrain Width=1\r\n"
    "[Button Options]\r\n"
    "Button Type=0\r\nButton Text=Go\r\nButton Graphic URL=\r\n"
    "Button Graphic Wdth=\r\nButton Graphic Ht=\r\nAlt Text=\r\n"
    "[Adv Button Opts]\r\n"
    "Color 0=#000000\r\nColor 1=#C0C0C0\r\nColor 2=#FFFFFF\r\n"
    "Color 3=#FFFFFF\r\nColor 4=#808080\r\nColor 5=#808080\r\n"
    "Synch Left and Top=1\r\nSynch Right and Bottom=1\r\nBorder=1\r\n"
    "System Button Colors=1\r\nFont=MS Sans Serif\r\nFont Size=13\r\n"
    "Font Weight=500\r\nUnderline=0\r\nItalics=0\r\nHeight=\r\n"
    "Width=\r\nBorder Thickness=\r\nConstrain Button Size=1\r\n";

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
    ColorFieldContext colors{prompt, colorDialog, {}, false};
    MainForm main{project, colors};
    MenuStyleForm menuStyle{project, colors, settings, notices};
    ButtonStyleForm buttonStyle{project, colors, settings, notices};
    RecentFiles recent{settings};
    Workspace workspace{project,     main,   menuStyle,
                        buttonStyle, prompt, settings,
                        dialogs,     recent, "/home/ann/Documents/",
                        fileOps};
};

} // namespace pickwell
