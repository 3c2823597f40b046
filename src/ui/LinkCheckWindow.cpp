#include "ui/LinkCheckWindow.h"

#include "app/LinkCheckForm.h"
#include "platform/LinkProbe.h"
#include "ui/ViewSync.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace pickwell {
namespace {

void ShowCell(QTableWidget* table, int row, int column, const std::string& text, bool problem) {
    QTableWidgetItem* cell = table->item(row, column);
    if (cell == nullptr) {
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        table->setItem(row, column, cell);
    }
    const QString shown = ToQt(text);
    if (cell->text() != shown) {
        cell->setText(shown);
    }
    if (cell->font().bold() != problem) {
        QFont font = cell->font();
        font.setBold(problem);
        cell->setFont(font);
    }
}

} // namespace

LinkCheckWindow::LinkCheckWindow(const MenuProject& project, std::unique_ptr<LinkProbe> probe,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_probe(std::move(probe))
    , m_form(std::make_unique<LinkCheckForm>(project, *m_probe))
    , m_txtsitefolder(new QLineEdit(this))
    , m_chkcontrast(NamedCheckBox(tr("Check &colours"), "chkcontrast", this))
    , m_cmdcheck(NamedButton(tr("C&heck"), "cmdcheck", this))
    , m_cmdcancel(NamedButton(tr("Cancel"), "cmdcancel", this))
    , m_prgcheck(new QProgressBar(this))
    , m_lblcheckstatus(NamedLabel(QString(), "lblcheckstatus", this))
    , m_tblresults(new QTableWidget(0, 4, this)) {
    setObjectName(QStringLiteral("frmCheckLinks"));
    setWindowTitle(tr("Check Links"));
    m_txtsitefolder->setObjectName(QStringLiteral("txtsitefolder"));
    m_txtsitefolder->setPlaceholderText(tr("the folder of the site's pages on this computer"));
    QLabel* folderCaption = CaptionFor(m_txtsitefolder, tr("&Site folder:"), "lblsitefolder", this);
    m_prgcheck->setObjectName(QStringLiteral("prgcheck"));
    m_tblresults->setObjectName(QStringLiteral("tblresults"));
    m_tblresults->setHorizontalHeaderLabels(
        {tr("Item"), tr("Address or colours"), tr("Problem"), tr("Detail")});
    // Room for an item's name, an address and a problem; longer findings wrap within.
    const int letter = fontMetrics().averageCharWidth();
    for (const auto& [column, letters] : {std::pair{0, 16}, {1, 26}, {2, 18}}) {
        m_tblresults->setColumnWidth(column, letters * letter);
    }
    m_tblresults->horizontalHeader()->setStretchLastSection(true);
    m_tblresults->verticalHeader()->hide();
    m_tblresults->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tblresults->setAccessibleName(tr("Findings"));

    auto* folder = new QHBoxLayout;
    folder->addWidget(folderCaption);
    folder->addWidget(m_txtsitefolder, 1);
    folder->addWidget(m_chkcontrast);
    auto* progress = new QHBoxLayout;
    progress->addWidget(m_prgcheck, 1);
    progress->addWidget(m_cmdcheck);
    progress->addWidget(m_cmdcancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(folder);
    layout->addWidget(m_tblresults, 1);
    layout->addLayout(progress);
    layout->addWidget(m_lblcheckstatus);

    connect(m_txtsitefolder, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form->SetSiteFolder(FromQt(text)); });
    OnToggled(m_chkcontrast, this, [this](int value) { m_form->SetContrast(value); });
    connect(m_cmdcheck, &QPushButton::clicked, this, [this] { m_form->Check(); });
    connect(m_cmdcancel, &QPushButton::clicked, this, [this] { m_form->Cancel(); });
    m_form->SetChangedCallback([this] { Show(); });
    Show();
    resize(760, 420);
}

LinkCheckWindow::~LinkCheckWindow() {
    m_form->SetChangedCallback(nullptr);
}

void LinkCheckWindow::Show() {
    ShowText(m_txtsitefolder, m_form->txtsitefolder());
    ShowCheck(m_chkcontrast, m_form->chkcontrast());
    m_cmdcheck->setEnabled(m_form->checkEnabled());
    m_cmdcancel->setEnabled(m_form->cancelEnabled());
    m_prgcheck->setMaximum(m_form->progressMaximum());
    m_prgcheck->setValue(m_form->progressValue());
    m_lblcheckstatus->setText(ToQt(m_form->statusText()));
    const auto& findings = m_form->findings();
    m_tblresults->setRowCount(static_cast<int>(findings.size()));
    for (int row = 0; row < static_cast<int>(findings.size()); ++row) {
        const CheckFinding& finding = findings[static_cast<std::size_t>(row)];
        const bool problem = finding.verdict == CheckFinding::Verdict::Problem;
        ShowCell(m_tblresults, row, 0, finding.item, problem);
        ShowCell(m_tblresults, row, 1, finding.address, problem);
        ShowCell(m_tblresults, row, 2, finding.problem, problem);
        ShowCell(m_tblresults, row, 3, finding.detail, problem);
    }
}

} // namespace pickwell
