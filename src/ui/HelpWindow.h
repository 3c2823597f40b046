#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace pickwell {

// The help window: the pages of the manual in a list beside the page shown, and a search
// field that narrows the list to the pages holding every word typed.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // `folder` holds the pages; `pages` are their file names in the order of the contents.
    HelpWindow(const QString& folder, const QStringList& pages, QWidget* parent = nullptr);

    void ShowPage(const QString& page);

private:
    void Search(const QString& words);

    QString m_folder;
    QLineEdit* m_search;
    QListWidget* m_contents;
    QTextBrowser* m_page;
    QStringList m_texts; // each page's text, for the search
};

} // namespace pickwell
