#include "ui/MainWindow.h"

#include "app/ImportCommands.h"
#include "app/Session.h"
#include "platform/qt/QtLinkProbe.h"
#include "ui/FieldUndoKeys.h"
#include "ui/Icons.h"
#include "ui/ItemEditorPane.h"
#include "ui/ItemListPane.h"
#include "ui/LinkCheckWindow.h"
#include "ui/OptionPages.h"
#include "ui/PreviewDock.h"
#include "ui/ProjectUndoStack.h"
#include "ui/QtImportWindowDialog.h"
#include "ui/ViewSync.h"
#include "ui/Widgets.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace pickwell {
namespace {

// A column that scrolls its contents vertically when the window is lower than they are, and
// asks for their full size otherwise (a plain scroll area asks for much less). It keeps room
// for its scroll bar, so its contents never need to scroll sideways.
class ColumnScrollArea : public QScrollArea {
public:
    ColumnScrollArea(QWidget* contents, QWidget* parent)
        : QScrollArea(parent) {
        setObjectName(QStringLiteral("leftColumn"));
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setWidget(contents);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    }

    QSize sizeHint() const override {
        // At a fractional scale the window's size is rounded in device pixels; the slack keeps
        // a pixel lost that way from making the column scroll.
        constexpr int RoundingSlack = 2;
        return widget()->sizeHint() + QSize(verticalScrollBar()->sizeHint().width(), RoundingSlack);
    }
    QSize minimumSizeHint() const override {
        return {sizeHint().width(), QScrollArea::minimumSizeHint().height()};
    }
};

} // namespace

MainWindow::MainWindow(Session& session, QWidget* parent)
    : QMainWindow(parent)
    , m_session(session)
    , m_importWindow(std::make_unique<QtImportWindowDialog>())
    , m_import(std::make_unique<ImportCommands>(session.mainForm(), session.platform().fileDialogs,
                                                *m_importWindow, session.platform().prompt,
                                                session.platform().documentsFolder))
    , m_toolbar(new QToolBar(tr("Main toolbar"), this))
    , m_status(new QLabel(this)) {
    setObjectName(QStringLiteral("Form1"));
    MainForm& form = session.mainForm();

    auto* central = new QWidget(this);
    m_editor = new ItemEditorPane(form, central);
    m_options = new OptionPages(
        form, [this] { m_session.menuStyle().Open(); }, [this] { m_session.buttonStyle().Open(); },
        central);
    m_list = new ItemListPane(form, central);
    m_undo = new ProjectUndoStack(session.editHistory(), this);

    // The left column keeps its width, and its option tabs take any extra height, so a tall
    // window leaves no empty space under them. It scrolls only when the screen is too small
    // for it. The item list pane takes every extra pixel of width.
    auto* leftColumn = new QWidget;
    auto* left = new QVBoxLayout(leftColumn);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(m_editor);
    left->addWidget(m_options, 1);
    auto* leftScroll = new ColumnScrollArea(leftColumn, central);

    HelpCommands& help = session.helpCommands();
    auto* graphics = NamedButton(tr("Free Button Graphics from Brackenfield"), "Command1", central);
    auto* offer = NamedButton(tr("Get a Totally Free 8GB Ipod Nano"), "Command2", central);
    connect(graphics, &QPushButton::clicked, this, [&help] { help.ButtonGraphics(); });
    connect(offer, &QPushButton::clicked, this, [&help] { help.FreeOffer(); });
    // The two links sit under the list, which has height to spare, not under the tabs.
    auto* links = new QHBoxLayout;
    links->addStretch();
    links->addWidget(graphics);
    links->addWidget(offer);
    auto* right = new QVBoxLayout;
    right->addWidget(m_list, 1);
    right->addLayout(links);

    auto* columns = new QHBoxLayout(central);
    columns->addWidget(leftScroll, 0);
    columns->addLayout(right, 1);
    setCentralWidget(central);
    m_preview = new PreviewDock(session, this);
    addDockWidget(Qt::BottomDockWidgetArea, m_preview);
    // Room for the list and its button, so that the editor above keeps its height.
    resizeDocks({m_preview}, {PreviewDock::StartHeight}, Qt::Vertical);

    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(QSize(24, 24));
    addToolBar(m_toolbar);
    BuildMenusAndToolbar();

    m_status->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(m_status, 1);

    setTabOrder(m_editor, m_options);
    setTabOrder(m_options, m_list);

    form.SetChangedCallback([this] { Refresh(); });
    session.recentFiles().SetChangedCallback([this] { ShowRecentFiles(); });
    Refresh();
    ShowRecentFiles();
    new FieldUndoKeys(this);
    // Opens at the size its contents ask for; the window mode's screen fitter makes it fit.
    ensurePolished();
    resize(sizeHint());
}

