#include "ui/WindowMode.h"

#include "app/FileAssociation.h"
#include "app/HelpTopics.h"
#include "app/Session.h"
#include "platform/qt/QtEndSignals.h"
#include "platform/qt/QtRecoveryPlatform.h"
#include "ui/AfterExpose.h"
#include "ui/ButtonStyleWindow.h"
#include "ui/Icons.h"
#include "ui/MainWindow.h"
#include "ui/MenuStyleWindow.h"
#include "ui/PreviewPanel.h"
#include "ui/QtDesktop.h"
#include "ui/ScreenFit.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace pickwell {
namespace {

constexpr const char* NoDisplayText =
    "pickwell: no graphical display could be opened; without one, use the command-line mode: "
    "pickwell generate --mode file|clip|preview PROJECT.pkw (see pickwell --help)\n";

[[noreturn]] void NoDisplay() {
    std::fputs(NoDisplayText, stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

// The toolkit aborts when it cannot reach a display; the user gets one line instead.
void StartupMessages(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtFatalMsg) {
        NoDisplay();
    }
}

bool DisplayNamed() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

std::string ProgramFolder() {
    std::string folder = QCoreApplication::applicationDirPath().toStdString();
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

} // namespace

int RunWindowMode(int argc, char* argv[]) {
    if (!DisplayNamed()) {
        NoDisplay();
    }
    const QtMessageHandler previous = qInstallMessageHandler(StartupMessages);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    QApplication::setApplicationName(QStringLiteral("Pickwell"));
    QApplication::setOrganizationName(QStringLiteral("Brackenfield"));
    QApplication::setWindowIcon(ThemeIcon(QStringLiteral("com.brackenfield.Pickwell")));

    // Every window, the help window and the dialogs included, opens inside its screen.
    ScreenFitter screenFitter;
    application.installEventFilter(&screenFitter);

    QtDesktop desktop(ProgramFolder());
    QtRecoveryPlatform recovery;
    desktop.services.recovery = &recovery;
    Session session(desktop.services);

    MainWindow window(session);
    LivePreview livePreview(session.mainForm(), session.menuStyle(), session.buttonStyle(),
                            desktop.services.fonts, desktop.services.documentsFolder);
    std::unique_ptr<MenuStyleWindow> menuStyle;
    std::unique_ptr<ButtonStyleWindow> buttonStyle;

    // Asked to end (logout, kill, Ctrl+C): every event loop, a modal dialog's too, stops, and
    // once their handlers have returned the work is kept and the windows go without a question.
    bool signalled = false;
    QtEndSignals endSignals([&signalled](int) {
        signalled = true;
        QCoreApplication::exit(0);
    });
    const QStringList arguments = QCoreApplication::arguments();
    session.StartUp(arguments.size() > 1 ? arguments[1].toStdString() : std::string());
    int status = 0;
    if (!signalled) {
        RegisterFileType(XdgFoldersFromEnvironment(), DataFolder(ProgramFolder()),
                         QCoreApplication::applicationFilePath().toStdString(), SystemToolRunner());
        window.show();
        // The hidden style windows are made, and the tip of the day opens, once the main
        // window has shown itself: they show their forms' state whenever they come.
        new AfterExpose(window.windowHandle(), &window, [&] {
            menuStyle = std::make_unique<MenuStyleWindow>(session.menuStyle(), &window);
            buttonStyle = std::make_unique<ButtonStyleWindow>(session.buttonStyle(), &window);
            menuStyle->SetPreview(
                new PreviewPanel([&] { return livePreview.Page(PreviewSubject::MenuStyle); },
                                 {&session.menuStyle()}, PreviewPanel::DefaultModulePath()));
            buttonStyle->SetPreview(
                new PreviewPanel([&] { return livePreview.Page(PreviewSubject::ButtonStyle); },
                                 {&session.buttonStyle()}, PreviewPanel::DefaultModulePath()));
            session.helpCommands().StartupTip();
        });
        status = QApplication::exec();
    }
    if (signalled) {
        session.CloseOnSignal();
    }
    return status;
}

} // namespace pickwell
