#pragma once

#include "app/PlatformServices.h"
#include "app/PreviewFolder.h"
#include "codegen/MenuCode.h"
#include "persistence/TextFile.h"

#include <optional>
#include <string>

namespace pickwell {

class ButtonStyleForm;
class MainForm;
class MenuStyleForm;

// The three ways code leaves the program: the code window with its copy buttons ("clip"), a
// code file ("file") and the browser preview ("preview"). Each checks the options first and
// stops at the first omission, with its message shown and the field to fix focused.
class CodeCommands {
public:
    static constexpr const char* CodeFileFilter = "HTML File (*.html)|*.html";
    static constexpr const char* CodeFileTitle = "Save Code to File...";

    CodeCommands(MainForm& main, MenuStyleForm& menu, ButtonStyleForm& button,
                 PlatformServices& platform);

    // Checks, commits both style windows and generates; nothing when a check failed.
    std::optional<MenuCode> CheckAndGenerate(OutputMode mode);
    // Checks and commits both style windows; false when a check failed (reported, with the
    // field to fix focused).
    bool CheckForCode();
    // The code file document of the committed project, written to `path` as it is made.
    WriteResult WriteCodeFile(const std::string& path);
    // The menu as files for a site (SiteFiles): the fragment to `htmlPath`, its style sheet and
    // script beside it under the same stem with ".css" and ".js", each written atomically.
    // Like WriteCodeFile, it follows a passed CheckForCode.
    WriteResult WriteSiteFiles(const std::string& htmlPath);

    void CopyCode();
    void SaveCode();
    void Preview();

    // At closing: removes this run's preview pages and their folder.
    void CleanUpPreview() { m_preview.CleanUp(); }
    const PreviewFolder& previewFolder() const { return m_preview; }

private:
    // The desktop's generic family of a font, for the standards form's font lists.
    GenericFamilyOf GenericFamily() const;

    MainForm& m_main;
    MenuStyleForm& m_menu;
    ButtonStyleForm& m_button;
    PlatformServices& m_platform;
    PreviewFolder m_preview;
};

} // namespace pickwell
