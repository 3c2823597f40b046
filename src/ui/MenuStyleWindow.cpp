#include "ui/MenuStyleWindow.h"

#include "style/MenuStyleForm.h"
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
MenuStyleWindow::MenuStyleWindow(MenuStyleForm& form, QWidget* owner)
    : StyleWindowView(form, owner, "frmAdvMnuOp", tr("Menu Style Options"))
    , m_form(form) {
    auto* colors = new QGroupBox(tr("Color Options:"), this);
    colors->setObjectName("fraColors");
    auto* colorGrid = new QGridLayout;
    const ColorTrio::Handlers handlers = ColorHandlers();
    const std::array<ColorTrio::Texts, MenuStyleForm::ColorCount> texts{{
        {tr("&Text:", "text color of the menu"), tr("Text: swatch"), tr("Select a color for text"),
         tr("Select Text", "picks the text color")},
        {tr("&Background:", "background color of the menu"), tr("Background: swatch"),
         tr("Select a color for background"),
         tr("Select Background", "picks the background color")},
    }};
    for (int i = 0; i < MenuStyleForm::ColorCount; ++i) {
        m_colors.emplace_back(colors, colorGrid, i, i, texts[static_cast<std::size_t>(i)],
                              "lbldesc" + QString::number(i), handlers);
    }
    colorGrid->setColumnStretch(4, 1);
    m_systemColors = NamedCheckBox(tr("Use &Default System Menu Colors"), "chkmnusysclr", colors);
    auto* colorBox = new QVBoxLayout(colors);
    colorBox->addLayout(colorGrid);
    colorBox->addWidget(m_systemColors);

    m_font = new FontGroup(m_form, tr("Font Options:"), "chkmnufntU", "chkmnufntI", this);
    m_font->setObjectName("fraFont");

    auto* dimensions = new QGroupBox(tr("Dimensions:"), this);
    dimensions->setObjectName("fraDimensions");
    m_constrainWidth =
        NamedCheckBox(tr("Determine width by font si&ze"), "chkconstmnuwdth", dimensions);
    m_widthLabel = NamedLabel(tr("&Width:", "of the menu"), "Label17", dimensions);
    m_width = new FilteredLineEdit(dimensions);
    m_width->setObjectName("txtMW");
    m_width->setAccessibleName(WithoutMnemonic(m_widthLabel->text()));
    m_width->SetKeyFilter(&MenuStyleForm::KeyPressWidth);
    m_width->SetMaxTyped(static_cast<int>(MenuStyleForm::WidthMaxLength));
    m_width->setMaximumWidth(m_width->fontMetrics().horizontalAdvance("000000") + 16);
    m_widthLabel->setBuddy(m_width);
    m_pixels = NamedLabel(tr("Pixels", "unit"), "Label20", dimensions);
    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(m_widthLabel);
    widthRow->addWidget(m_width);
    widthRow->addWidget(m_pixels);
    widthRow->addStretch();
    auto* dimensionBox = new QVBoxLayout(dimensions);
    dimensionBox->addWidget(m_constrainWidth);
    dimensionBox->addLayout(widthRow);

    QHBoxLayout* buttons = ButtonRow([this] { m_form.RestoreDefaults(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(colors);
    layout->addWidget(m_font);
    layout->addWidget(dimensions);
    layout->addLayout(previewSlot());
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    OnToggled(m_systemColors, this, [this](int value) { m_form.SetSystemColors(value); });
    OnToggled(m_constrainWidth, this, [this](int value) { m_form.SetConstrainWidth(value); });
    connect(m_width, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetWidthText(FromQt(text)); });

    m_form.SetChangedCallback([this] { Refresh(); });
    Refresh();
}

void MenuStyleWindow::Refresh() {
    for (int i = 0; i < MenuStyleForm::ColorCount; ++i) {
        const ColorField& field = m_form.txtclr(i);
        m_colors[static_cast<std::size_t>(i)].Show(field, field.enabled());
    }
    ShowCheck(m_systemColors, m_form.chkmnusysclr());
    m_font->Show(m_form.chkmnufntU(), m_form.chkmnufntI());
    ShowCheck(m_constrainWidth, m_form.chkconstmnuwdth());
    ShowText(m_width, m_form.txtMW());
    m_widthLabel->setEnabled(m_form.txtMW().enabled);
    m_pixels->setEnabled(m_form.txtMW().enabled);

    FollowForm();
}

} // namespace pickwell
