#pragma once

#include "colour/ColorField.h"
#include "model/FormControls.h"
#include "model/ItemEntry.h"
#include "model/MenuProject.h"

#include <array>
#include <string>
#include <vector>

namespace pickwell {

// Enabled states of the item-list, save, code and preview commands. The main toolbar
// buttons and the matching menu entries share one flag; so do the list toolbar buttons and
// the entries of the list's right-click menu.
struct CommandStates {
    bool saveProject = false;
    bool copyCode = false;
    bool saveCode = false;
    bool preview = false;
    bool add = false;
    bool update = false;
    bool edit = false;
    bool remove = false;
    bool moveUp = false;
    bool moveDown = false;

    bool operator==(const CommandStates&) const = default;
};

// Enabled states of the option pages' controls, named after the controls.
struct OptionStates {
    bool lblbttnaln = true;
    bool cmbbttnaln = true;
    bool buttonpropopt = true; // both button-kind option buttons
    bool buttontxttxt = true;
    bool buttontxtlbl = true;
    bool cmdBttnAdv = true;
    bool buttngrurl = false;
    bool buttngrurllbl = false;
    bool txtw = false;
    bool lblw = false;
    bool txth = false;
    bool lblh = false;
    bool txtalt = false;
    bool lblalt = false;
    bool lblfrm = false;
    bool txtfrm = false;
    bool lbllistlbl = false; // the list label belongs to standards-compliant code only
    bool txtlistlbl = false;
    bool chkcurpage = false; // like the list label, for standards-compliant code only
    bool chkwidelinks = false;
    bool lblwidewdth = false; // the width, while the links are asked for too
    bool txtwidewdth = false;
    bool buttonPropertiesPage = true; // the "Button Properties" tab can be chosen

    bool operator==(const OptionStates&) const = default;
};

// Hears about every change to the item rows, before and after it, so that a list view can
// follow row by row instead of reloading. Rows are 1-based, as in MainForm.
class ItemRowsObserver {
public:
    virtual ~ItemRowsObserver() = default;
    virtual void BeforeRowsInserted(int first, int count) = 0;
    virtual void AfterRowsInserted() = 0;
    virtual void BeforeRowsRemoved(int first, int count) = 0;
    virtual void AfterRowsRemoved() = 0;
    virtual void RowChanged(int row) = 0;
};

// The main window without its widgets: the item list, the item editor, the two option pages
// and the enabled state of every command. Setting a value runs that control's own change or
// click handling, nested as the window would run it; the view copies the state in after
// every change it is told about.
//
// The constructor leaves the form as the window starts: empty list, "Default selected" and
// "Default Color" ticked, colour fields #FFFFFF and #000000 (disabled, swatches showing the
// window background), standard button, navigate on button click.
class MainForm : public FormModel, public ColorFieldOwner {
public:
    MainForm(MenuProject& project, ColorFieldContext& colors);
    MainForm(const MainForm&) = delete; // the colour fields point back at their form
    MainForm& operator=(const MainForm&) = delete;

    MenuProject& project() { return m_project; }
    const MenuProject& project() const { return m_project; }

    // Item list: the rows are project().items.
    void SetRowsObserver(ItemRowsObserver* observer) { m_rowsObserver = observer; }
    int rowCount() const { return static_cast<int>(m_project.items.size()); }
    int currentRow() const { return m_currentRow; } // 1-based; 0 when the list is empty
    void SetCurrentRow(int row);                    // ignored when out of range; selects it alone
    // The rows Move Up, Move Down and Delete act on, sorted: the selected rows when the user
    // has selected several, else the current row alone (none when the list is empty).
    std::vector<int> selectedRows() const;
    // The list's selection as the user leaves it: the current row and every selected row.
    // Rows out of range are dropped; fewer than two selected leaves the current row alone.
    void SelectRows(int current, std::vector<int> rows);
    bool IsRowBold(int row) const;
    void RemoveAllItems();
    // The loader's rows, in order; each that is not a heading is indented under one above it.
    // A loader that indented the texts itself, while it had them at hand, says so with
    // `textsIndented`: it fills an empty list.
    void AppendLoadedItems(std::vector<MenuItem> items, bool textsIndented = false);
    // Puts back rows exactly as they were (indents and all) with their selection, as an undo
    // does: nothing is asked, nothing re-indented.
    void RestoreRows(std::vector<MenuItem> items, int current, std::vector<int> selected);
    // Appends the entries as Add would append each with "Default selected" not ticked, as
    // one change: the last of them becomes the current row; the editor is left alone.
    void AppendItems(const std::vector<ItemEntry>& entries);

    // Item editor.
    const TextControl& itemtexttext() const { return m_itemtexttext; }
    const TextControl& linktext() const { return m_linktext; }
    bool linklblEnabled() const { return m_linklblEnabled; }
    // What a browser will get wrong about the link as typed; empty when nothing.
    const std::string& linkWarning() const { return m_linkWarning; }
    const CheckControl& notlinkchk() const { return m_notlinkchk; }
    const CheckControl& grheadchk() const { return m_grheadchk; }
    const CheckControl& chksel() const { return m_chksel; }
    const CheckControl& chkdefitmclr() const { return m_chkdefitmclr; }
    // Caption label, swatch and picker button of colour trio `index` (txtclr has its own).
    bool colorTrioEnabled(int index) const { return m_colorTrioEnabled.at(index); }

