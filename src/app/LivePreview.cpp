#include "app/LivePreview.h"

#include "codegen/CodeCheck.h"
#include "codegen/MenuCode.h"
#include "model/MainForm.h"
#include "platform/FontList.h"
#include "style/ButtonStyleForm.h"
#include "style/MenuStyleForm.h"
#include "style/StyleTransfer.h"

#include <optional>

namespace pickwell {

LivePreview::LivePreview(MainForm& main, MenuStyleForm& menu, ButtonStyleForm& button,
                         FontList& fonts, std::string fallbackFolder)
    : m_main(main)
    , m_menu(menu)
    , m_button(button)
    , m_fonts(fonts)
    , m_fallbackFolder(std::move(fallbackFolder)) {}

PreviewPage LivePreview::Page(PreviewSubject subject) {
    const MenuProject& committed = m_main.project();
    // Only a style window's preview needs a project of its own; the main pane shows the one.
    std::optional<MenuProject> working;
    if (subject == PreviewSubject::MenuStyle) {
        working.emplace(committed).menuStyle = WorkingMenuStyle(m_menu);
    } else if (subject == PreviewSubject::ButtonStyle) {
        working.emplace(committed).buttonStyle = WorkingButtonStyle(m_button);
    }
    const MenuProject& project = working ? *working : committed;

    PreviewPage page;
    if (const CodeCheck check = ValidateForCode(project); !check.passed()) {
        page.problem = check.message.text;
    }
    const MenuCode code =
        GenerateMenuCode(project, OutputMode::File, [this](const std::string& family) {
            return m_fonts.GenericFamily(family);
        });
    page.encoding = code.encoding;
    for (const std::string_view piece : code.DocumentPieces()) {
        AppendPageText(page.bytes, piece, code.encoding);
    }
    const std::string& path = committed.ProjectPath;
    const std::size_t slash = path.rfind('/');
    page.baseFolder = committed.HasProjectFile && slash != std::string::npos
                          ? path.substr(0, slash + 1)
                          : m_fallbackFolder;
    return page;
}

} // namespace pickwell
