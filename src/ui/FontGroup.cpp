#include "ui/FontGroup.h"

#include "style/StyleWindow.h"
#include "ui/FilteredLineEdit.h"
#include "ui/FontFaceDelegate.h"
#include "ui/ViewSync.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QSignalBlocker>
#include <QSlider>

namespace pickwell {
FontGroup::FontGroup(StyleWindow& form, const QString& title, const QString& underlineName,
                     const QString& italicName, QWidget* parent)
    : QGroupBox(title, parent)
    , m_form(form)
    , m_font(new QComboBox(this))
    , m_size(new QComboBox(this))
    , m_weight(new QSlider(Qt::Horizontal, this))
    , m_weightValue(new QLabel(this))
    , m_underline(NamedCheckBox(tr("&Underlined"), underlineName, this))
    , m_italic(NamedCheckBox(tr("&Italics"), italicName, this)) {
    m_font->setObjectName("combofont");
    // Measuring two thousand font names for the width would slow every filling down.
    m_font->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_font->setMinimumContentsLength(28);
    m_font->setItemDelegate(new FontFaceDelegate(m_font));
    // Every row the same height, as the first row measures, so opening the list loads only the
    // faces on screen, not every face in the list.
    if (auto* list = qobject_cast<QListView*>(m_font->view())) {
        list->setUniformItemSizes(true);
    }

    m_size->setObjectName("combofontsize");
    m_size->setEditable(true);
    auto* sizeEdit = new FilteredLineEdit(m_size);
    sizeEdit->SetKeyFilter(&StyleWindow::KeyPressFontSize);
    m_size->setLineEdit(sizeEdit);
    // The form model holds the list; the box must neither add typed sizes nor complete them.
    m_size->setInsertPolicy(QComboBox::NoInsert);
    m_size->setCompleter(nullptr);
    m_size->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_size->setMinimumContentsLength(4);

    m_weight->setObjectName("Slider1");
    m_weight->setRange(FontControls::MinWeight, FontControls::MaxWeight);
    m_weight->setTickPosition(QSlider::TicksBelow);
    m_weight->setTickInterval(100);
    m_weight->setSingleStep(10);
    m_weight->setPageStep(100);
    // The value settles when a drag ends; the label follows the drag meanwhile.
    m_weight->setTracking(false);

    m_weightValue->setObjectName("Label16");
    m_weightValue->setMinimumWidth(m_weightValue->fontMetrics().horizontalAdvance("0000"));
    m_weightValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* lighter = new QLabel(tr("Lighter", "font weight"), this);
    lighter->setObjectName("lblLighter");
    auto* bolder = new QLabel(tr("Bolder", "font weight"), this);
    bolder->setObjectName("lblBolder");
    auto* ends = new QHBoxLayout;
    ends->addWidget(lighter);
    ends->addStretch();
    ends->addWidget(bolder);

    auto* boxes = new QHBoxLayout;
    boxes->addWidget(m_underline);
    boxes->addWidget(m_italic);
    boxes->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(CaptionFor(m_font, tr("&Font:"), "lblFont", this), 0, 0);
    grid->addWidget(m_font, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(CaptionFor(m_size, tr("Font &Size:"), "lblFontSize", this), 1, 0);
    grid->addWidget(m_size, 1, 1, Qt::AlignLeft);
    grid->addWidget(CaptionFor(m_weight, tr("Font Wei&ght:"), "lblFontWeight", this), 2, 0);
    grid->addWidget(m_weight, 2, 1);
    grid->addWidget(m_weightValue, 2, 2);
    grid->addLayout(ends, 3, 1);
    grid->addLayout(boxes, 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    connect(m_font, &QComboBox::activated, this,
            [this](int index) { m_form.SelectFontIndex(index); });
    connect(sizeEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetFontSizeText(FromQt(text)); });
    connect(m_size, &QComboBox::activated, this,
            [this](int index) { m_form.SelectFontSize(index); });
    connect(m_weight, &QSlider::valueChanged, this,
            [this](int value) { m_form.SetFontWeight(value); });
    connect(m_weight, &QSlider::sliderMoved, this,
            [this](int value) { m_form.ScrollFontWeight(value); });
    OnToggled(m_underline, this, [this](int value) { m_form.SetUnderline(value); });
    OnToggled(m_italic, this, [this](int value) { m_form.SetItalic(value); });
}

void FontGroup::Show(const CheckControl& underline, const CheckControl& italic) {
    ShowList(m_font, m_form.combofont());
    ShowList(m_size, m_form.combofontsize());
    // Setting the value during a drag would snap the handle back to it.
    if (m_weight->value() != m_form.Slider1()) {
        const QSignalBlocker block(m_weight);
        m_weight->setValue(m_form.Slider1());
    }
    m_weightValue->setText(ToQt(m_form.Label16()));
    ShowCheck(m_underline, underline);
    ShowCheck(m_italic, italic);
}

} // namespace pickwell
