#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

namespace pickwell {

struct CheckControl;
class StyleWindow;

// The font group both style windows share: font list, size list, weight slider with its
// value beside it, underline and italics. The two windows name their underline and italics
// boxes differently, so they pass the names in and hand over those boxes' states.
class FontGroup : public QGroupBox {
    Q_OBJECT

public:
    FontGroup(StyleWindow& form, const QString& title, const QString& underlineName,
              const QString& italicName, QWidget* parent);

    void Show(const CheckControl& underline, const CheckControl& italic);

private:
    StyleWindow& m_form;
    QComboBox* m_font;
    QComboBox* m_size;
    QSlider* m_weight;
    QLabel* m_weightValue;
    QCheckBox* m_underline;
    QCheckBox* m_italic;
};

} // namespace pickwell
