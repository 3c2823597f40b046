#pragma once

#include "import/ImportSource.h"
#include "import/NavPage.h"
#include "model/FormControls.h"

#include <memory>
#include <string>
#include <vector>

namespace pickwell {

// The Import Items window: the file's format (guessed, and changeable), for a page the choice
// of its lists, a preview of the items that will be added and OK/Cancel. It lives for one
// import; OK is open only while the file parses to at least one item.
class ImportForm : public FormModel {
public:
    static constexpr const char* Caption = "Import Items";

    // `bytes` is the file at `path`, already read.
    ImportForm(std::string path, std::string bytes);

    // The format list's entries, in ImportFormat's order.
    static const std::vector<std::string>& FormatCaptions();

    const std::string& path() const { return m_path; }
    ImportFormat format() const { return m_format; }
    void SetFormat(ImportFormat format);

    // The page's lists as "nav#main: Home, About, Contact"; open for a page only.
    const std::vector<std::string>& listChoices() const { return m_listChoices; }
    bool listEnabled() const { return m_format == ImportFormat::Nav && !m_listChoices.empty(); }
    int listIndex() const { return m_listIndex; }
    void SetList(int index);

    // What OK adds; empty when the file could not be used.
    const std::vector<ItemEntry>& preview() const { return m_parsed.items; }
    // The parse's message, or how many items OK adds.
    std::string statusText() const;
    bool failed() const { return !m_parsed.ok(); }
    bool okEnabled() const { return m_parsed.ok() && !m_parsed.items.empty(); }

    void Accept();
    void Cancel();
    bool closed() const { return m_closed; }
    bool accepted() const { return m_accepted; }

private:
    void Parse();

    std::string m_path;
    std::string m_bytes;
    ImportFormat m_format;
    std::unique_ptr<NavPage> m_page; // parsed once, when the page format is first chosen
    std::vector<std::string> m_listChoices;
    int m_listIndex = -1;
    ImportedItems m_parsed;
    bool m_closed = false;
    bool m_accepted = false;
};

} // namespace pickwell
