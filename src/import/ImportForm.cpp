#include "import/ImportForm.h"

namespace pickwell {

ImportForm::ImportForm(std::string path, std::string bytes)
    : m_path(std::move(path))
    , m_bytes(std::move(bytes))
    , m_format(GuessImportFormat(m_path, m_bytes)) {
    Parse();
}

const std::vector<std::string>& ImportForm::FormatCaptions() {
    static const std::vector<std::string> captions{"Site navigation (HTML page)", "Sitemap (XML)",
                                                   "Browser bookmarks (HTML export)",
                                                   "Spreadsheet (CSV)"};
    return captions;
}

void ImportForm::SetFormat(ImportFormat format) {
    if (format == m_format) {
        return;
    }
    ChangeScope scope(*this);
    m_format = format;
    Parse();
}

void ImportForm::SetList(int index) {
    if (index < 0 || index >= static_cast<int>(m_listChoices.size()) || index == m_listIndex) {
        return;
    }
    ChangeScope scope(*this);
    m_listIndex = index;
    m_parsed = m_page->ItemsOf(index);
}

void ImportForm::Parse() {
    if (m_format != ImportFormat::Nav) {
        m_parsed = ParseImport(m_format, m_bytes, m_path, "");
        return;
    }
    if (!m_page) {
        m_page = std::make_unique<NavPage>(m_bytes);
        for (const PageList& list : m_page->lists()) {
            m_listChoices.push_back(list.firstItems.empty() ? list.name
                                                            : list.name + ": " + list.firstItems);
        }
        m_listIndex = m_page->preferredList();
    }
    m_parsed = m_page->ItemsOf(m_listIndex);
}

std::string ImportForm::statusText() const {
    if (!m_parsed.ok()) {
        return m_parsed.error;
    }
    const std::size_t count = m_parsed.items.size();
    return count == 1 ? "1 item will be added to the end of the list."
                      : std::to_string(count) + " items will be added to the end of the list.";
}

void ImportForm::Accept() {
    if (!okEnabled()) {
        return;
    }
    ChangeScope scope(*this);
    m_accepted = true;
    m_closed = true;
}

void ImportForm::Cancel() {
    ChangeScope scope(*this);
    m_closed = true;
}

} // namespace pickwell
