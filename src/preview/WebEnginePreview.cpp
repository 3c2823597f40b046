#include "WebEnginePreview.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <unistd.h>

// Qt's own setter of the context that GL users share, exported by Qt GUI and declared only in
// its private headers. Qt WebEngine reads that context as it starts; it makes one itself only
// when it is loaded before the application object, which this module never is.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace pickwell {
namespace {

// What a painted page writes to its console: two animation frames after the load, a frame
// with the page in it has been drawn.
constexpr const char* PaintedMark = "pickwell-preview-painted";
constexpr const char* ReportPainted =
    "requestAnimationFrame(function () { requestAnimationFrame(function () { "
    "console.info('pickwell-preview-painted'); }); });";

// A page that shows the preview's own page and nothing else: every other navigation, a click
// on the menu's button included, is reported instead of followed.
class InterceptingPage : public QWebEnginePage {
public:
    InterceptingPage(QWebEngineProfile* profile, QObject* parent, const PreviewPaneEvents& events,
                     QString target)
        : QWebEnginePage(profile, parent)
        , m_events(events)
        , m_target(std::move(target)) {}

    // The next navigation of the main frame is the page handed to setContent.
    void ExpectOwnPage() { m_ownPageDue = true; }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        if (isMainFrame && m_ownPageDue) {
            m_ownPageDue = false;
            return true;
        }
        if (m_events.navigation) {
            m_events.navigation(url, isMainFrame ? m_target : QStringLiteral("frame"));
        }
        // A page made for a new window has done its one job.
        if (m_target == QLatin1String("new window")) {
            deleteLater();
        }
        return false;
    }

    QWebEnginePage* createWindow(WebWindowType) override {
        return new InterceptingPage(profile(), this, m_events, QStringLiteral("new window"));
    }

    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                  const QString&) override {
        if (message == QLatin1String(PaintedMark) && m_events.painted) {
            m_events.painted();
        }
    }

private:
    const PreviewPaneEvents& m_events;
    QString m_target;
    bool m_ownPageDue = false;
};

class WebEnginePane : public PreviewPane {
public:
    WebEnginePane(QWebEngineProfile* profile, QWidget* parent, PreviewPaneEvents events)
        : PreviewPane(parent)
        , m_events(std::move(events))
        , m_view(new QWebEngineView(this))
        , m_page(new InterceptingPage(profile, m_view, m_events, QStringLiteral("same window"))) {
        setObjectName(QStringLiteral("previewView"));
        m_view->setPage(m_page);
        m_view->setContextMenuPolicy(Qt::NoContextMenu);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_view);
        // A load cut short by the next change also ends "not ok", so only a good one counts.
        connect(m_page, &QWebEnginePage::loadFinished, this, [this](bool ok) {
            if (ok) {
                m_page->runJavaScript(QString::fromLatin1(ReportPainted));
            }
        });
        connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
                [this](QWebEnginePage::RenderProcessTerminationStatus, int exitCode) {
                    if (m_events.failed) {
                        m_events.failed(
                            QCoreApplication::translate(
                                "pickwell::WebEnginePreview",
                                "The preview cannot be shown: its page process ended (code %1).")
                                .arg(exitCode));
                    }
                });
    }

    void ShowPage(const QByteArray& page, const QString& mimeType, const QUrl& baseUrl) override {
        m_page->ExpectOwnPage();
        m_page->setContent(page, mimeType, baseUrl);
    }

    void RunScript(const QString& script, std::function<void(const QVariant&)> done) override {
        m_page->runJavaScript(script,
                              [done = std::move(done)](const QVariant& value) { done(value); });
    }

private:
    PreviewPaneEvents m_events;
    QWebEngineView* m_view;
    InterceptingPage* m_page;
};

// The engine's profile and the GL context it reads, made with the first pane. They must go
// while the application still stands: the module's own object lives until the program's
// exit handlers, after the engine and the application are gone.
QWebEngineProfile* Profile = nullptr;
QOpenGLContext* SharedContext = nullptr;

void ReleaseEngine() {
    delete Profile;
    Profile = nullptr;
    delete SharedContext;
    SharedContext = nullptr;
}

} // namespace

PreviewPane* WebEnginePreview::CreatePane(QWidget* parent, PreviewPaneEvents events) {
    if (Profile == nullptr) {
        // Chromium will not start its sandbox for root and then shows nothing at all. The pane
        // shows only the program's own page of the user's own project, and follows no link,
        // so for root it runs without the sandbox rather than not at all.
        if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        }
        // The engine draws through Qt Quick's software renderer, without the GPU: a menu
        // preview needs no acceleration, and so the program need not share a GL context among
        // its windows from the start, which would cost every start-up.
        if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND")) {
            qputenv("QT_QUICK_BACKEND", "software");
        }
        const QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        if (!flags.contains("--disable-gpu")) {
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + " --disable-gpu");
        }
        if (QOpenGLContext::globalShareContext() == nullptr) {
            SharedContext = new QOpenGLContext;
            SharedContext->create();
            qt_gl_set_global_share_context(SharedContext);
        }
        // No storage name: the profile keeps no cache, cookies or history on disk.
        Profile = new QWebEngineProfile;
        Profile->settings()->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        Profile->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls,
                                          false);
        // Registered after the engine's own clean-up, so run before it.
        qAddPostRoutine(ReleaseEngine);
    }
    return new WebEnginePane(Profile, parent, std::move(events));
}

} // namespace pickwell
