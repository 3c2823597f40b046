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

namespace {

// The path of the site files' fragment without its extension: the style sheet and the script
// take its name.
std::string SiteFileStem(const std::string& htmlPath) {
    const std::size_t nameStart = htmlPath.rfind('/') + 1;
    const std::size_t dot = htmlPath.rfind('.');
    return dot != std::string::npos && dot > nameStart ? htmlPath.substr(0, dot) : htmlPath;
}

// The style sheet or script beside the fragment that exists and was not made here: an
// author's own file of that name, which the save dialog did not ask about.
std::string ForeignSiteFile(const std::string& stem) {
    for (const std::string& path : {stem + ".css", stem + ".js"}) {
        const ReadResult read = ReadWholeFile(path, 4096);
        const std::string_view bytes = read.bytes;
        if (read.ok && bytes.substr(0, bytes.find('\n')).find(SiteFileMark) == bytes.npos) {
            return path;
        }
    }
    return {};
}

} // namespace

WriteResult CodeCommands::WriteSiteFiles(const std::string& htmlPath) {
    const std::string stem = SiteFileStem(htmlPath);
    const SiteFiles files = GenerateSiteFiles(m_main.project(), GenericFamily(),
                                              std::string_view(stem).substr(stem.rfind('/') + 1));
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
    FileDialogRequest request =
        MakeFileDialogRequest(CodeFileFilter, CodeFileTitle, m_platform.documentsFolder, "");
    if (m_main.project().menuOptions.standardsCode == 1) {
        request.moreTypes.push_back({SiteFilesType, request.filterPattern});
    }
    const SaveChoice choice = m_platform.fileDialogs.ShowSaveDialogOfType(request);
    const std::string path = CutAtNul(choice.path);
    if (path.empty()) {
        return;
    }
    if (choice.type == 1) {
        if (const std::string foreign = ForeignSiteFile(SiteFileStem(path)); !foreign.empty()) {
            Message replace;
            replace.title = CodeFileTitle;
            replace.text = FileNamePart(foreign) +
                           " already exists and was not made by Pickwell.\nDo you want to "
                           "replace it?";
            replace.icon = MessageIcon::Warning;
            replace.buttons = MessageButtons::YesNo;
            replace.defaultButton = Button::No;
            if (m_platform.prompt.Show(replace) != Button::Yes) {
                return;
            }
        }
    }
    if (const WriteResult written = choice.type == 1 ? WriteSiteFiles(path) : WriteCodeFile(path);
        !written.ok) {
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
