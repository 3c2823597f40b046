#include "ui/QtHelpViewer.h"

#include "app/HelpTopics.h"
#include "persistence/TextFile.h"
#include "ui/HelpWindow.h"
#include "ui/ViewSync.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWhatsThis>

namespace pickwell {

QtHelpViewer::QtHelpViewer(std::string folder)
    : m_folder(std::move(folder)) {
    qApp->installEventFilter(this);
}

QtHelpViewer::~QtHelpViewer() {
    delete m_window;
}

void QtHelpViewer::ShowTopic(const std::string& topic) {
    // A window of the modal dialog in front, if there is one, so that the help is not blocked.
    QWidget* owner = QApplication::activeModalWidget();
    if (!m_window) {
        QStringList pages;
        for (const std::string& page : HelpPages()) {
            pages.append(ToQt(page));
        }
        m_window = new HelpWindow(ToQt(m_folder), pages);
    }
    if (m_window->parentWidget() != owner) {
        m_window->setParent(owner, Qt::Window);
    }
    m_window->ShowPage(ToQt(PageForTopic(topic)));
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void QtHelpViewer::EnterWhatsThisMode() {
    QWhatsThis::enterWhatsThisMode();
}

const std::map<std::string, std::string>& QtHelpViewer::TextsFor(const std::string& windowName) {
    const std::string page = PageForTopic(windowName);
    auto it = m_texts.find(page);
    if (it == m_texts.end()) {
        const ReadResult read = ReadWholeFile(m_folder + page);
        it = m_texts
                 .emplace(page, read.ok ? WhatsThisTexts(read.bytes)
                                        : std::map<std::string, std::string>{})
                 .first;
    }
    return it->second;
}

void QtHelpViewer::ApplyWhatsThis(QWidget* window) {
    const auto& texts = TextsFor(FromQt(window->objectName()));
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->window() != window || control->objectName().isEmpty()) {
            continue;
        }
        const auto it = texts.find(FromQt(control->objectName()));
        if (it != texts.end()) {
            control->setWhatsThis(ToQt(it->second));
        }
    }
}

bool QtHelpViewer::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget->isWindow() && event->type() == QEvent::Show &&
        widget != m_window.data()) {
        ApplyWhatsThis(widget);
    } else if (event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
               static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier && widget &&
               widget->window() != m_window.data()) {
        ShowTopic(FromQt(widget->window()->objectName()));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pickwell
