#pragma once

#include "model/FormControls.h"

#include <string>

namespace pickwell {

class Shell;

// The about window FrmAbt: the version, the maker's web site and support mail as links.
class AboutForm : public FormModel {
public:
    static constexpr const char* Caption = "About...";
    static constexpr const char* VersionText = "Version 2.8";
    static constexpr const char* TrademarkText =
        "JavaScript is a trademark or registered trademark of Oracle in the U.S. and other "
        "countries.";
    static constexpr const char* MakerText = "Find more great software from Brackenfield at:";
    static constexpr const char* LicenceText =
        "Pickwell is free to use for your own and your clients' web pages. The menu code it "
        "writes is yours.";

    explicit AboutForm(Shell& shell)
        : m_shell(shell) {}

    // The label whose text the window sets when it opens: what this build is.
    static std::string BuildText();
    static std::string SupportMailTarget();

    void OpenWebSite();
    void OpenSupportMail();
    void Ok();
    bool closed() const { return m_closed; }

private:
    Shell& m_shell;
    bool m_closed = false;
};

} // namespace pickwell
