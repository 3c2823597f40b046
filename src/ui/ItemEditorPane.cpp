#include "ui/ItemEditorPane.h"

#include "model/MainForm.h"
#include "ui/ColorTrio.h"
#include "ui/FilteredLineEdit.h"
#include "ui/LinkLineEdit.h"
#include "ui/ViewSync.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace pickwell {

ItemEditorPane::ItemEditorPane(MainForm& form, QWidget* parent)
    : QGroupBox(tr("Item Properties:"), parent)
    , m_form(form)
    , m_itemtexttext(new QLineEdit(this))
    , m_linktext(new LinkLineEdit(this))
    , m_notlinkchk(NamedCheckBox(tr("&Not linked"), "notlinkchk", this))
    , m_grheadchk(NamedCheckBox(tr("&Group heading"), "grheadchk", this))
    , m_chksel(NamedCheckBox(tr("&Default selected"), "chksel", this))
    , m_chkdefitmclr(NamedCheckBox(tr("Default &Color", "of the menu item"), "chkdefitmclr", this))
    , m_additemcmd(NamedButton(tr("&Add", "menu item"), "additemcmd", this))
    , m_cmdup(NamedButton(tr("&Update", "menu item"), "cmdup", this))
    , m_linkwarnlbl(NamedLabel(QString(), "linkwarnlbl", this)) {
    m_itemtexttext->setObjectName("itemtexttext");
    QLabel* itemtextlbl = CaptionFor(m_itemtexttext, tr("&Item Text:"), "itemtextlbl", this);
    m_linktext->setObjectName("linktext");
    m_linktext->setPlaceholderText(tr("https://"));
    m_linklbl = CaptionFor(m_linktext, tr("&Link URL:"), "linklbl", this);

    auto* fields = new QGridLayout;
    fields->addWidget(itemtextlbl, 0, 0);
    fields->addWidget(m_itemtexttext, 0, 1);
    fields->addWidget(m_linklbl, 1, 0);
    fields->addWidget(m_linktext, 1, 1);
    // A warning, not a refusal: the author may know better, so the link is still taken.
    m_linkwarnlbl->setWordWrap(true);
    m_linkwarnlbl->setStyleSheet(QStringLiteral("color: #A33A00"));
    m_linkwarnlbl->hide();
    fields->addWidget(m_linkwarnlbl, 2, 1);

    auto* advanced = NamedGroup(tr("Advanced Item Options:"), "fraadvanced", this);
    auto* options = new QGridLayout(advanced);
    options->addWidget(m_notlinkchk, 0, 0);
    options->addWidget(m_grheadchk, 0, 1);
    options->addWidget(m_chksel, 1, 0);
    options->addWidget(m_chkdefitmclr, 1, 1);
    auto* colors = new QGridLayout;
    const ColorTrio::Handlers handlers{
        [this](int i, const std::string& text) { m_form.SetColorText(i, text); },
        [this](int i) { m_form.ColorLostFocus(i); }, [this](int i) { m_form.PickColor(i); }};
    const ColorTrio::Texts back{tr("Bac&k Color:", "of the menu item"), tr("Back Color: swatch"),
                                tr("Select a color for back color"), tr("Select Back Color")};
    const ColorTrio::Texts text{tr("Te&xt Color:", "of the menu item"), tr("Text Color: swatch"),
                                tr("Select a color for text color"), tr("Select Text Color")};
    m_colors[0] = std::make_unique<ColorTrio>(this, colors, 0, 0, back,
                                              QStringLiteral("lblbackclr"), handlers);
    m_colors[1] = std::make_unique<ColorTrio>(this, colors, 1, 1, text,
                                              QStringLiteral("lbltextclr"), handlers);
    colors->setColumnStretch(4, 1);
    options->addLayout(colors, 2, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_additemcmd);
    buttons->addWidget(m_cmdup);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(advanced);
    layout->addLayout(buttons);

    // The colour rows are made after the buttons; the keyboard meets them in screen order.
    QWidget::setTabOrder(m_chkdefitmclr, m_colors[0]->field());
    QWidget::setTabOrder(m_colors[0]->field(), m_colors[0]->picker());
    QWidget::setTabOrder(m_colors[0]->picker(), m_colors[1]->field());
    QWidget::setTabOrder(m_colors[1]->field(), m_colors[1]->picker());
    QWidget::setTabOrder(m_colors[1]->picker(), m_additemcmd);

    connect(m_itemtexttext, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetItemText(FromQt(text)); });
    connect(m_linktext, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetLinkText(FromQt(text)); });
    m_linktext->SetDropHandler([this](bool offersPlainText, const std::string& text) {
        return m_form.DropOnLinkText(offersPlainText, text);
    });
    // Enter in either text field adds the item, as the Add button would when it is available.
    connect(m_itemtexttext, &QLineEdit::returnPressed, m_additemcmd, &QPushButton::click);
    connect(m_linktext, &QLineEdit::returnPressed, m_additemcmd, &QPushButton::click);
    OnToggled(m_notlinkchk, this, [this](int value) { m_form.SetNotLinked(value); });
    OnToggled(m_grheadchk, this, [this](int value) { m_form.SetGroupHeading(value); });
    OnToggled(m_chksel, this, [this](int value) { m_form.SetDefaultSelected(value); });
    OnToggled(m_chkdefitmclr, this, [this](int value) { m_form.SetDefaultColor(value); });
    connect(m_additemcmd, &QPushButton::clicked, this, [this] { m_form.AddItem(); });
    connect(m_cmdup, &QPushButton::clicked, this, [this] { m_form.UpdateItem(); });
}

ItemEditorPane::~ItemEditorPane() = default;

void ItemEditorPane::Show() {
    ShowText(m_itemtexttext, m_form.itemtexttext());
    ShowText(m_linktext, m_form.linktext());
    m_linklbl->setEnabled(m_form.linklblEnabled());
    m_linkwarnlbl->setText(ToQt(m_form.linkWarning()));
    m_linkwarnlbl->setVisible(!m_form.linkWarning().empty());
    ShowCheck(m_notlinkchk, m_form.notlinkchk());
    ShowCheck(m_grheadchk, m_form.grheadchk());
    ShowCheck(m_chksel, m_form.chksel());
    ShowCheck(m_chkdefitmclr, m_form.chkdefitmclr());
    for (int i = 0; i < 2; ++i) {
        m_colors[static_cast<std::size_t>(i)]->Show(m_form.txtclr(i), m_form.colorTrioEnabled(i));
    }
    m_additemcmd->setEnabled(m_form.commandStates().add);
    m_cmdup->setEnabled(m_form.commandStates().update);
}

} // namespace pickwell
