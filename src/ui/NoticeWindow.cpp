#include "ui/NoticeWindow.h"

#include "style/NoticeForm.h"
#include "ui/ViewSync.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace pickwell {
NoticeWindow::NoticeWindow(NoticeForm& notice, QWidget* owner)
    : QDialog(owner)
    , m_notice(notice)
    , m_showAgain(new QCheckBox(tr("&Show this message again in the future."), this)) {
    setObjectName(notice.windowName());
    setWindowTitle(ToQt(notice.caption()));

    // The restore warning is a question about losing settings; the other two only inform.
    const QStyle::StandardPixmap iconKind =
        notice.asksYesNo() ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxInformation;
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    auto* icon = new QLabel(this);
    icon->setObjectName("Image1");
    icon->setPixmap(style()->standardIcon(iconKind, nullptr, this).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);

    auto* text = new QLabel(ToQt(notice.text()), this);
    text->setObjectName("Label1");
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    // Wide enough that the longest notice wraps into a few lines, not a narrow column.
    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 55);

    m_showAgain->setObjectName("Check1");
    m_showAgain->setAccessibleName(WithoutMnemonic(m_showAgain->text()));

    auto* message = new QVBoxLayout;
    message->addWidget(text);
    message->addSpacing(text->fontMetrics().height());
    message->addWidget(m_showAgain);
    auto* body = new QHBoxLayout;
    body->addWidget(icon);
    body->addSpacing(text->fontMetrics().height());
    body->addLayout(message, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    OnToggled(m_showAgain, this, [this](int value) { m_notice.SetShowAgain(value); });
    if (notice.asksYesNo()) {
        auto* yes = NamedButton(tr("&Yes"), "Command1", this);
        auto* no = NamedButton(tr("&No"), "Command2", this);
        yes->setDefault(true);
        buttons->addWidget(yes);
        buttons->addWidget(no);
        connect(yes, &QPushButton::clicked, this, [this] { m_notice.Yes(); });
        connect(no, &QPushButton::clicked, this, [this] { m_notice.No(); });
    } else {
        auto* ok = NamedButton(tr("OK"), "Command1", this);
        ok->setDefault(true);
        buttons->addWidget(ok);
        connect(ok, &QPushButton::clicked, this, [this] { m_notice.Ok(); });
    }

    m_notice.SetChangedCallback([this] { Refresh(); });
    Refresh();
}

NoticeWindow::~NoticeWindow() {
    m_notice.SetChangedCallback(nullptr);
}

void NoticeWindow::reject() {
    m_notice.Close();
}

void NoticeWindow::Refresh() {
    ShowCheck(m_showAgain, m_notice.Check1());
    if (m_notice.closed()) {
        QDialog::done(QDialog::Accepted);
    }
}

} // namespace pickwell
