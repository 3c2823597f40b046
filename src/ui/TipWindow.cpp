#include "ui/TipWindow.h"

#include "app/TipForm.h"
#include "ui/ViewSync.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace pickwell {

TipWindow::TipWindow(TipForm& form, QWidget* owner)
    : QDialog(owner)
    , m_form(form)
    , m_tip(NamedLabel(QString(), "lblTipText", this))
    , m_showAtStartup(NamedCheckBox(tr("&Show Tips at Startup"), "chkLoadTipsAtStartup", this)) {
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(ToQt(TipForm::Caption));
    if (owner) {
        setWindowIcon(owner->windowIcon());
    }

    auto* picture = NamedLabel(QString(), "imgTip", this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size));
    picture->setAlignment(Qt::AlignTop);
    auto* heading = NamedLabel(tr("Did you know..."), "lblDidYouKnow", this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);
    m_tip->setTextFormat(Qt::PlainText);
    m_tip->setWordWrap(true);
    m_tip->setMinimumSize(m_tip->fontMetrics().averageCharWidth() * 50,
                          m_tip->fontMetrics().height() * 5);
    m_tip->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_tip->setFrameShape(QFrame::StyledPanel);
    m_tip->setMargin(8);

    auto* next = NamedButton(tr("&Next Tip"), "cmdNextTip", this);
    auto* ok = NamedButton(tr("OK"), "cmdOK", this);
    ok->setDefault(true);

    auto* text = new QVBoxLayout;
    text->addWidget(heading);
    text->addWidget(m_tip, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(picture);
    body->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_showAtStartup);
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    OnToggled(m_showAtStartup, this, [this](int value) { m_form.SetShowAtStartup(value); });
    connect(next, &QPushButton::clicked, this, [this] { m_form.NextTip(); });
    connect(ok, &QPushButton::clicked, this, [this] { m_form.Ok(); });
    m_form.SetChangedCallback([this] { Refresh(); });
    Refresh();
}

TipWindow::~TipWindow() {
    m_form.SetChangedCallback(nullptr);
}

void TipWindow::reject() {
    m_form.Ok();
}

void TipWindow::Refresh() {
    // The text's line ends are CR LF; a label breaks lines at LF alone.
    m_tip->setText(ToQt(m_form.lblTipText()).remove(QLatin1Char('\r')));
    ShowCheck(m_showAtStartup, m_form.chkLoadTipsAtStartup());
    if (m_form.closed()) {
        done(QDialog::Accepted);
    }
}

} // namespace pickwell