MainWindow::~MainWindow() {
    m_session.recentFiles().SetChangedCallback(nullptr);
    m_session.mainForm().SetChangedCallback(nullptr);
}

QAction* MainWindow::Command(QMenu* menu, const QString& caption, const char* name,
                             const std::function<void()>& run) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, run);
    return action;
}

void MainWindow::AddToToolbar(QAction* action, const char* key, const char* icon,
                              const QString& tip) {
    action->setIcon(ThemeIcon(QString::fromLatin1(icon)));
    action->setToolTip(tip);
    action->setStatusTip(tip);
    m_toolbar->addAction(action);
    m_toolbar->widgetForAction(action)->setObjectName(QString::fromLatin1(key));
}

void MainWindow::BuildMenusAndToolbar() {
    ProjectCommands& project = m_session.projectCommands();
    CodeCommands& code = m_session.codeCommands();

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* newProject =
        Command(file, tr("&New Menu Project"), "mnuFileNew", [&project] { project.New(); });
    newProject->setShortcut(QKeySequence::New);
    QAction* load = Command(file, tr("&Load Saved Menu Project"), "mnuFileLoad",
                            [&project] { project.Load(); });
    load->setShortcut(QKeySequence::Open);
    Command(file, tr("&Import Items..."), "mnuFileImport", [this] { m_import->ImportItems(); });
    m_mnuFileSaveProj =
        Command(file, tr("&Save Menu Project"), "mnuFileSaveProj", [&project] { project.Save(); });
    m_mnuFileSaveProj->setShortcut(QKeySequence::Save);
    file->addSeparator();
    m_mnuFileCopy =
        Command(file, tr("&Copy Code to Clipboard"), "mnuFileCopy", [&code] { code.CopyCode(); });
    m_mnuFileCodeFile =
        Command(file, tr("Save Code to &File"), "mnuFileCodeFile", [&code] { code.SaveCode(); });
    file->addSeparator();
    QAction* exit = Command(file, tr("&Exit"), "mnuFileExit", [this] { close(); });
    exit->setShortcut(QKeySequence::Quit);
    m_mnuFileSep3 = file->addSeparator();
    m_mnuFileSep3->setObjectName(QStringLiteral("mnuFileSep3"));
    for (int i = 0; i < static_cast<int>(m_recentfile.size()); ++i) {
        QAction* entry = Command(file, QString(), "", [&project, i] { project.OpenRecent(i); });
        entry->setObjectName(QStringLiteral("recentfile%1").arg(i));
        m_recentfile[static_cast<std::size_t>(i)] = entry;
    }

    const std::array<QAction*, 2> undoRedo = BuildEditMenu();

    QMenu* preview = menuBar()->addMenu(tr("&Preview"));
    preview->setObjectName(QStringLiteral("mnuPrev"));
    m_mnuPrevBr =
        Command(preview, tr("&Preview Menu in Browser"), "mnuPrevBr", [&code] { code.Preview(); });

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    view->addAction(m_preview->toggleViewAction());
    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    Command(tools, tr("Check &Links..."), "mnuToolsCheckLinks", [this] {
        // One window, kept while the main window lives, so that its findings stay to be read.
        auto* window = findChild<LinkCheckWindow*>();
        if (window == nullptr) {
            window =
                new LinkCheckWindow(m_session.project(), std::make_unique<QtLinkProbe>(), this);
        }
        window->show();
        window->raise();
        window->activateWindow();
    });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHlp"));
    HelpCommands& helpCommands = m_session.helpCommands();
    QAction* topics = Command(help, tr("&Help Topics"), "mnuHlpCont",
                              [&helpCommands] { helpCommands.HelpTopics(); });
    Command(help, tr("&Tutorial"), "mnuHelpTut", [&helpCommands] { helpCommands.Tutorial(); });
    QAction* context = Command(help, tr("&Context Help"), "mnuHelpCtx",
                               [&helpCommands] { helpCommands.ContextHelp(); });
    context->setShortcut(QKeySequence::WhatsThis);
    Command(help, tr("&Tip of the Day"), "mnuhlpTips",
            [&helpCommands] { helpCommands.TipOfTheDay(); });
    help->addSeparator();
    Command(help, tr("Tell &Friends about Pickwell"), "mnuhelptaf",
            [&helpCommands] { helpCommands.TellFriends(); });
    Command(help, tr("&Other Software from Brackenfield"), "mnuHelpMFS",
            [&helpCommands] { helpCommands.OtherSoftware(); });
    QAction* about =
        Command(help, tr("&About..."), "mnuHlpAb", [&helpCommands] { helpCommands.About(); });

    AddToToolbar(newProject, "newproj", "document-new", tr("Create new menu project"));
    AddToToolbar(load, "loadproj", "document-open", tr("Load saved menu project"));
    AddToToolbar(m_mnuFileSaveProj, "saveproj", "document-save", tr("Save current menu project"));
    m_toolbar->addSeparator();
    for (QAction* action : undoRedo) {
        // The key's tip and accessible name follow the action's text, which names the step.
        m_toolbar->addAction(action);
        m_toolbar->widgetForAction(action)->setObjectName(action->objectName().mid(7).toLower());
    }
    m_toolbar->addSeparator();
    AddToToolbar(m_mnuFileCopy, "savecodeclip", "edit-copy",
                 tr("Generate menu code and copy to clipboard"));
    AddToToolbar(m_mnuFileCodeFile, "savecodefile", "document-save-as",
                 tr("Generate menu code and save to a file"));
    m_toolbar->addSeparator();
    AddToToolbar(m_mnuPrevBr, "preview", "document-print-preview", tr("Preview menu in browser"));
    m_toolbar->addSeparator();
    AddToToolbar(topics, "help", "help-contents", tr("Open help file"));
    AddToToolbar(context, "wthis", "help-whatsthis", tr("Show context help"));
    AddToToolbar(about, "about", "help-about", tr("About Pickwell"));
}