    void SetItemText(const std::string& text);
    void SetLinkText(const std::string& text);
    // The check boxes run their click handling when the value changes.
    void SetNotLinked(int value);
    void SetGroupHeading(int value);
    void SetDefaultSelected(int value);
    void SetDefaultColor(int value);
    void RunDefaultColorClick();

    ColorField& txtclr(int index) { return m_txtclr.at(index); }
    const ColorField& txtclr(int index) const { return m_txtclr.at(index); }
    // The view's way into the colour fields, so that it hears about the change.
    void SetColorText(int index, const std::string& text);
    void ColorLostFocus(int index);
    void PickColor(int index);

    // Commands.
    void AddItem();
    void UpdateItem();
    void EditItem();
    void MoveUp();
    void MoveDown();
    void DeleteItem();
    // Several rows at once, each by the rules for one row applied to each row in turn. `by`
    // counts Move Up (negative) or Move Down presses; nothing moves when the block would
    // pass an end of the list.
    void MoveRows(std::vector<int> rows, int by);
    // A drop: the rows, in their order, go together to just before row `destination` as it
    // is before the drop (one past the last row for the end), each moved one place at a time
    // by Move Up or Move Down as the user could press them.
    void MoveRowsTo(std::vector<int> rows, int destination);
    // Asks once for all the rows, then deletes them.
    void DeleteRows(std::vector<int> rows);
    void ResolveSelectedItem(int row);
    void ResetItemEditor();
    void ToolbarButtonClick(const std::string& key);
    void RowReleasedAfterDoubleClick(int rowUnderPointer); // 0: no row under the pointer
    bool DropOnLinkText(bool offersPlainText, const std::string& text); // false: refused

    // Option pages; the values live in project().menuOptions and project().buttonOptions.
    void SetMenuName(const std::string& text);
    void SetNavigateMode(int index); // selects menubehavopt(index) and runs its click handling
    void SetAlignToButton(int position);
    void SetTarget(int position); // selects the list entry and runs ApplyLinkTarget
    void SetFrameName(const std::string& text);
    void SetButtonType(int kind); // selects buttonpropopt(kind) and runs ApplyButtonKind
    void SetButtonText(const std::string& text);
    void SetGraphicUrl(const std::string& text);
    void SetGraphicWidth(const std::string& text);
    void SetGraphicHeight(const std::string& text);
    void SetAltText(const std::string& text);
    void SetStandardsCode(int value); // the check box chkstdcode and its click handling
    void SetListLabel(const std::string& text);
    void SetShowCurrentPage(int value); // the check box chkcurpage
    void SetWideScreenLinks(int value); // the check box chkwidelinks and its click handling
    void SetWideScreenWidth(const std::string& text);
    void ApplyButtonKind();
    void ApplyNavigateMode(int index);
    void ApplyLinkTarget();
    // Puts back both option pages' values, and the enabled state they give every control,
    // without the handling of a user's change (which would clear the frame name).
    void RestoreOptions(const MenuOptions& menu, const ButtonOptions& button);

    // Window.
    const std::string& windowTitle() const { return m_windowTitle; }
    std::string statusText() const;
    void SetWindowTitle(const std::string& title);
    void FocusControl(const std::string& objectName, int selectionStart = -1,
                      int selectionLength = 0);

    // Always current: recomputed whenever one of their inputs changes, so the right-click
    // menu can be shown at once with these states.
    const CommandStates& commandStates() const { return m_commands; }
    const OptionStates& optionStates() const { return m_options; }

    void FocusColorField(int index, int selectionStart, int selectionLength) override;

private:
    std::string IndentForHeading(const std::string& text, int position) const;
    void WriteEditorCells(int position);
    void MoveCurrentRow(int insertAt);
    int MoveRow(int from, int insertAt);
    int StepRow(int from, int by);
    std::vector<int> ValidRows(std::vector<int> rows) const;
    void InsertRow(int position, MenuItem row);
    void RemoveRow(int position);
    void RowChanged(int position);
    // `name` names the edit for the edit history.
    void SetOptionText(std::string& field, const std::string& text, const char* name);
    void SetOptionCheck(int& field, int value, const char* name);
    void SetLinkEnabled(bool enabled);
    void ApplyStandardsOptions();
    void GroupHeadingClick();
    void NotLinkedClick();
    Button Ask(const Message& message);
    void RefreshCommandStates();

    MenuProject& m_project;
    ColorFieldContext& m_colors;
    ItemRowsObserver* m_rowsObserver = nullptr;
    int m_currentRow = 0;
    std::vector<int> m_selectedRows; // sorted; empty while one row at most is selected

    TextControl m_itemtexttext;
    TextControl m_linktext;
    bool m_linklblEnabled = true;
    std::string m_linkWarning;
    CheckControl m_notlinkchk;
    CheckControl m_grheadchk;
    CheckControl m_chksel{1};
    CheckControl m_chkdefitmclr{1};
    std::array<ColorField, 2> m_txtclr;
    std::array<bool, 2> m_colorTrioEnabled{false, false};

    CommandStates m_commands;
    OptionStates m_options;
    std::string m_windowTitle = "Pickwell";
};

} // namespace pickwell
