#pragma once

#include <QGroupBox>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QToolBar;
class QTreeView;

namespace pickwell {

class ItemTableModel;
class MainForm;

// The "Currently Added Menu Items:" frame: the item list lv, its toolbar tb2 and its
// right-click menu mnuListPop. The list follows the form's current and selected rows both
// ways; rows dragged within it are handed to the form, which moves them.
class ItemListPane : public QGroupBox {
    Q_OBJECT

public:
    ItemListPane(MainForm& form, QWidget* parent);

    void Show();

private:
    // Characters of the item text and of the link that show at the start-up size.
    static constexpr int TextColumnCharacters = 28;

    // Sets how each column sizes itself; returns the width that shows every column.
    int SizeColumns();
    QAction* ToolbarButton(const char* key, const char* icon, const QString& tip);
    QAction* PopupEntry(const QString& caption, const char* name, const QKeySequence& keys,
                        std::function<void()> command);
    void ShowPopup(const QPoint& globalPosition);
    std::vector<int> ViewSelection() const; // 1-based, sorted
    // Tells the form the user's choice of current and selected rows.
    void TellSelection();

    MainForm& m_form;
    ItemTableModel* m_model;
    QTreeView* m_lv;
    QToolBar* m_tb2;
    QMenu* m_mnuListPop;
    QAction* m_movup;
    QAction* m_movdn;
    QAction* m_edit;
    QAction* m_delete;
    QAction* m_popMovUp;
    QAction* m_popMovDn;
    QAction* m_popEdit;
    QAction* m_popRemove;
    bool m_showing = false;
};

} // namespace pickwell
