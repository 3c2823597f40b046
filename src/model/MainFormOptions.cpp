// MainForm: the menu and button options of the main window's option pages.
#include "model/MainForm.h"

namespace pickwell {

void MainForm::SetOptionText(std::string& field, const std::string& text, const char* name) {
    if (field == text) {
        return;
    }
    ChangeScope scope(*this);
    NameEdit(name, true);
    field = text;
    if (m_project.HasProjectFile) {
        m_project.DirtyFlag = true;
    }
}

// The standards-compliant code's check boxes: each may enable or disable the others' controls.
void MainForm::SetOptionCheck(int& field, int value, const char* name) {
    if (field == value) {
        return;
    }
    ChangeScope scope(*this);
    NameEdit(name);
    field = value;
    ApplyStandardsOptions();
    if (m_project.HasProjectFile) {
        m_project.DirtyFlag = true;
    }
}

void MainForm::SetMenuName(const std::string& text) {
    if (m_project.menuOptions.menuName == text) {
        return;
    }
    ChangeScope scope(*this);
    NameEdit("Menu Name", true);
    m_project.menuOptions.menuName = text;
    m_project.DirtyFlag = true;
}

void MainForm::SetNavigateMode(int index) {
    ChangeScope scope(*this);
    NameEdit("Navigation");
    m_project.menuOptions.navigateMode = index;
    ApplyNavigateMode(index);
}

void MainForm::SetAlignToButton(int position) {
    ChangeScope scope(*this);
    NameEdit("Align to Button");
    m_project.menuOptions.alignToButton = position;
}

void MainForm::SetTarget(int position) {
    ChangeScope scope(*this);
    NameEdit("Target of Links");
    m_project.menuOptions.target = position;
    ApplyLinkTarget();
}

void MainForm::SetFrameName(const std::string& text) {
    SetOptionText(m_project.menuOptions.frameName, text, "Frame Name");
}

void MainForm::SetButtonType(int kind) {
    ChangeScope scope(*this);
    NameEdit("Kind of Button");
    m_project.buttonOptions.buttonType = kind;
    ApplyButtonKind();
}

void MainForm::SetButtonText(const std::string& text) {
    ChangeScope scope(*this);
    NameEdit("Button Text", true);
    m_project.buttonOptions.buttonText = text;
}

void MainForm::SetGraphicUrl(const std::string& text) {
    SetOptionText(m_project.buttonOptions.graphicUrl, text, "Button Graphic");
}

void MainForm::SetGraphicWidth(const std::string& text) {
    SetOptionText(m_project.buttonOptions.graphicWidth, text, "Graphic Width");
}

void MainForm::SetGraphicHeight(const std::string& text) {
    SetOptionText(m_project.buttonOptions.graphicHeight, text, "Graphic Height");
}

void MainForm::SetAltText(const std::string& text) {
    SetOptionText(m_project.buttonOptions.altText, text, "Alt Text");
}

void MainForm::SetStandardsCode(int value) {
    SetOptionCheck(m_project.menuOptions.standardsCode, value, "Standards-compliant Code");
}

void MainForm::SetListLabel(const std::string& text) {
    SetOptionText(m_project.menuOptions.listLabel, text, "List Label");
}

void MainForm::SetShowCurrentPage(int value) {
    SetOptionCheck(m_project.menuOptions.showCurrentPage, value, "Show the Current Page");
}

void MainForm::SetWideScreenLinks(int value) {
    SetOptionCheck(m_project.menuOptions.wideScreenLinks, value, "Links on Wide Screens");
}

void MainForm::SetWideScreenWidth(const std::string& text) {
    SetOptionText(m_project.menuOptions.wideScreenWidth, text, "Wide Screen Width");
}

void MainForm::ApplyStandardsOptions() {
    const MenuOptions& menu = m_project.menuOptions;
    const bool standards = menu.standardsCode == 1;
    m_options.lbllistlbl = m_options.txtlistlbl = standards;
    m_options.chkcurpage = m_options.chkwidelinks = standards;
    m_options.lblwidewdth = m_options.txtwidewdth = standards && menu.wideScreenLinks == 1;
}

void MainForm::ApplyButtonKind() {
    ChangeScope scope(*this);
    if (m_project.HasProjectFile) {
        m_project.DirtyFlag = true;
    }
    const bool graphic = m_project.buttonOptions.buttonType == 1;
    const bool standard = m_project.buttonOptions.buttonType == 0;
    m_options.buttngrurl = m_options.buttngrurllbl = graphic;
    m_options.txtw = m_options.lblw = graphic;
    m_options.txth = m_options.lblh = graphic;
    m_options.txtalt = m_options.lblalt = graphic;
    m_options.buttontxttxt = m_options.buttontxtlbl = m_options.cmdBttnAdv = standard;
}

void MainForm::ApplyNavigateMode(int index) {
    ChangeScope scope(*this);
    if (m_project.HasProjectFile) {
        m_project.DirtyFlag = true;
    }
    const bool onButton = m_project.menuOptions.navigateMode == 0;
    m_options.lblbttnaln = m_options.cmbbttnaln = onButton;
    m_options.buttontxttxt = m_options.buttontxtlbl = m_options.cmdBttnAdv = onButton;
    m_options.buttngrurl = m_options.buttngrurllbl = onButton;
    m_options.txtw = m_options.lblw = onButton;
    m_options.txth = m_options.lblh = onButton;
    m_options.txtalt = m_options.lblalt = onButton;
    m_options.buttonpropopt = onButton;
    m_options.buttonPropertiesPage = onButton;
    if (index == 0) {
        ApplyButtonKind();
    }
}

void MainForm::ApplyLinkTarget() {
    ChangeScope scope(*this);
    if (m_project.menuOptions.target == TargetDifferentFrame) {
        m_options.lblfrm = m_options.txtfrm = true;
    } else {
        SetFrameName("");
        m_options.lblfrm = m_options.txtfrm = false;
    }
    if (m_project.HasProjectFile) {
        m_project.DirtyFlag = true;
    }
}

void MainForm::RestoreOptions(const MenuOptions& menu, const ButtonOptions& button) {
    ChangeScope scope(*this);
    m_project.menuOptions = menu;
    m_project.buttonOptions = button;
    // The button's kind first: another way of navigating disables its controls again.
    ApplyButtonKind();
    ApplyNavigateMode(menu.navigateMode);
    m_options.lblfrm = m_options.txtfrm = menu.target == TargetDifferentFrame;
    ApplyStandardsOptions();
}

} // namespace pickwell
