// The item list's commands that act on the selected rows: Move Up, Move Down, a drop, Delete.
// One selected row keeps the rules it always had; several take them row by row.
#include "model/MainForm.h"

#include <algorithm>
#include <cstdlib>

namespace pickwell {

std::vector<int> MainForm::selectedRows() const {
    if (m_selectedRows.size() > 1) {
        return m_selectedRows;
    }
    return m_currentRow == 0 ? std::vector<int>{} : std::vector<int>{m_currentRow};
}

std::vector<int> MainForm::ValidRows(std::vector<int> rows) const {
    std::erase_if(rows, [this](int row) { return row < 1 || row > rowCount(); });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void MainForm::SelectRows(int current, std::vector<int> rows) {
    ChangeScope scope(*this);
    if (current >= 1 && current <= rowCount()) {
        m_currentRow = current;
    }
    m_selectedRows = ValidRows(std::move(rows));
    if (m_selectedRows.size() < 2) {
        m_selectedRows.clear();
    }
    RefreshCommandStates();
}

void MainForm::RestoreRows(std::vector<MenuItem> items, int current, std::vector<int> selected) {
    ChangeScope scope(*this);
    const int removed = rowCount();
    if (m_rowsObserver && removed > 0) {
        m_rowsObserver->BeforeRowsRemoved(1, removed);
    }
    m_project.items.clear();
    if (m_rowsObserver && removed > 0) {
        m_rowsObserver->AfterRowsRemoved();
    }
    const int count = static_cast<int>(items.size());
    if (m_rowsObserver && count > 0) {
        m_rowsObserver->BeforeRowsInserted(1, count);
    }
    m_project.items = std::move(items);
    if (m_rowsObserver && count > 0) {
        m_rowsObserver->AfterRowsInserted();
    }
    m_currentRow = current >= 1 && current <= count ? current : std::min(count, 1);
    m_selectedRows = ValidRows(std::move(selected));
    if (m_selectedRows.size() < 2) {
        m_selectedRows.clear();
    }
    RefreshCommandStates();
}

void MainForm::MoveUp() {
    if (m_selectedRows.size() > 1) {
        MoveRows(m_selectedRows, -1);
        return;
    }
    if (m_currentRow <= 1) {
        return;
    }
    MoveCurrentRow(m_currentRow - 1);
}

void MainForm::MoveDown() {
    if (m_selectedRows.size() > 1) {
        MoveRows(m_selectedRows, 1);
        return;
    }
    if (m_currentRow == 0 || m_currentRow >= rowCount()) {
        return;
    }
    MoveCurrentRow(m_currentRow + 2);
}

void MainForm::MoveCurrentRow(int insertAt) {
    ChangeScope scope(*this);
    NameEdit(insertAt < m_currentRow ? "Move Up" : "Move Down");
    // A reordered list is unsaved work like an added row; closing must not drop it unasked.
    m_project.DirtyFlag = true;
    FocusControl("lv");
    SetCurrentRow(MoveRow(m_currentRow, insertAt));
}

// One place up (`by` < 0) or down; the current row stays current wherever it goes.
int MainForm::StepRow(int from, int by) {
    const bool current = from == m_currentRow;
    const int to = MoveRow(from, by < 0 ? from - 1 : from + 2);
    if (current) {
        m_currentRow = to;
    }
    return to;
}

void MainForm::MoveRows(std::vector<int> rows, int by) {
    rows = ValidRows(std::move(rows));
    if (rows.empty() || by == 0 || rows.front() + by < 1 || rows.back() + by > rowCount()) {
        return;
    }
    ChangeScope scope(*this);
    NameEdit(by < 0 ? "Move Up" : "Move Down");
    m_project.DirtyFlag = true;
    FocusControl("lv");
    // Upwards the top row goes first and downwards the bottom one, so that no row of the
    // block passes another.
    for (int press = 0; press < std::abs(by); ++press) {
        if (by < 0) {
            for (int& row : rows) {
                row = StepRow(row, by);
            }
        } else {
            for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
                *row = StepRow(*row, by);
            }
        }
    }
    m_selectedRows = rows.size() > 1 ? rows : std::vector<int>{};
    RefreshCommandStates();
}

void MainForm::MoveRowsTo(std::vector<int> rows, int destination) {
    rows = ValidRows(std::move(rows));
    if (rows.empty() || destination < 1 || destination > rowCount() + 1) {
        return;
    }
    const int above =
        static_cast<int>(std::lower_bound(rows.begin(), rows.end(), destination) - rows.begin());
    const int first = destination - above; // where the first row lands
    bool moves = false;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        moves = moves || rows[i] != first + i;
    }
    if (!moves) {
        return;
    }
    ChangeScope scope(*this);
    NameEdit("Move");
    m_project.DirtyFlag = true;
    FocusControl("lv");
    // The dragged rows are the user's choice, as rows clicked before pressing a button are.
    if (!std::binary_search(rows.begin(), rows.end(), m_currentRow)) {
        m_currentRow = rows.front();
    }
    // The rows above the place go down, the lowest first; then the rows below come up, the
    // highest first. Each passes unselected rows only, as one row moved by the buttons would.
    for (int i = above - 1; i >= 0; --i) {
        while (rows[i] < first + i) {
            rows[i] = StepRow(rows[i], 1);
        }
    }
    for (int i = above; i < static_cast<int>(rows.size()); ++i) {
        while (rows[i] > first + i) {
            rows[i] = StepRow(rows[i], -1);
        }
    }
    m_selectedRows = rows.size() > 1 ? rows : std::vector<int>{};
    RefreshCommandStates();
}

void MainForm::DeleteItem() {
    if (m_selectedRows.size() > 1) {
        DeleteRows(m_selectedRows);
        return;
    }
    if (m_currentRow == 0) {
        return;
    }
    DeleteRows({m_currentRow});
}

void MainForm::DeleteRows(std::vector<int> rows) {
    rows = ValidRows(std::move(rows));
    if (rows.empty()) {
        return;
    }
    ChangeScope scope(*this);
    Message question;
    question.title = "Confirm Delete";
    question.text = rows.size() == 1
                        ? "Delete selected item?"
                        : "Delete the " + std::to_string(rows.size()) + " selected items?";
    question.icon = MessageIcon::Question;
    question.buttons = MessageButtons::YesNo;
    question.defaultButton = Button::Yes;
    if (Ask(question) == Button::Yes) {
        NameEdit("Delete");
        m_project.DirtyFlag = true;
        FocusControl("lv");
        // From the bottom up, so that the rows still to go keep their places.
        for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
            RemoveRow(*row);
        }
        m_selectedRows.clear();
        RefreshCommandStates();
    }
}

} // namespace pickwell
