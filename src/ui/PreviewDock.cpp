#include "ui/PreviewDock.h"

#include "app/Session.h"
#include "ui/PreviewPanel.h"

#include <QAction>

namespace pickwell {

PreviewDock::PreviewDock(Session& session, QWidget* parent)
    : QDockWidget(tr("Preview", "live preview pane"), parent)
    , m_session(session)
    , m_live(session.mainForm(), session.menuStyle(), session.buttonStyle(),
             session.platform().fonts, session.platform().documentsFolder)
    , m_panel(new PreviewPanel([this] { return m_live.Page(PreviewSubject::Project); },
                               {&session.mainForm(), &session.menuStyle(), &session.buttonStyle()},
                               PreviewPanel::DefaultModulePath(), this)) {
    setObjectName(QStringLiteral("previewDock"));
    setWidget(m_panel);
    QAction* toggle = toggleViewAction();
    toggle->setObjectName(QStringLiteral("mnuViewPreview"));
    toggle->setText(tr("&Preview Pane"));
    toggle->setStatusTip(tr("Show or hide the live preview of the menu"));
    connect(toggle, &QAction::triggered, this, &PreviewDock::Remember);
    setVisible(session.platform().settings.GetSetting(SettingSection, SettingKey, "1") != "0");
}

// Only the user's own gestures are remembered, the toggle and the pane's close button, not
// the pane going with its window.
void PreviewDock::closeEvent(QCloseEvent* event) {
    QDockWidget::closeEvent(event);
    Remember(false);
}

void PreviewDock::Remember(bool shown) {
    m_session.platform().settings.SaveSetting(SettingSection, SettingKey, shown ? "1" : "0");
}

} // namespace pickwell
