#include "app/ImportCommands.h"

#include "app/SaveLoadDialogs.h"
#include "import/ImportForm.h"
#include "model/MainForm.h"
#include "platform/FileDialogs.h"
#include "platform/ImportWindowDialog.h"
#include "platform/Prompt.h"

namespace pickwell {

ImportCommands::ImportCommands(MainForm& main, FileDialogs& dialogs, ImportWindowDialog& window,
                               Prompt& prompt, std::string documentsFolder)
    : m_main(main)
    , m_dialogs(dialogs)
    , m_window(window)
    , m_prompt(prompt)
    , m_documentsFolder(std::move(documentsFolder)) {}

void ImportCommands::ImportItems() {
    const std::string& projectPath = m_main.project().ProjectPath;
    const std::string folder = projectPath.empty() ? m_documentsFolder : FolderOf(projectPath);
    const std::string path = ShowOpenDialog(m_dialogs, Filter, Title, folder);
    if (path.empty()) {
        return;
    }
    const std::optional<std::string> bytes = ReadImportFile(path);
    if (!bytes) {
        Message message;
        message.title = "Oops!";
        message.text = "Could not read \"" + FileNamePart(path) + "\".";
        message.icon = MessageIcon::Warning;
        m_prompt.Show(message);
        return;
    }
    ImportForm form(path, *bytes);
    m_window.ShowModal(form);
    if (form.accepted()) {
        m_main.AppendItems(form.preview());
    }
}

} // namespace pickwell
