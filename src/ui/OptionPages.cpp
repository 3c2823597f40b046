#include "ui/OptionPages.h"

#include "colour/ColorValues.h"
#include "model/MainForm.h"
#include "ui/FilteredLineEdit.h"
#include "ui/ViewSync.h"
#include "ui/Widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pickwell {
namespace {

constexpr int MenuPage = 0;
constexpr int ButtonPage = 1;
constexpr int WideScreenWidthMaxLength = 4;

// A label and its field in one row of a grid; the label's mnemonic reaches the field.
QLineEdit* AddField(QGridLayout* grid, int row, const QString& caption, const char* labelName,
                    const char* fieldName, QLabel** label) {
    auto* parent = grid->parentWidget();
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(fieldName));
    *label = CaptionFor(field, caption, QString::fromLatin1(labelName), parent);
    grid->addWidget(*label, row, 0);
    grid->addWidget(field, row, 1);
    return field;
}

QComboBox* AddList(QGridLayout* grid, int row, const QString& caption, const char* labelName,
                   const char* listName, const auto& texts, QLabel** label) {
    auto* parent = grid->parentWidget();
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(listName));
    for (const char* text : texts) {
        list->addItem(QString::fromLatin1(text));
    }
    *label = CaptionFor(list, caption, QString::fromLatin1(labelName), parent);
    grid->addWidget(*label, row, 0);
    grid->addWidget(list, row, 1);
    return list;
}

QRadioButton* Option(const QString& caption, const QString& name, QButtonGroup* group, int id) {
    auto* option = new QRadioButton(caption);
    option->setObjectName(name);
    option->setAccessibleName(WithoutMnemonic(caption));
    group->addButton(option, id);
    return option;
}

void ShowOption(QLineEdit* field, QLabel* label, const std::string& text, bool enabled) {
    ShowText(field, text);
    field->setEnabled(enabled);
    label->setEnabled(enabled);
}

} // namespace

OptionPages::OptionPages(MainForm& form, std::function<void()> openMenuStyle,
                         std::function<void()> openButtonStyle, QWidget* parent)
    : QTabWidget(parent)
    , m_form(form)
    , m_openMenuStyle(std::move(openMenuStyle))
    , m_openButtonStyle(std::move(openButtonStyle)) {
    setObjectName(QStringLiteral("SSTab1"));
    addTab(BuildMenuPage(), tr("Menu Properties"));
    addTab(BuildButtonPage(), tr("Button Properties"));
}

QWidget* OptionPages::BuildMenuPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("menuPropertiesPage"));
    auto* grid = new QGridLayout(page);
    QLabel* label1 = nullptr;
    m_txtmnm = AddField(grid, 0, tr("&Menu Name:"), "Label1", "txtmnm", &label1);
    auto* label2 = NamedLabel(tr("(Must be unique for each menu on page.)"), "Label2", page);
    grid->addWidget(label2, 1, 1);

    auto* behaviour = new QButtonGroup(page);
    m_menubehavopt[0] = Option(tr("Navigate &on Button Click"), "menubehavopt0", behaviour, 0);
    m_menubehavopt[1] = Option(tr("Navigate on Item Chang&e"), "menubehavopt1", behaviour, 1);
    grid->addWidget(m_menubehavopt[0], 2, 0, 1, 2);
    grid->addWidget(m_menubehavopt[1], 3, 0, 1, 2);

    m_cmbbttnaln = AddList(grid, 4, tr("Align to &Button:"), "lblbttnaln", "cmbbttnaln",
                           AlignToButtonTexts, &m_lblbttnaln);
    QLabel* targetlbl = nullptr;
    m_targetcombo = AddList(grid, 5, tr("&Target of Links:"), "targetlbl", "targetcombo",
                            TargetTexts, &targetlbl);
    m_txtfrm = AddField(grid, 6, tr("Frame Name:"), "lblfrm", "txtfrm", &m_lblfrm);

    m_chkstdcode = NamedCheckBox(tr("Standa&rds-compliant code"), "chkstdcode", page);
    const QString standards =
        tr("Writes the menu as HTML5 with CSS that current browsers apply: the list and button "
           "styles take effect also in pages that begin with <!DOCTYPE html>, texts and "
           "addresses are escaped, the script needs no javascript: action, the list gets a "
           "label, keyboard users can move through a list that navigates on change, and "
           "visitors without script get plain links. New projects start with it ticked. Untick it "
           "for the classic code, for pages that already use the old code.");
    m_chkstdcode->setToolTip(tr("Write HTML5 and CSS that current browsers apply"));
    m_chkstdcode->setWhatsThis(standards);
    grid->addWidget(m_chkstdcode, 7, 0, 1, 2);
    m_txtlistlbl = AddField(grid, 8, tr("List Label:"), "lbllistlbl", "txtlistlbl", &m_lbllistlbl);
    m_txtlistlbl->setPlaceholderText(tr("(none shown)"));
    m_txtlistlbl->setToolTip(tr("The text shown before the list in standards-compliant code"));
    BuildSiteOptions(grid, 9);

    auto* cmdAdvMnu = NamedButton(tr("Menu &Style"), "cmdAdvMnu", page);
    grid->addWidget(cmdAdvMnu, 11, 1, Qt::AlignRight);
    grid->setRowStretch(12, 1);
    grid->setColumnStretch(1, 1);

    connect(m_txtmnm, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetMenuName(FromQt(text)); });
    for (int i = 0; i < 2; ++i) {
        OnChosen(m_menubehavopt[i], this, [this, i] { m_form.SetNavigateMode(i); });
    }
    connect(m_cmbbttnaln, &QComboBox::activated, this,
            [this](int index) { m_form.SetAlignToButton(index); });
    connect(m_targetcombo, &QComboBox::activated, this,
            [this](int index) { m_form.SetTarget(index); });
    connect(m_txtfrm, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetFrameName(FromQt(text)); });
    OnToggled(m_chkstdcode, this, [this](int value) { m_form.SetStandardsCode(value); });
    connect(m_txtlistlbl, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetListLabel(FromQt(text)); });
    connect(cmdAdvMnu, &QPushButton::clicked, this, [this] { m_openMenuStyle(); });
    return page;
}

