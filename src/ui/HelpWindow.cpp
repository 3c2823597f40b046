#include "ui/HelpWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace pickwell {
namespace {

constexpr int PageRole = Qt::UserRole;

QString Title(const QString& html, const QString& fallback) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("<title>(.*?)</title>")).match(html);
    return match.hasMatch() ? match.captured(1) : fallback;
}

} // namespace

HelpWindow::HelpWindow(const QString& folder, const QStringList& pages, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_folder(folder)
    , m_search(new QLineEdit(this))
    , m_contents(new QListWidget(this))
    , m_page(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    // The program ends with its main window, whether the help is still open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("Pickwell Help"));
    m_search->setObjectName(QStringLiteral("helpSearch"));
    m_search->setPlaceholderText(tr("Search the help"));
    m_search->setAccessibleName(tr("Search the help"));
    m_search->setClearButtonEnabled(true);
    m_contents->setObjectName(QStringLiteral("helpContents"));
    m_contents->setAccessibleName(tr("Help pages"));
    m_page->setObjectName(QStringLiteral("helpPage"));
    m_page->setAccessibleName(tr("Help page"));
    m_page->setSearchPaths({folder});
    // Addresses outside the manual open in the desktop's browser.
    m_page->setOpenExternalLinks(true);

    for (const QString& page : pages) {
        QFile file(folder + page);
        const QString html =
            file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        QTextDocument text;
        text.setHtml(html);
        m_texts.append(text.toPlainText());
        auto* entry = new QListWidgetItem(Title(html, page), m_contents);
        entry->setData(PageRole, page);
    }

    auto* left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(m_search);
    left->addWidget(m_contents);
    auto* leftPane = new QWidget(this);
    leftPane->setLayout(left);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(leftPane);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    resize(900, 640);

    connect(m_contents, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) {
            ShowPage(item->data(PageRole).toString());
        }
    });
    connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::Search);
    for (const QKeySequence& keys :
         {QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    }
}

void HelpWindow::ShowPage(const QString& page) {
    const QUrl url = QUrl::fromLocalFile(m_folder + page);
    if (m_page->source() != url) {
        m_page->setSource(url);
    }
    for (int i = 0; i < m_contents->count(); ++i) {
        if (m_contents->item(i)->data(PageRole).toString() == page &&
            m_contents->currentRow() != i) {
            m_contents->setCurrentRow(i);
        }
    }
}

void HelpWindow::Search(const QString& words) {
    const QStringList wanted = words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < m_contents->count(); ++i) {
        bool all = true;
        for (const QString& word : wanted) {
            all = all && m_texts.value(i).contains(word, Qt::CaseInsensitive);
        }
        m_contents->item(i)->setHidden(!all);
    }
}

} // namespace pickwell
