#include "ui/TellAFriendWindow.h"

#include "app/TellAFriendForm.h"
#include "ui/ViewSync.h"
#include "ui/Widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pickwell {

TellAFriendWindow::TellAFriendWindow(TellAFriendForm& form, QWidget* owner)
    : QDialog(owner)
    , m_form(form) {
    setObjectName(QStringLiteral("frmTAF"));
    setWindowTitle(ToQt(TellAFriendForm::Caption));

    auto* layout = new QVBoxLayout(this);
    QLabel* caption = NamedLabel(tr("Your friends' &email addresses:"), "lblAddresses", this);
    layout->addWidget(caption);
    for (int i = 0; i < TellAFriendForm::AddressCount; ++i) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("Text1_%1").arg(i));
        field->setAccessibleName(tr("Friend's email address %1").arg(i + 1));
        field->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
        layout->addWidget(field);
        m_addresses[static_cast<std::size_t>(i)] = field;
        connect(field, &QLineEdit::textEdited, this,
                [this, i](const QString& text) { m_form.SetAddress(i, FromQt(text)); });
    }
    caption->setBuddy(m_addresses[0]);

    auto* send = NamedButton(tr("&Send"), "cmdSend", this);
    auto* cancel = NamedButton(tr("Cancel"), "cmdCancel", this);
    send->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(send);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(send, &QPushButton::clicked, this, [this] { m_form.Send(); });
    connect(cancel, &QPushButton::clicked, this, [this] { m_form.Cancel(); });
    m_form.SetChangedCallback([this] {
        if (m_form.closed()) {
            done(QDialog::Accepted);
        }
    });
}

TellAFriendWindow::~TellAFriendWindow() {
    m_form.SetChangedCallback(nullptr);
}

void TellAFriendWindow::reject() {
    m_form.Cancel();
}

} // namespace pickwell
