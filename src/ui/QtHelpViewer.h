#pragma once

#include "platform/HelpViewer.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <string>

namespace pickwell {

class HelpWindow;

// The manual in a window of the program's own. It also gives every control the What's This
// text its window's page holds for it, as each window first shows, and answers F1 with the
// page of the active window.
class QtHelpViewer : public QObject, public HelpViewer {
public:
    // `folder` holds the help pages and ends in "/".
    explicit QtHelpViewer(std::string folder);
    ~QtHelpViewer() override;

    void ShowTopic(const std::string& topic) override;
    void EnterWhatsThisMode() override;

    // Sets the texts on the controls of `window`, found by their object names.
    void ApplyWhatsThis(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The What's This texts of a window's page, by control name, read once per page.
    const std::map<std::string, std::string>& TextsFor(const std::string& windowName);

    std::string m_folder;
    QPointer<HelpWindow> m_window;
    std::map<std::string, std::map<std::string, std::string>> m_texts; // by page
};

} // namespace pickwell
