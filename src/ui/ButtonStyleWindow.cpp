#include "ui/ButtonStyleWindow.h"

#include "style/ButtonStyleForm.h"
#include "ui/FilteredLineEdit.h"
#include "ui/FontGroup.h"
#include "ui/ViewSync.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace pickwell {
ButtonStyleWindow::ButtonStyleWindow(ButtonStyleForm& form, QWidget* owner)
    : StyleWindowView(form, owner, "FrmAdvBttnOp", tr("Button Style Options"))
    , m_form(form) {
    const ColorTrio::Handlers handlers = ColorHandlers();
    const std::array<ColorTrio::Texts, ButtonStyleForm::ColorCount> texts{{
        {tr("&Text:", "text color of the button"), tr("Text: swatch"),
         tr("Select a color for text"), tr("Select Text", "picks the text color")},
        {tr("F&ace:", "face color of the button"), tr("Face: swatch"),
         tr("Select a color for face"), tr("Select Face", "picks the face color")},
        {tr("T&op Border:", "border color"), tr("Top Border: swatch"),
         tr("Select a color for top border"), tr("Select Top Border", "picks the border's color")},
        {tr("&Left Border:", "border color"), tr("Left Border: swatch"),
         tr("Select a color for left border"),
         tr("Select Left Border", "picks the border's color")},
        {tr("Right Bord&er:", "border color"), tr("Right Border: swatch"),
         tr("Select a color for right border"),
         tr("Select Right Border", "picks the border's color")},
        {tr("Botto&m Border:", "border color"), tr("Bottom Border: swatch"),
         tr("Select a color for bottom border"),
         tr("Select Bottom Border", "picks the border's color")},
    }};
    auto addColor = [&](QWidget* group, QGridLayout* grid, int row, int index) {
        m_colors.emplace_back(group, grid, row, index, texts[static_cast<std::size_t>(index)],
                              "lbldesc" + QString::number(index), handlers);
    };

    auto* general = NamedGroup(tr("General:"), "fraGeneral", this);
    auto* generalColors = NamedGroup(tr("Colors:", "of the button"), "fraGeneralColors", general);
    auto* generalGrid = new QGridLayout;
    addColor(generalColors, generalGrid, 0, 0);
    addColor(generalColors, generalGrid, 1, 1);
    generalGrid->setColumnStretch(4, 1);
    m_systemColors = NamedCheckBox(tr("Use &default system button and border colors."),
                                   "chksysbttnclr", generalColors);
    auto* generalColorBox = new QVBoxLayout(generalColors);
    generalColorBox->addLayout(generalGrid);
    generalColorBox->addWidget(m_systemColors);

    m_constrainSize =
        NamedCheckBox(tr("Determine button dimensions by font si&ze."), "chkconstbttnsz", general);
    auto* sizeGrid = new QGridLayout;
    m_width = SizeField(general, sizeGrid, 0, tr("Button &Width:"), "Label17", "txtBW",
                        tr("Pixels", "unit"), "Label20");
    m_width->SetKeyFilter(&ButtonStyleForm::KeyPressWidth);
    m_height = SizeField(general, sizeGrid, 1, tr("Button &Height:"), "Label19", "txtBH",
                         tr("Pixels", "unit"), "Label21");
    m_height->SetKeyFilter(&ButtonStyleForm::KeyPressHeight);
    auto* generalBox = new QVBoxLayout(general);
    generalBox->addWidget(generalColors);
    generalBox->addWidget(m_constrainSize);
    generalBox->addLayout(sizeGrid);
    generalBox->addStretch();

    auto* border = NamedGroup(tr("Border:", "of the button"), "fraBorder", this);
    auto* borderColors = NamedGroup(tr("Colors:", "of the border"), "fraBorderColors", border);
    m_syncTopLeft = NamedCheckBox(tr("S&ync Top and Left Border Colors"), "Check1", borderColors);
    m_syncRightBottom =
        NamedCheckBox(tr("Sync Right and Bottom Border &Colors"), "Check2", borderColors);
    auto* borderGrid = new QGridLayout;
    for (int i = 2; i < ButtonStyleForm::ColorCount; ++i) {
        addColor(borderColors, borderGrid, i - 2, i);
    }
    borderGrid->setColumnStretch(4, 1);
    auto* borderColorBox = new QVBoxLayout(borderColors);
    borderColorBox->addWidget(m_syncTopLeft);
    borderColorBox->addWidget(m_syncRightBottom);
    borderColorBox->addLayout(borderGrid);

    m_noBorder = NamedCheckBox(tr("&No Border"), "nbchk", border);
    auto* thicknessGrid = new QGridLayout;
    m_thickness = SizeField(border, thicknessGrid, 0, tr("Border Thic&kness:"), "Label18", "txtBT",
                            tr("pixels", "unit"), "Label22");
    m_thickness->SetKeyFilter([this](int key) { return m_form.KeyPressThickness(key); });
    auto* borderBox = new QVBoxLayout(border);
    borderBox->addWidget(borderColors);
    borderBox->addWidget(m_noBorder);
    borderBox->addLayout(thicknessGrid);
    borderBox->addStretch();

    m_font =
        new FontGroup(m_form, tr("Font:", "of the button"), "chkbttnfntUL", "chkbttnfntIT", this);
    m_font->setObjectName("fraFont");

    QHBoxLayout* buttons = ButtonRow([this] { m_form.RestoreDefaults(); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(general, 0, 0);
    layout->addWidget(border, 0, 1);
    layout->addWidget(m_font, 1, 0, 1, 2);
    layout->addLayout(previewSlot(), 2, 0, 1, 2);
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    OnToggled(m_systemColors, this, [this](int value) { m_form.SetSystemColors(value); });
    OnToggled(m_constrainSize, this, [this](int value) { m_form.SetConstrainSize(value); });
    OnToggled(m_syncTopLeft, this, [this](int value) { m_form.SetSyncTopLeft(value); });
    OnToggled(m_syncRightBottom, this, [this](int value) { m_form.SetSyncRightBottom(value); });
    OnToggled(m_noBorder, this, [this](int value) { m_form.SetNoBorder(value); });
    connect(m_width, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetWidthText(FromQt(text)); });
    connect(m_height, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetHeightText(FromQt(text)); });
    connect(m_thickness, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetThicknessText(FromQt(text)); });

    m_form.SetChangedCallback([this] { Refresh(); });
    Refresh();
}

