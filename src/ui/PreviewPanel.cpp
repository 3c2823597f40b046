#include "ui/PreviewPanel.h"

#include "model/FormControls.h"
#include "ui/AfterExpose.h"
#include "ui/PreviewEngine.h"
#include "ui/ViewSync.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPluginLoader>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <QWindow>

namespace pickwell {
namespace {

constexpr const char* ModuleFileName = "pickwell_preview.so";

QString MimeTypeOf(PageEncoding encoding) {
    return encoding == PageEncoding::Utf8 ? QStringLiteral("text/html;charset=utf-8")
                                          : QStringLiteral("text/html;charset=windows-1252");
}

} // namespace

PreviewPanel::PreviewPanel(std::function<PreviewPage()> source, std::vector<FormModel*> forms,
                           QString modulePath, QWidget* parent)
    : QWidget(parent)
    , m_source(std::move(source))
    , m_modulePath(std::move(modulePath))
    , m_stack(new QStackedLayout)
    , m_placeholder(new QLabel(this))
    , m_note(new QLabel(this)) {
    setObjectName(QStringLiteral("previewPanel"));
    m_placeholder->setObjectName(QStringLiteral("previewPlaceholder"));
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setText(tr("The preview is starting."));
    m_stack->addWidget(m_placeholder);
    m_note->setObjectName(QStringLiteral("previewNote"));
    // One line, however long: the rest is in its tool tip, and it never widens the window.
    m_note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(m_stack, 1);
    layout->addWidget(m_note);

    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &PreviewPanel::ShowLatestPage);
    for (FormModel* form : forms) {
        m_listeners.emplace_back(form, form->AddListener([this] { Changed(); }));
    }
}

PreviewPanel::~PreviewPanel() {
    for (const auto& [form, id] : m_listeners) {
        form->RemoveListener(id);
    }
}

QString PreviewPanel::DefaultModulePath() {
    if (const QString named = qEnvironmentVariable("PICKWELL_PREVIEW_MODULE"); !named.isEmpty()) {
        return named;
    }
    const QString folder = QCoreApplication::applicationDirPath();
    const QString beside = folder + QLatin1Char('/') + QLatin1String(ModuleFileName);
    if (QFileInfo::exists(beside)) {
        return beside;
    }
    return folder + QStringLiteral("/" PICKWELL_PREVIEW_DIR "/") + QLatin1String(ModuleFileName);
}

QSize PreviewPanel::sizeHint() const {
    return {360, 180};
}

void PreviewPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_pane == nullptr && !m_failed && !m_starting) {
        StartWhenWindowShown();
    } else if (m_stale) {
        m_settle.start();
    }
}

void PreviewPanel::StartWhenWindowShown() {
    QWindow* handle = window()->windowHandle();
    if (handle == nullptr) {
        return;
    }
    m_starting = true;
    new AfterExpose(handle, this, [this] { StartEngine(); });
}

void PreviewPanel::StartEngine() {
    m_starting = false;
    QPluginLoader loader(m_modulePath);
    auto* engine = qobject_cast<PreviewEngine*>(loader.instance());
    if (engine == nullptr) {
        Fail(QFileInfo::exists(m_modulePath)
                 ? tr("The preview cannot be shown: its module did not load.")
                 : tr("The preview cannot be shown: its module is missing."));
        m_note->setToolTip(loader.errorString());
        return;
    }
    PreviewPaneEvents events;
    events.painted = [this] { emit pagePainted(); };
    events.failed = [this](const QString& why) { Fail(why); };
    events.navigation = [this](const QUrl& url, const QString& target) {
        ShowNote(tr("Would open: %1 (%2)").arg(url.toDisplayString(), target));
    };
    m_pane = engine->CreatePane(this, std::move(events));
    m_stack->addWidget(m_pane);
    m_stack->setCurrentWidget(m_pane);
    ShowLatestPage();
}

void PreviewPanel::Changed() {
    m_stale = true;
    if (m_pane != nullptr && !m_failed && isVisible()) {
        m_settle.start();
    }
}

void PreviewPanel::ShowLatestPage() {
    // A hidden panel keeps its page until it is shown again.
    if (m_pane == nullptr || m_failed || !isVisible()) {
        return;
    }
    m_stale = false;
    const PreviewPage page = m_source();
    QString problem = ToQt(page.problem).simplified();
    ShowNote(problem.isEmpty() ? QString() : tr("Not ready for code yet: %1").arg(problem));
    m_pane->ShowPage(QByteArray::fromStdString(page.bytes), MimeTypeOf(page.encoding),
                     QUrl::fromLocalFile(ToQt(page.baseFolder)));
}

void PreviewPanel::Fail(const QString& why) {
    m_failed = true;
    m_settle.stop();
    m_placeholder->setText(QString());
    m_stack->setCurrentWidget(m_placeholder);
    ShowNote(why);
}

void PreviewPanel::ShowNote(const QString& text) {
    m_note->setText(text);
    m_note->setToolTip(text);
}

} // namespace pickwell