void OptionPages::BuildSiteOptions(QGridLayout* grid, int row) {
    auto* page = grid->parentWidget();
    m_chkcurpage = NamedCheckBox(tr("Show the current page"), "chkcurpage", page);
    m_chkcurpage->setToolTip(tr("Select the item of the page being viewed, so that one code "
                                "serves every page of the site"));
    grid->addWidget(m_chkcurpage, row, 0, 1, 2);
    m_chkwidelinks = NamedCheckBox(tr("Show as links on wide screens"), "chkwidelinks", page);
    m_chkwidelinks->setToolTip(
        tr("Show the items as a list of links on wide screens and the drop-down on narrow ones"));

    m_txtwidewdth = new FilteredLineEdit(page);
    m_txtwidewdth->setObjectName(QStringLiteral("txtwidewdth"));
    m_txtwidewdth->SetKeyFilter(&DigitKeyFilter);
    m_txtwidewdth->SetMaxTyped(WideScreenWidthMaxLength);
    m_txtwidewdth->setMaximumWidth(m_txtwidewdth->fontMetrics().horizontalAdvance("000000") + 16);
    m_txtwidewdth->setToolTip(tr("The narrowest screen, in pixels, that shows the links"));
    m_lblwidewdth = CaptionFor(m_txtwidewdth, tr("Width:", "of the screen that shows the links"),
                               QStringLiteral("lblwidewdth"), page);
    m_lblwidepx = NamedLabel(tr("px", "unit of the screen width"), "lblwidepx", page);
    // The width shares the row of its box, so that the page fits a small laptop's screen.
    auto* links = new QHBoxLayout;
    links->addWidget(m_chkwidelinks);
    links->addSpacing(m_lblwidewdth->fontMetrics().height());
    links->addWidget(m_lblwidewdth);
    links->addWidget(m_txtwidewdth);
    links->addWidget(m_lblwidepx);
    links->addStretch();
    grid->addLayout(links, row + 1, 0, 1, 2);

    OnToggled(m_chkcurpage, this, [this](int value) { m_form.SetShowCurrentPage(value); });
    OnToggled(m_chkwidelinks, this, [this](int value) { m_form.SetWideScreenLinks(value); });
    connect(m_txtwidewdth, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetWideScreenWidth(FromQt(text)); });
}