FilteredLineEdit* ButtonStyleWindow::SizeField(QWidget* parent, QGridLayout* grid, int row,
                                               const QString& caption, const QString& captionName,
                                               const QString& name, const QString& unit,
                                               const QString& unitName) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(captionName);
    auto* field = new FilteredLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(WithoutMnemonic(caption));
    field->SetMaxTyped(static_cast<int>(ButtonStyleForm::SizeMaxLength));
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance("000000") + 16);
    label->setBuddy(field);
    auto* unitLabel = new QLabel(unit, parent);
    unitLabel->setObjectName(unitName);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(unitLabel, row, 2);
    grid->setColumnStretch(3, 1);
    m_followers.emplace_back(label, field);
    m_followers.emplace_back(unitLabel, field);
    return field;
}

void ButtonStyleWindow::Refresh() {
    for (int i = 0; i < ButtonStyleForm::ColorCount; ++i) {
        const ColorField& field = m_form.txtclr(i);
        m_colors[static_cast<std::size_t>(i)].Show(field, field.enabled());
    }
    ShowCheck(m_systemColors, m_form.chksysbttnclr());
    ShowCheck(m_constrainSize, m_form.chkconstbttnsz());
    ShowText(m_width, m_form.txtBW());
    ShowText(m_height, m_form.txtBH());
    ShowCheck(m_syncTopLeft, m_form.Check1());
    ShowCheck(m_syncRightBottom, m_form.Check2());
    ShowCheck(m_noBorder, m_form.nbchk());
    ShowText(m_thickness, m_form.txtBT());
    for (const auto& [follower, field] : m_followers) {
        follower->setEnabled(field->isEnabled());
    }
    m_font->Show(m_form.chkbttnfntUL(), m_form.chkbttnfntIT());

    FollowForm();
}

} // namespace pickwell