// Undo and Redo name the step they take ("Undo Delete"), and are disabled while there is none.
std::array<QAction*, 2> MainWindow::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QUndoStack& stack = m_undo->stack();
    const auto add = [edit](QAction* action, const char* name, QKeySequence::StandardKey key,
                            const char* icon) {
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setIcon(ThemeIcon(QString::fromLatin1(icon)));
        edit->addAction(action);
        return action;
    };
    return {add(stack.createUndoAction(this, tr("&Undo")), "mnuEditUndo", QKeySequence::Undo,
                "edit-undo"),
            add(stack.createRedoAction(this, tr("&Redo")), "mnuEditRedo", QKeySequence::Redo,
                "edit-redo")};
}

void MainWindow::Refresh() {
    const MainForm& form = m_session.mainForm();
    setWindowTitle(ToQt(form.windowTitle()));
    m_editor->Show();
    m_options->Show();
    m_list->Show();
    const CommandStates& states = form.commandStates();
    m_mnuFileSaveProj->setEnabled(states.saveProject);
    m_mnuFileCopy->setEnabled(states.copyCode);
    m_mnuFileCodeFile->setEnabled(states.saveCode);
    m_mnuPrevBr->setEnabled(states.preview);
    m_status->setText(ToQt(form.statusText()));
    if (ServeFocusRequest(this, form.focus())) {
        m_session.mainForm().ClearFocusRequest();
    }
}

void MainWindow::ShowRecentFiles() {
    const RecentFiles& recent = m_session.recentFiles();
    m_mnuFileSep3->setVisible(recent.separatorVisible());
    for (std::size_t i = 0; i < m_recentfile.size(); ++i) {
        const RecentFileEntry& entry = recent.entries()[i];
        m_recentfile[i]->setVisible(entry.visible);
        // Only the number is a mnemonic; an "&" in the file name is shown as it is.
        QString caption = ToQt(entry.caption);
        const int nameStart = static_cast<int>(caption.indexOf(QLatin1Char(' '))) + 1;
        if (nameStart > 0) {
            caption = caption.left(nameStart) +
                      caption.mid(nameStart).replace(QLatin1Char('&'), QStringLiteral("&&"));
        }
        m_recentfile[i]->setText(caption);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_session.Close()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The window never gets smaller than it first showed itself, which is no larger than the
    // screen.
    if (!m_minimumSet) {
        m_minimumSet = true;
        setMinimumSize(size());
    }
}

} // namespace pickwell