QWidget* OptionPages::BuildButtonPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("buttonPropertiesPage"));
    auto* layout = new QVBoxLayout(page);

    auto* kind = new QButtonGroup(page);
    m_buttonpropopt[0] = Option(tr("D&efault", "kind of button"), "buttonpropopt0", kind, 0);
    m_buttonpropopt[1] = Option(tr("G&raphic", "kind of button"), "buttonpropopt1", kind, 1);
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(m_buttonpropopt[0]);
    kinds->addWidget(m_buttonpropopt[1]);
    kinds->addStretch();
    layout->addLayout(kinds);

    auto* standard = new QGridLayout;
    layout->addLayout(standard);
    m_buttontxttxt = AddField(standard, 0, tr("&Text:", "caption of the button"), "buttontxtlbl",
                              "buttontxttxt", &m_buttontxtlbl);
    m_cmdBttnAdv = NamedButton(tr("Button &Style"), "cmdBttnAdv", page);
    standard->addWidget(m_cmdBttnAdv, 0, 2);

    auto* graphic = new QGridLayout;
    layout->addLayout(graphic);
    m_buttngrurl = AddField(graphic, 0, tr("URL of &Button Graphic:"), "buttngrurllbl",
                            "buttngrurl", &m_buttngrurllbl);
    auto* sizes = new QGridLayout;
    layout->addLayout(sizes);
    m_txtw = AddField(sizes, 0, tr("&Width:", "of the button graphic"), "lblw", "txtw", &m_lblw);
    m_txth = AddField(sizes, 1, tr("Height:", "of the button graphic"), "lblh", "txth", &m_lblh);
    m_txtalt = AddField(sizes, 2, tr("Alt Text:"), "lblalt", "txtalt", &m_lblalt);
    layout->addStretch();

    for (int i = 0; i < 2; ++i) {
        OnChosen(m_buttonpropopt[i], this, [this, i] { m_form.SetButtonType(i); });
    }
    connect(m_buttontxttxt, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetButtonText(FromQt(text)); });
    connect(m_cmdBttnAdv, &QPushButton::clicked, this, [this] { m_openButtonStyle(); });
    connect(m_buttngrurl, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetGraphicUrl(FromQt(text)); });
    connect(m_txtw, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetGraphicWidth(FromQt(text)); });
    connect(m_txth, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetGraphicHeight(FromQt(text)); });
    connect(m_txtalt, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetAltText(FromQt(text)); });
    return page;
}

void OptionPages::Show() {
    const MenuOptions& menu = m_form.project().menuOptions;
    const ButtonOptions& button = m_form.project().buttonOptions;
    const OptionStates& states = m_form.optionStates();

    ShowText(m_txtmnm, menu.menuName);
    for (int i = 0; i < 2; ++i) {
        ShowChecked(m_menubehavopt[i], menu.navigateMode == i);
        ShowChecked(m_buttonpropopt[i], button.buttonType == i);
        m_buttonpropopt[i]->setEnabled(states.buttonpropopt);
    }
    if (m_cmbbttnaln->currentIndex() != menu.alignToButton) {
        m_cmbbttnaln->setCurrentIndex(menu.alignToButton);
    }
    m_cmbbttnaln->setEnabled(states.cmbbttnaln);
    m_lblbttnaln->setEnabled(states.lblbttnaln);
    if (m_targetcombo->currentIndex() != menu.target) {
        m_targetcombo->setCurrentIndex(menu.target);
    }
    ShowOption(m_txtfrm, m_lblfrm, menu.frameName, states.txtfrm);
    ShowChecked(m_chkstdcode, menu.standardsCode == 1);
    ShowOption(m_txtlistlbl, m_lbllistlbl, menu.listLabel, states.txtlistlbl);
    ShowChecked(m_chkcurpage, menu.showCurrentPage == 1);
    m_chkcurpage->setEnabled(states.chkcurpage);
    ShowChecked(m_chkwidelinks, menu.wideScreenLinks == 1);
    m_chkwidelinks->setEnabled(states.chkwidelinks);
    ShowText(m_txtwidewdth, menu.wideScreenWidth);
    m_txtwidewdth->setEnabled(states.txtwidewdth);
    m_lblwidewdth->setEnabled(states.lblwidewdth);
    m_lblwidepx->setEnabled(states.txtwidewdth);

    ShowOption(m_buttontxttxt, m_buttontxtlbl, button.buttonText, states.buttontxttxt);
    m_cmdBttnAdv->setEnabled(states.cmdBttnAdv);
    ShowOption(m_buttngrurl, m_buttngrurllbl, button.graphicUrl, states.buttngrurl);
    ShowOption(m_txtw, m_lblw, button.graphicWidth, states.txtw);
    ShowOption(m_txth, m_lblh, button.graphicHeight, states.txth);
    ShowOption(m_txtalt, m_lblalt, button.altText, states.txtalt);

    setTabEnabled(ButtonPage, states.buttonPropertiesPage);
    if (!states.buttonPropertiesPage && currentIndex() == ButtonPage) {
        setCurrentIndex(MenuPage);
    }
}

} // namespace pickwell
