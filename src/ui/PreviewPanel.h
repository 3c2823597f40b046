#pragma once

#include "app/LivePreview.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

class QLabel;
class QStackedLayout;

namespace pickwell {

class FormModel;
class PreviewPane;

// A live preview of the menu: the page a source makes, shown by the browser engine of the
// preview module, made again shortly after each change of the forms it follows. The engine is
// loaded when the panel is first shown, once its window is on the screen. One line under the
// page tells where a click would have gone, or why there is no page.
class PreviewPanel : public QWidget {
    Q_OBJECT

public:
    // Changes closer together than this make one new page.
    static constexpr int SettleMilliseconds = 30;

    // `modulePath` names the preview module; `forms` are followed for as long as the panel
    // lives.
    PreviewPanel(std::function<PreviewPage()> source, std::vector<FormModel*> forms,
                 QString modulePath, QWidget* parent = nullptr);
    ~PreviewPanel() override;

    // The installed module, or the one named by PICKWELL_PREVIEW_MODULE.
    static QString DefaultModulePath();

    // None until the engine has started; none for good when it could not.
    PreviewPane* pane() const { return m_pane; }

    QSize sizeHint() const override;

signals:
    // The latest page is on the screen.
    void pagePainted();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void StartWhenWindowShown();
    void StartEngine();
    void Changed();
    void ShowLatestPage();
    void Fail(const QString& why);
    void ShowNote(const QString& text);

    std::function<PreviewPage()> m_source;
    std::vector<std::pair<FormModel*, int>> m_listeners;
    QString m_modulePath;
    QStackedLayout* m_stack;
    QLabel* m_placeholder;
    QLabel* m_note;
    PreviewPane* m_pane = nullptr;
    QTimer m_settle;
    bool m_starting = false;
    bool m_failed = false;
    bool m_stale = true;
    QString m_problem;
};

} // namespace pickwell
