#pragma once

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace pickwell {

class ImportCommands;
class ItemEditorPane;
class ItemListPane;
class OptionPages;
class PreviewDock;
class ProjectUndoStack;
class QtImportWindowDialog;
class Session;

// The main window Form1: menus, the main toolbar, the item editor and option tabs in a left
// column that keeps its width, and the item list pane that takes every extra pixel of width. A
// toolbar button and its menu entry are one action, so they run the same command.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Session& session, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Copies the main form's state into the widgets; runs after every change it reports.
    void Refresh();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QAction* Command(QMenu* menu, const QString& caption, const char* name,
                     const std::function<void()>& run);
    void AddToToolbar(QAction* action, const char* key, const char* icon, const QString& tip);
    void BuildMenusAndToolbar();
    // Undo and Redo, in the menu; the toolbar gets them later, in its own order.
    std::array<QAction*, 2> BuildEditMenu();
    void ShowRecentFiles();

    Session& m_session;
    std::unique_ptr<QtImportWindowDialog> m_importWindow;
    std::unique_ptr<ImportCommands> m_import;
    ItemEditorPane* m_editor;
    OptionPages* m_options;
    ItemListPane* m_list;
    ProjectUndoStack* m_undo;
    PreviewDock* m_preview;
    QToolBar* m_toolbar;
    QLabel* m_status;
    QAction* m_mnuFileSaveProj = nullptr;
    QAction* m_mnuFileCopy = nullptr;
    QAction* m_mnuFileCodeFile = nullptr;
    QAction* m_mnuPrevBr = nullptr;
    QAction* m_mnuFileSep3 = nullptr;
    std::array<QAction*, 5> m_recentfile{};
    bool m_minimumSet = false;
};

} // namespace pickwell
