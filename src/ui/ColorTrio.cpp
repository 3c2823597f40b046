#include "ui/ColorTrio.h"

#include "colour/ColorField.h"
#include "ui/FilteredLineEdit.h"
#include "ui/Icons.h"
#include "ui/ViewSync.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

namespace pickwell {

ColorTrio::ColorTrio(QWidget* parent, QGridLayout* grid, int row, int index, const Texts& texts,
                     const QString& captionName, Handlers handlers)
    : m_caption(new QLabel(texts.caption, parent))
    , m_field(new FilteredLineEdit(parent))
    , m_swatch(new QLabel(parent))
    , m_pick(new QToolButton(parent)) {
    const QString number = QString::number(index);
    m_caption->setObjectName(captionName);
    m_caption->setBuddy(m_field);

    m_field->setObjectName("txtclr" + number);
    m_field->setAccessibleName(WithoutMnemonic(texts.caption));
    m_field->SetMaxTyped(ColorField::MaxLength);
    m_field->SetEnterMovesFocus(true);
    m_field->SetKeyFilter([](int key) { return ColorField::KeyPress(key).key; });
    m_field->setMaximumWidth(m_field->fontMetrics().horizontalAdvance("#DDDDDDD") + 16);

    m_swatch->setObjectName("lblclr" + number);
    m_swatch->setAccessibleName(texts.swatchName);
    m_swatch->setFixedSize(m_field->sizeHint().height() * 3 / 2, m_field->sizeHint().height());

    m_pick->setObjectName("cmdclr" + number);
    m_pick->setIcon(ThemeIcon("color-picker"));
    m_pick->setToolTip(texts.pickerTip);
    m_pick->setAccessibleName(texts.pickerName);

    grid->addWidget(m_caption, row, 0);
    grid->addWidget(m_field, row, 1);
    grid->addWidget(m_swatch, row, 2);
    grid->addWidget(m_pick, row, 3);

    QObject::connect(
        m_field, &QLineEdit::textEdited, parent,
        [edited = handlers.edited, index](const QString& text) { edited(index, FromQt(text)); });
    m_field->SetLostFocusHandler([lostFocus = handlers.lostFocus, index] { lostFocus(index); });
    QObject::connect(m_pick, &QToolButton::clicked, parent,
                     [pick = handlers.pick, index] { pick(index); });
}

void ColorTrio::Show(const ColorField& field, bool rowEnabled) {
    ShowText(m_field, field.text());
    m_field->setEnabled(field.enabled());
    m_caption->setEnabled(rowEnabled);
    m_swatch->setEnabled(rowEnabled);
    m_pick->setEnabled(rowEnabled);
    PaintSwatch(m_swatch, field.swatchColor(), field.swatchOpaque());
}

} // namespace pickwell
