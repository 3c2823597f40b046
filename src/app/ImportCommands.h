#pragma once

#include <string>

namespace pickwell {

class FileDialogs;
class ImportWindowDialog;
class MainForm;
class Prompt;

// File > "Import Items...": a file chosen in the open dialog, shown in the Import Items window,
// and on OK its items appended to the list in one step.
class ImportCommands {
public:
    static constexpr const char* Title = "Import Items...";
    static constexpr const char* Filter =
        "Navigation, Sitemap, Bookmarks or CSV (*.html *.htm *.xml *.csv)|*.html *.htm *.xml *.csv";

    // `documentsFolder` (ending in "/") is where the dialog opens for a project never saved.
    ImportCommands(MainForm& main, FileDialogs& dialogs, ImportWindowDialog& window, Prompt& prompt,
                   std::string documentsFolder);

    void ImportItems();

private:
    MainForm& m_main;
    FileDialogs& m_dialogs;
    ImportWindowDialog& m_window;
    Prompt& m_prompt;
    std::string m_documentsFolder;
};

} // namespace pickwell
