#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QVariant>
#include <QWidget>
#include <QtPlugin>

#include <functional>

// The browser engine behind the preview panes lives in a module of its own, loaded when a
// preview is first shown, so that the program starts as fast without it and runs on without
// it. These two interfaces are all the program knows of it; they are header-only, so that the
// module needs nothing from the program's binary.
namespace pickwell {

// What a pane tells the panel it sits in. Each is called on the user-interface thread.
struct PreviewPaneEvents {
    // The page of the last ShowPage has loaded and its first frame is painted.
    std::function<void()> painted;
    // The engine cannot show pages (it did not start, or its page process ended); one line.
    std::function<void(const QString& why)> failed;
    // The page asked to go to `url`, which the pane did not follow; `target` is where it would
    // have opened: "same window", "new window" or "frame".
    std::function<void(const QUrl& url, const QString& target)> navigation;
};

// One view of the engine showing one page at a time.
class PreviewPane : public QWidget {
public:
    using QWidget::QWidget;

    // Shows `page` as if it were a file in `baseUrl`'s folder.
    virtual void ShowPage(const QByteArray& page, const QString& mimeType, const QUrl& baseUrl) = 0;
    // Runs `script` in the page and hands its value to `done`.
    virtual void RunScript(const QString& script, std::function<void(const QVariant&)> done) = 0;
};

class PreviewEngine {
public:
    virtual ~PreviewEngine() = default;
    // A new pane, owned by `parent`.
    virtual PreviewPane* CreatePane(QWidget* parent, PreviewPaneEvents events) = 0;
};

} // namespace pickwell

#define PickwellPreviewEngine_iid "com.brackenfield.Pickwell.PreviewEngine/1"
Q_DECLARE_INTERFACE(pickwell::PreviewEngine, PickwellPreviewEngine_iid)
