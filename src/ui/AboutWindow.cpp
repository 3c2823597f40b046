#include "ui/AboutWindow.h"

#include "app/AboutForm.h"
#include "app/HelpCommands.h"
#include "codegen/MenuCode.h"
#include "ui/Icons.h"
#include "ui/ViewSync.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pickwell {
namespace {

// A label that shows its text as a link and reports a click on it.
QLabel* Link(const QString& text, const char* name, QWidget* parent) {
    QLabel* link =
        NamedLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()), name, parent);
    link->setTextFormat(Qt::RichText);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setFocusPolicy(Qt::StrongFocus);
    link->setAccessibleName(text);
    return link;
}

QLabel* Plain(const QString& text, const char* name, QWidget* parent) {
    QLabel* label = NamedLabel(text, name, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

AboutWindow::AboutWindow(AboutForm& form, QWidget* owner)
    : QDialog(owner)
    , m_form(form) {
    setObjectName(QStringLiteral("FrmAbt"));
    setWindowTitle(ToQt(AboutForm::Caption));

    auto* picture = NamedLabel(QString(), "imgLogo", this);
    picture->setPixmap(ThemeIcon(QStringLiteral("document-new")).pixmap(48));
    picture->setAlignment(Qt::AlignTop);
    auto* name = NamedLabel(QStringLiteral("Pickwell"), "lblName", this);
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    name->setFont(big);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* web = Link(ToQt(MakerWebAddress), "lblWeb", this);
    auto* mail = Link(ToQt(SupportMailAddress), "lblMail", this);
    auto* ok = NamedButton(tr("OK"), "cmdAbtOK", this);
    ok->setDefault(true);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(Plain(ToQt(AboutForm::VersionText), "lblVersion", this));
    text->addWidget(Plain(ToQt(AboutForm::BuildText()), "lblBuild", this));
    text->addWidget(line);
    text->addWidget(Plain(ToQt(AboutForm::MakerText), "lblMaker", this));
    text->addWidget(web);
    text->addWidget(mail);
    text->addWidget(Plain(ToQt(AboutForm::LicenceText), "lblLicence", this));
    text->addWidget(Plain(ToQt(AboutForm::TrademarkText), "lblTrademark", this));
    auto* body = new QHBoxLayout;
    body->addWidget(picture);
    body->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);

    connect(web, &QLabel::linkActivated, this, [this] { m_form.OpenWebSite(); });
    connect(mail, &QLabel::linkActivated, this, [this] { m_form.OpenSupportMail(); });
    connect(ok, &QPushButton::clicked, this, [this] { m_form.Ok(); });
    m_form.SetChangedCallback([this] {
        if (m_form.closed()) {
            done(QDialog::Accepted);
        }
    });
}

AboutWindow::~AboutWindow() {
    m_form.SetChangedCallback(nullptr);
}

void AboutWindow::reject() {
    m_form.Ok();
}

} // namespace pickwell
