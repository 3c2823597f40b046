#include "style/ResetProject.h"

#include "model/MainForm.h"
#include "style/ButtonStyleForm.h"
#include "style/MenuStyleForm.h"
#include "style/StyleTransfer.h"

namespace pickwell {

void ResetProject(MainForm& main, MenuStyleForm& menu, ButtonStyleForm& button) {
    MenuProject& project = main.project();
    project.SilentRestore = true;

    button.RestoreDefaults();
    menu.RestoreDefaults();

    main.SetAlignToButton(1);
    main.SetFrameName("");
    main.SetItemText("");
    main.SetLinkText("");
    main.SetNotLinked(0);

    main.SetButtonType(0);
    main.ApplyButtonKind();

    main.SetButtonText("Go");
    main.SetTarget(0);

    main.SetMenuName("");
    main.SetGraphicUrl("");
    main.SetAltText("");
    main.SetGraphicHeight("");
    main.SetGraphicWidth("");
    // A new menu is for a page written today; classic code is for pages that already use it.
    main.SetStandardsCode(1);
    main.SetListLabel("");
    main.SetShowCurrentPage(0);
    main.SetWideScreenLinks(0);
    main.SetWideScreenWidth(std::string(DefaultWideScreenWidth));

    main.RemoveAllItems();

    main.SetNavigateMode(0);
    main.ApplyNavigateMode(0);

    main.SetWindowTitle("Pickwell");
    main.FocusControl("itemtexttext");

    CommitStyleWindow("mnu", menu, button);
    CommitStyleWindow("bttn", menu, button);

    project.DirtyFlag = false;
    project.SilentRestore = false;
}

} // namespace pickwell
