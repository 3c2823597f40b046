#include "app/AboutForm.h"

#include "app/HelpCommands.h"
#include "codegen/MenuCode.h"
#include "platform/Shell.h"

namespace pickwell {

std::string AboutForm::BuildText() {
    return "Pickwell for Linux, made with Qt 6.";
}

std::string AboutForm::SupportMailTarget() {
    return std::string("mailto:") + SupportMailAddress + "?subject=Pickwell Support";
}

void AboutForm::OpenWebSite() {
    m_shell.OpenWithShell(MakerWebAddress);
}

void AboutForm::OpenSupportMail() {
    m_shell.OpenWithShell(SupportMailTarget());
}

void AboutForm::Ok() {
    ChangeScope scope(*this);
    m_closed = true;
}

} // namespace pickwell
