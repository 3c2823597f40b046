#include "ui/StyleWindowView.h"

#include "style/StyleWindow.h"
#include "ui/ViewSync.h"
#include "ui/Widgets.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace pickwell {

StyleWindowView::StyleWindowView(StyleWindow& form, QWidget* owner, const QString& name,
                                 const QString& title)
    : QDialog(owner)
    , m_form(form)
    , m_previewSlot(new QVBoxLayout) {
    setObjectName(name);
    setWindowTitle(title);
    setWindowModality(Qt::ApplicationModal);
}

StyleWindowView::~StyleWindowView() {
    m_form.SetChangedCallback(nullptr);
}

void StyleWindowView::reject() {
    if (m_form.visible()) {
        m_form.CloseBox();
    } else {
        QDialog::reject();
    }
}

void StyleWindowView::closeEvent(QCloseEvent* event) {
    // Only the program's own unload hides the form model first; any other close is refused.
    if (m_form.visible()) {
        event->ignore();
        m_form.CloseBox();
    } else {
        QDialog::closeEvent(event);
    }
}

void StyleWindowView::SetPreview(QWidget* preview) {
    m_previewSlot->addWidget(preview);
}

ColorTrio::Handlers StyleWindowView::ColorHandlers() {
    return {[this](int index, const std::string& text) { m_form.SetColorText(index, text); },
            [this](int index) { m_form.ColorLostFocus(index); },
            [this](int index) { m_form.PickColor(index); }};
}

QHBoxLayout* StyleWindowView::ButtonRow(std::function<void()> restoreDefaults) {
    auto* restore = NamedButton(tr("&Restore Defaults"), "cmdrestdef", this);
    auto* ok = NamedButton(tr("OK"), "Command8", this);
    auto* cancel = NamedButton(tr("Cancel"), "Command9", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { m_form.Ok(); });
    connect(cancel, &QPushButton::clicked, this, [this] { m_form.Cancel(); });
    connect(restore, &QPushButton::clicked, this, std::move(restoreDefaults));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(restore);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    return buttons;
}

void StyleWindowView::FollowForm() {
    if (m_form.visible() && !isVisible()) {
        show();
        raise();
        activateWindow();
    } else if (!m_form.visible() && isVisible()) {
        hide();
    }
    ServeFocusRequest(this, m_form.focus());
    m_form.ClearFocusRequest();
}

} // namespace pickwell
