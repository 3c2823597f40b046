#pragma once

#include "codegen/MenuCode.h"
#include "persistence/TextFile.h"
#include "platform/TempFolder.h"

#include <string>

namespace pickwell {

// Writes the pages of a preview into `folder` (ending in "/"): the second-frame page and the
// frameset page when the code has them, then the preview page. Stops at the first failure.
WriteResult WritePreviewPages(const std::string& folder, const MenuCode& code,
                              FileOps& ops = SystemFileOps());

// The folder this run's previews go into: created on the first preview inside the temporary
// folder, with a name nobody can guess and room for this user only, so that nothing another
// user placed in the shared temporary folder is ever written through.
class PreviewFolder {
public:
    explicit PreviewFolder(TempFolder& temp)
        : m_temp(temp) {}
    ~PreviewFolder() = default;
    PreviewFolder(const PreviewFolder&) = delete;
    PreviewFolder& operator=(const PreviewFolder&) = delete;

    // Writes the pages (each readable by this user only) and gives the page to open: the
    // frameset page when there is one, else the preview page.
    struct Result {
        WriteResult write;
        std::string pageToOpen;
    };
    Result Write(const MenuCode& code);

    // "" until the first preview of the run; ends in "/".
    const std::string& path() const { return m_path; }

    // Removes the preview pages and the folder; errors are passed over.
    void CleanUp();

private:
    WriteResult EnsureFolder();

    TempFolder& m_temp;
    std::string m_path;
};

} // namespace pickwell
