#include "app/CodeCommands.h"

#include "app/SaveLoadDialogs.h"
#include "codegen/CodeCheck.h"
#include "codegen/CodeWindowForm.h"
#include "codegen/SiteCode.h"
#include "model/MainForm.h"
#include "persistence/TextFile.h"
#include "style/StyleTransfer.h"

namespace pickwell {

CodeCommands::CodeCommands(MainForm& main, MenuStyleForm& menu, ButtonStyleForm& button,
                           PlatformServices& platform)
    : m_main(main)
    , m_menu(menu)
    , m_button(button)
    , m_platform(platform)
    , m_preview(platform.tempFolder) {}

bool CodeCommands::CheckForCode() {
    const CodeCheck check = ValidateForCode(m_main.project());
    if (!check.passed()) {
        m_platform.prompt.Show(check.message);
        m_main.FocusControl(check.focus.control, check.focus.selectionStart,
                            check.focus.selectionLength);
        return false;
    }
    CommitStyleWindow("mnu", m_menu, m_button);
    CommitStyleWindow("bttn", m_menu, m_button);
    return true;
}

GenericFamilyOf CodeCommands::GenericFamily() const {
    return [&fonts = m_platform.fonts](const std::string& family) {
        return fonts.GenericFamily(family);
    };
}

std::optional<MenuCode> CodeCommands::CheckAndGenerate(OutputMode mode) {
    if (!CheckForCode()) {
        return std::nullopt;
    }
    return GenerateMenuCode(m_main.project(), mode, GenericFamily());
}

WriteResult CodeCommands::WriteCodeFile(const std::string& path) {
    return WriteDocumentFile(
        path,
        [this](const TextPieces& out) {
            GenerateMenuDocument(m_main.project(), OutputMode::File, out, GenericFamily());
        },
        PageEncodingOf(m_main.project()), m_platform.fileOps);
}

WriteResult CodeCommands::WriteSiteFiles(const std::string& htmlPath) {
    const std::size_t nameStart = htmlPath.rfind('/') + 1;
    const std::size_t dot = htmlPath.rfind('.');
    const std::string stem =
        dot != std::string::npos && dot > nameStart ? htmlPath.substr(0, dot) : htmlPath;
    const SiteFiles files = GenerateSiteFiles(m_main.project(), GenericFamily(),
                                              std::string_view(stem).substr(nameStart));
    for (const auto& [path, text] :
         {std::pair{stem + ".css", &files.css}, std::pair{stem + ".js", &files.script},
          std::pair{htmlPath, &files.html}}) {
        if (WriteResult written = WriteFileAtomically(path, *text, m_platform.fileOps);
            !written.ok) {
            return written;
        }
    }
    return {};
}

void CodeCommands::CopyCode() {
    const auto code = CheckAndGenerate(OutputMode::Clip);
    if (!code) {
        return;
    }
    CodeWindowForm window(code->functionCode, code->htmlCode, m_platform.clipboard,
                          m_platform.prompt, [this] { SaveCode(); });
    m_platform.codeWindow.ShowModal(window);
}

void CodeCommands::SaveCode() {
    if (!CheckForCode()) {
        return;
    }
    const std::string path = CutAtNul(ShowSaveDialog(
        m_platform.fileDialogs, CodeFileFilter, CodeFileTitle, m_platform.documentsFolder, ""));
    if (path.empty()) {
        return;
    }
    if (const WriteResult written = WriteCodeFile(path); !written.ok) {
        m_platform.prompt.Show(SaveErrorMessage(written.error));
    }
}

void CodeCommands::Preview() {
    const auto code = CheckAndGenerate(OutputMode::Preview);
    if (!code) {
        return;
    }
    const PreviewFolder::Result written = m_preview.Write(*code);
    if (!written.write.ok) {
        m_platform.prompt.Show(SaveErrorMessage(written.write.error));
        return;
    }
    m_platform.shell.OpenWithShell(written.pageToOpen);
}

} // namespace pickwell
