// Items that arrive in bulk (an import) take the rules of Add without passing the editor.
#include "model/MainForm.h"

#include <algorithm>

namespace pickwell {

void MainForm::AppendItems(const std::vector<ItemEntry>& entries) {
    if (entries.empty()) {
        return;
    }
    ChangeScope scope(*this);
    NameEdit("Import");
    m_project.DirtyFlag = true;
    // Rows are only appended, so one look up the list settles the indent of every new row,
    // and a large import stays linear.
    bool headingAbove = std::any_of(m_project.items.begin(), m_project.items.end(),
                                    [](const MenuItem& row) { return row.isHeading == "Yes"; });
    const int first = rowCount() + 1;
    const int count = static_cast<int>(entries.size());
    if (m_rowsObserver) {
        m_rowsObserver->BeforeRowsInserted(first, count);
    }
    m_project.items.reserve(m_project.items.size() + entries.size());
    for (const ItemEntry& entry : entries) {
        MenuItem row;
        row.isHeading = entry.heading ? "Yes" : "No";
        row.text = entry.text;
        IndentUnderHeading(row, headingAbove);
        // A heading never carries a link, and an item without one is "Not linked".
        const bool linked = !entry.heading && !entry.link.empty();
        row.linked = linked ? "Yes" : "No";
        row.url = linked ? entry.link : std::string();
        const bool ownColors = !entry.backColor.empty() || !entry.textColor.empty();
        // One colour alone takes the other from where the editor's colour fields start.
        if (ownColors) {
            row.backColor = entry.backColor.empty() ? "#FFFFFF" : entry.backColor;
            row.textColor = entry.textColor.empty() ? "#000000" : entry.textColor;
        }
        m_project.items.push_back(std::move(row));
    }
    if (m_rowsObserver) {
        m_rowsObserver->AfterRowsInserted();
    }
    m_currentRow = rowCount();
    m_selectedRows.clear();
    RefreshCommandStates();
}

} // namespace pickwell
