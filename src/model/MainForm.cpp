#include "model/MainForm.h"

#include "check/LinkSyntax.h"

#include <algorithm>
#include <iterator>

namespace pickwell {

namespace {

bool Ticked(const CheckControl& box) {
    return box.value == 1;
}

std::string WithoutIndent(const std::string& text) {
    return text.starts_with(HeadingIndent) ? text.substr(HeadingIndent.size()) : text;
}

} // namespace

MainForm::MainForm(MenuProject& project, ColorFieldContext& colors)
    : m_project(project)
    , m_colors(colors)
    , m_txtclr{ColorField(0, ColorFieldVariant::MainWindow, colors, *this, 0xFFFFFF),
               ColorField(1, ColorFieldVariant::MainWindow, colors, *this, 0x000000)} {
    for (ColorField& field : m_txtclr) {
        field.SetText(ColorToHex(TranslateSystemColor(field.swatchColor())));
    }
    RunDefaultColorClick();
    RefreshCommandStates();
}

void MainForm::SetCurrentRow(int row) {
    if (row < 1 || row > rowCount()) {
        return;
    }
    ChangeScope scope(*this);
    m_currentRow = row;
    m_selectedRows.clear();
    RefreshCommandStates();
}

bool MainForm::IsRowBold(int row) const {
    return row >= 1 && row <= rowCount() && m_project.items[row - 1].isHeading == "Yes";
}

void MainForm::RemoveAllItems() {
    ChangeScope scope(*this);
    const int count = rowCount();
    if (m_rowsObserver && count > 0) {
        m_rowsObserver->BeforeRowsRemoved(1, count);
    }
    m_project.items.clear();
    if (m_rowsObserver && count > 0) {
        m_rowsObserver->AfterRowsRemoved();
    }
    m_currentRow = 0;
    m_selectedRows.clear();
    RefreshCommandStates();
}

void MainForm::AppendLoadedItems(std::vector<MenuItem> items, bool textsIndented) {
    ChangeScope scope(*this);
    if (!textsIndented) {
        // Rows are only appended, so one look at the list decides the indent of every new row.
        bool headingAbove = std::any_of(m_project.items.begin(), m_project.items.end(),
                                        [](const MenuItem& row) { return row.isHeading == "Yes"; });
        for (MenuItem& item : items) {
            IndentUnderHeading(item, headingAbove);
        }
    }
    const int first = rowCount() + 1;
    const int count = static_cast<int>(items.size());
    if (m_rowsObserver && count > 0) {
        m_rowsObserver->BeforeRowsInserted(first, count);
    }
    if (m_project.items.empty()) {
        m_project.items = std::move(items);
    } else {
        m_project.items.insert(m_project.items.end(), std::make_move_iterator(items.begin()),
                               std::make_move_iterator(items.end()));
    }
    if (m_rowsObserver && count > 0) {
        m_rowsObserver->AfterRowsInserted();
    }
    if (m_currentRow == 0 && rowCount() > 0) {
        m_currentRow = 1;
    }
    RefreshCommandStates();
}

void MainForm::SetItemText(const std::string& text) {
    ChangeScope scope(*this);
    m_itemtexttext.text = text;
    RefreshCommandStates();
}

void MainForm::SetLinkText(const std::string& text) {
    ChangeScope scope(*this);
    m_linktext.text = text;
    m_linkWarning = LinkSyntaxWarning(text);
    RefreshCommandStates();
}

void MainForm::SetNotLinked(int value) {
    if (value == m_notlinkchk.value) {
        return;
    }
    ChangeScope scope(*this);
    m_notlinkchk.value = value;
    NotLinkedClick();
    RefreshCommandStates();
}

void MainForm::SetGroupHeading(int value) {
    if (value == m_grheadchk.value) {
        return;
    }
    ChangeScope scope(*this);
    m_grheadchk.value = value;
    GroupHeadingClick();
    RefreshCommandStates();
}

void MainForm::SetDefaultSelected(int value) {
    ChangeScope scope(*this);
    m_chksel.value = value;
}

void MainForm::SetDefaultColor(int value) {
    if (value == m_chkdefitmclr.value) {
        return;
    }
    ChangeScope scope(*this);
    m_chkdefitmclr.value = value;
    RunDefaultColorClick();
}

void MainForm::GroupHeadingClick() {
    if (Ticked(m_grheadchk)) {
        m_chksel.value = 0;
        m_chksel.enabled = false;
        SetNotLinked(0);
        m_notlinkchk.enabled = false;
        SetLinkText("");
        SetLinkEnabled(false);
    } else {
        m_chksel.enabled = true;
        m_notlinkchk.enabled = true;
        SetLinkEnabled(true);
    }
}

void MainForm::NotLinkedClick() {
    SetLinkEnabled(!Ticked(m_notlinkchk));
}

void MainForm::SetLinkEnabled(bool enabled) {
    m_linktext.enabled = enabled;
    m_linklblEnabled = enabled;
}

void MainForm::RunDefaultColorClick() {
    ChangeScope scope(*this);
    const bool ticked = Ticked(m_chkdefitmclr);
    for (std::size_t i = 0; i < m_txtclr.size(); ++i) {
        ColorField& field = m_txtclr[i];
        field.Change();
        if (ticked) {
            field.SetSwatchColor(WindowBackground);
        } else {
            field.SetText(ColorToHex(TranslateSystemColor(field.swatchColor())));
        }
        field.SetEnabled(!ticked);
        m_colorTrioEnabled[i] = !ticked;
    }
}

void MainForm::SetColorText(int index, const std::string& text) {
    ChangeScope scope(*this);
    m_txtclr.at(index).SetText(text);
}

void MainForm::ColorLostFocus(int index) {
    ChangeScope scope(*this);
    m_txtclr.at(index).LostFocus();
}

void MainForm::PickColor(int index) {
    ChangeScope scope(*this);
    m_txtclr.at(index).Pick();
}

void MainForm::FocusColorField(int index, int selectionStart, int selectionLength) {
    FocusControl("txtclr" + std::to_string(index), selectionStart, selectionLength);
}

std::string MainForm::IndentForHeading(const std::string& text, int position) const {
    for (int row = position - 1; row >= 1; --row) {
        if (m_project.items[row - 1].isHeading == "Yes") {
            return std::string(HeadingIndent).append(text);
        }
    }
    return text;
}

void MainForm::InsertRow(int position, MenuItem row) {
    if (m_rowsObserver) {
        m_rowsObserver->BeforeRowsInserted(position, 1);
    }
    m_project.items.insert(m_project.items.begin() + (position - 1), std::move(row));
    if (m_rowsObserver) {
        m_rowsObserver->AfterRowsInserted();
    }
    if (m_currentRow == 0 || m_currentRow >= position) {
        ++m_currentRow;
    }
    RefreshCommandStates();
}

void MainForm::RemoveRow(int position) {
    if (m_rowsObserver) {
        m_rowsObserver->BeforeRowsRemoved(position, 1);
    }
    m_project.items.erase(m_project.items.begin() + (position - 1));
    if (m_rowsObserver) {
        m_rowsObserver->AfterRowsRemoved();
    }
    // The row that moves into the removed one's place becomes current, else the new last row.
    if (m_currentRow > position || m_currentRow > rowCount()) {
        --m_currentRow;
    }
    RefreshCommandStates();
}

// Add's steps 4 to 7, shared with Update.
void MainForm::WriteEditorCells(int position) {
    const bool heading = Ticked(m_grheadchk);
    {
        MenuItem& row = m_project.items[position - 1];
        const bool linked = !Ticked(m_notlinkchk) && !heading;
        row.linked = linked ? "Yes" : "No";
        row.url = linked ? m_linktext.text : std::string();
    }
    ResolveSelectedItem(position);
    MenuItem& row = m_project.items[position - 1];
    const bool ownColors = !Ticked(m_chkdefitmclr);
    row.backColor = ownColors ? m_txtclr[0].text() : "Default";
    row.textColor = ownColors ? m_txtclr[1].text() : "Default";
    row.isHeading = heading ? "Yes" : "No";
    RowChanged(position);
}

void MainForm::RowChanged(int position) {
    if (m_rowsObserver) {
        m_rowsObserver->RowChanged(position);
    }
}

void MainForm::AddItem() {
    ChangeScope scope(*this);
    NameEdit("Add");
    m_project.DirtyFlag = true;
    const int position = rowCount() + 1;
    MenuItem row;
    row.text =
        Ticked(m_grheadchk) ? m_itemtexttext.text : IndentForHeading(m_itemtexttext.text, position);
    InsertRow(position, std::move(row));
    WriteEditorCells(position);
    SetCurrentRow(position);
    ResetItemEditor();
}

void MainForm::UpdateItem() {
    const int position = m_currentRow;
    if (position == 0) {
        return;
    }
    ChangeScope scope(*this);
    NameEdit("Update");
    m_project.DirtyFlag = true;
    RemoveRow(position);
    MenuItem row;
    row.text =
        Ticked(m_grheadchk) ? m_itemtexttext.text : IndentForHeading(m_itemtexttext.text, position);
    InsertRow(position, std::move(row));
    WriteEditorCells(position);
    SetCurrentRow(position);
    ResetItemEditor();
}

void MainForm::EditItem() {
    if (m_currentRow == 0) {
        return;
    }
    ChangeScope scope(*this);
    FocusControl("itemtexttext");
    const MenuItem row = m_project.items[m_currentRow - 1];
    SetItemText(WithoutIndent(row.text));
    SetGroupHeading(row.isHeading == "Yes" ? 1 : 0);
    SetLinkText(row.url);
    SetNotLinked(row.linked != "Yes" && !Ticked(m_grheadchk) ? 1 : 0);
    SetDefaultSelected(row.selected == "Yes" ? 1 : 0);
    if (!row.backColor.empty() && row.backColor != "Default") {
        SetDefaultColor(0);
        m_txtclr[0].SetText(row.backColor.str());
        m_txtclr[1].SetText(row.textColor.str());
    } else {
        SetDefaultColor(1);
    }
    FocusControl("itemtexttext");
}

// Copies the row at `from` to `insertAt` and removes the original, so that the copy takes its
// indent from the rows that are above it at its new place. No other row is re-indented.
// Returns the row's new place.
int MainForm::MoveRow(int from, int insertAt) {
    MenuItem row = m_project.items[from - 1];
    row.text = WithoutIndent(row.text);
    if (row.isHeading != "Yes") {
        row.text = IndentForHeading(row.text, insertAt);
    }
    InsertRow(insertAt, std::move(row));
    const bool upwards = insertAt < from;
    RemoveRow(upwards ? from + 1 : from);
    return upwards ? insertAt : insertAt - 1;
}

void MainForm::ResolveSelectedItem(int row) {
    ChangeScope scope(*this);
    auto& items = m_project.items;
    if (!Ticked(m_chksel)) {
        items[row - 1].selected = "No";
        return;
    }
    SetDefaultSelected(0);
    int marked = 0;
    for (int i = 1; i <= rowCount() && marked == 0; ++i) {
        if (i != row && items[i - 1].selected == "Yes") {
            marked = i;
        }
    }
    if (marked == 0) {
        items[row - 1].selected = "Yes";
        return;
    }
    Message question;
    question.title = "Selected Item";
    question.text = "You have already designated \"" + items[marked - 1].text +
                    "\" as the selected item in the menu. Do you wish to change it to this one?";
    question.icon = MessageIcon::Information;
    question.buttons = MessageButtons::YesNo;
    question.defaultButton = Button::No;
    if (Ask(question) == Button::Yes) {
        items[marked - 1].selected = "No";
        RowChanged(marked);
        items[row - 1].selected = "Yes";
    } else {
        items[row - 1].selected = "No";
    }
}

void MainForm::ResetItemEditor() {
    ChangeScope scope(*this);
    SetItemText("");
    SetLinkText("");
    SetNotLinked(0);
    SetGroupHeading(0);
    m_chkdefitmclr.value = 1;
    RunDefaultColorClick();
    FocusControl("itemtexttext");
}

void MainForm::ToolbarButtonClick(const std::string& key) {
    if (rowCount() == 0) {
        return;
    }
    if (key == "delete") {
        DeleteItem();
    } else if (key == "edit") {
        EditItem();
    } else if (key == "movdn") {
        MoveDown();
    } else if (key == "movup") {
        MoveUp();
    }
}

void MainForm::RowReleasedAfterDoubleClick(int rowUnderPointer) {
    if (rowUnderPointer != 0) {
        EditItem();
    }
}

bool MainForm::DropOnLinkText(bool offersPlainText, const std::string& text) {
    // A disabled field takes no drops, as it takes no typing.
    if (!offersPlainText || !m_linktext.enabled) {
        return false;
    }
    SetLinkText(text);
    return true;
}

std::string MainForm::statusText() const {
    const int rows = rowCount();
    return rows == 1 ? "1 menu item" : std::to_string(rows) + " menu items";
}

void MainForm::SetWindowTitle(const std::string& title) {
    ChangeScope scope(*this);
    m_windowTitle = title;
}

void MainForm::FocusControl(const std::string& objectName, int selectionStart,
                            int selectionLength) {
    ChangeScope scope(*this);
    RequestFocus(objectName, selectionStart, selectionLength);
}

// Lets the window show the state a question is about before the box opens over it.
Button MainForm::Ask(const Message& message) {
    NotifyChanged();
    return m_colors.prompt.Show(message);
}

// The only place that enables or disables the item-list, save, code and preview commands.
// It runs whenever one of its inputs changes: the row count, the selected rows, the item and
// link texts, and the "Group heading" and "Not linked" boxes.
void MainForm::RefreshCommandStates() {
    const int rows = rowCount();
    const bool any = rows > 0;
    m_commands.saveProject = m_commands.copyCode = m_commands.saveCode = m_commands.preview = any;
    const bool complete = !m_itemtexttext.text.empty() &&
                          (!m_linktext.text.empty() || Ticked(m_grheadchk) || Ticked(m_notlinkchk));
    m_commands.add = complete;
    m_commands.update = complete && any;
    m_commands.edit = m_commands.remove = any;
    // A list filled around the form (as the benchmarks fill it) has rows but no current row.
    const std::vector<int> acting = selectedRows();
    const int first = acting.empty() ? 0 : acting.front();
    const int last = acting.empty() ? 0 : acting.back();
    m_commands.moveUp = rows > 1 && first != 1;
    m_commands.moveDown = rows > 1 && last != rows;
}

} // namespace pickwell
