#pragma once

#include "app/LivePreview.h"

#include <QDockWidget>

namespace pickwell {

class PreviewPanel;
class Session;

// The main window's live preview of the project, beside the item list. The user shows and
// hides it with its toggle action (View menu); the choice is kept in the settings.
class PreviewDock : public QDockWidget {
    Q_OBJECT

public:
    static constexpr const char* SettingSection = "Options";
    static constexpr const char* SettingKey = "Preview Pane";
    static constexpr int StartHeight = 130;

    PreviewDock(Session& session, QWidget* parent);

    PreviewPanel* panel() const { return m_panel; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Remember(bool shown);

    Session& m_session;
    LivePreview m_live;
    PreviewPanel* m_panel;
};

} // namespace pickwell
