#include "ui/ImportWindow.h"

#include "import/ImportForm.h"
#include "ui/ViewSync.h"
#include "ui/Widgets.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QFont>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace pickwell {

// The preview's rows straight from the form model: a sitemap of many thousand pages shows at
// once, as the view asks only for the rows on screen.
class ImportPreviewModel : public QAbstractTableModel {
public:
    ImportPreviewModel(const ImportForm& form, QStringList headers, QObject* parent)
        : QAbstractTableModel(parent)
        , m_form(form)
        , m_headers(std::move(headers)) {}

    void Reload() {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_form.preview().size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
            return m_headers.value(section);
        }
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount()) {
            return {};
        }
        const ItemEntry& item = m_form.preview()[static_cast<std::size_t>(index.row())];
        if (role == Qt::FontRole && item.heading) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        if (role != Qt::DisplayRole) {
            return {};
        }
        switch (index.column()) {
        case 0:
            return ToQt(item.text);
        case 1:
            return ToQt(item.link);
        case 2:
            return item.heading ? QStringLiteral("Yes") : QStringLiteral("No");
        case 3:
            return ToQt(item.backColor.empty() ? "Default" : item.backColor);
        default:
            return ToQt(item.textColor.empty() ? "Default" : item.textColor);
        }
    }

private:
    const ImportForm& m_form;
    QStringList m_headers;
};

ImportWindow::ImportWindow(ImportForm& form, QWidget* owner)
    : QDialog(owner)
    , m_form(form)
    , m_format(new QComboBox(this))
    , m_list(new QComboBox(this)) {
    setObjectName("frmImport");
    setWindowTitle(ToQt(ImportForm::Caption));

    auto* file = NamedLabel(ToQt(form.path()), "lblfile", this);
    file->setTextFormat(Qt::PlainText);
    m_format->setObjectName("cmbformat");
    for (const std::string& caption : ImportForm::FormatCaptions()) {
        m_format->addItem(ToQt(caption));
    }
    m_list->setObjectName("cmblist");
    auto* fields = new QFormLayout;
    fields->addRow(NamedLabel(tr("File:"), "lblfilecaption", this), file);
    fields->addRow(CaptionFor(m_format, tr("&Format:"), "lblformat", this), m_format);
    m_listCaption = CaptionFor(m_list, tr("&List:", "a list on the page"), "lbllist", this);
    fields->addRow(m_listCaption, m_list);

    m_previewModel = new ImportPreviewModel(
        form, {tr("Item Text"), tr("Link URL"), tr("Heading"), tr("Back Color"), tr("Text Color")},
        this);
    m_preview = new QTableView(this);
    m_preview->setObjectName("tblpreview");
    m_preview->setAccessibleName(tr("Items to add"));
    m_preview->setModel(m_previewModel);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->verticalHeader()->setVisible(false);
    m_preview->horizontalHeader()->setStretchLastSection(true);

    m_status = NamedLabel(QString(), "lblstatus", this);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);

    m_ok = NamedButton(tr("OK"), "cmdok", this);
    m_ok->setDefault(true);
    auto* cancel = NamedButton(tr("Cancel"), "cmdcancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_preview, 1);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(QLatin1Char('x')) * 100, metrics.lineSpacing() * 30);

    connect(m_format, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_form.SetFormat(static_cast<ImportFormat>(index)); });
    connect(m_list, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_form.SetList(index); });
    connect(m_ok, &QPushButton::clicked, this, [this] { m_form.Accept(); });
    connect(cancel, &QPushButton::clicked, this, [this] { m_form.Cancel(); });

    m_form.SetChangedCallback([this] { Refresh(); });
    Refresh();
}

ImportWindow::~ImportWindow() {
    m_form.SetChangedCallback(nullptr);
}

void ImportWindow::reject() {
    m_form.Cancel();
}

void ImportWindow::Refresh() {
    {
        const QSignalBlocker blockFormat(m_format);
        m_format->setCurrentIndex(static_cast<int>(m_form.format()));
        const QSignalBlocker blockList(m_list);
        if (m_list->count() != static_cast<int>(m_form.listChoices().size())) {
            m_list->clear();
            for (const std::string& choice : m_form.listChoices()) {
                m_list->addItem(ToQt(choice));
            }
        }
        m_list->setCurrentIndex(m_form.listIndex());
    }
    m_list->setEnabled(m_form.listEnabled());
    m_listCaption->setEnabled(m_form.listEnabled());
    m_previewModel->Reload();
    m_status->setText(ToQt(m_form.statusText()));
    m_ok->setEnabled(m_form.okEnabled());
    if (m_form.closed()) {
        QDialog::done(m_form.accepted() ? QDialog::Accepted : QDialog::Rejected);
    }
}

} // namespace pickwell
