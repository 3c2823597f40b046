#pragma once

#include "FakeFontList.h"
#include "FakeSettingsStore.h"
#include "ScriptedColorDialog.h"
#include "ScriptedNoticeDialog.h"
#include "ScriptedPrompt.h"
#include "colour/ColorField.h"
#include "model/MenuProject.h"
#include "style/ButtonStyleForm.h"
#include "style/FontLists.h"
#include "style/MenuStyleForm.h"
#include "style/StyleTransfer.h"

#include <string>
#include <vector>

namespace pickwell {

// Both style windows as the program has them after start-up: fonts filled, both committed.
struct StyleWindows {
    explicit StyleWindows(std::vector<std::string> installed = {"Arial", "MS Sans Serif",
                                                                "Courier New", "Verdana"})
        : StyleWindows(FakeFontList(std::move(installed))) {}

    explicit StyleWindows(FakeFontList fonts) {
        FillFontLists(fonts, menu, button);
        CommitStyleWindow("mnu", menu, button);
        CommitStyleWindow("bttn", menu, button);
    }

    // The project counts as saved, so that edits mark it changed.
    void Saved() {
        project.HasProjectFile = true;
        project.DirtyFlag = false;
    }

    MenuProject project;
    ScriptedPrompt prompt;
    ScriptedColorDialog colorDialog;
    ColorFieldContext colors{prompt, colorDialog, {}, false};
    FakeSettingsStore settings;
    ScriptedNoticeDialog notices;
    MenuStyleForm menu{project, colors, settings, notices};
    ButtonStyleForm button{project, colors, settings, notices};
};

} // namespace pickwell
