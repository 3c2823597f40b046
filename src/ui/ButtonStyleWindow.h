#pragma once

#include "ui/StyleWindowView.h"

#include <utility>
#include <vector>

class QCheckBox;
class QGridLayout;

namespace pickwell {

class ButtonStyleForm;
class FilteredLineEdit;
class FontGroup;

// The Button Style Options window over its form model: colours, border, font and size of
// the standard button.
class ButtonStyleWindow : public StyleWindowView {
    Q_OBJECT

public:
    explicit ButtonStyleWindow(ButtonStyleForm& form, QWidget* owner = nullptr);

private:
    // A size field with its caption before it and its unit after it, in one grid row.
    FilteredLineEdit* SizeField(QWidget* parent, QGridLayout* grid, int row, const QString& caption,
                                const QString& captionName, const QString& name,
                                const QString& unit, const QString& unitName);
    void Refresh();

    ButtonStyleForm& m_form;
    std::vector<ColorTrio> m_colors;
    QCheckBox* m_systemColors;
    QCheckBox* m_constrainSize;
    FilteredLineEdit* m_width;
    FilteredLineEdit* m_height;
    QCheckBox* m_syncTopLeft;
    QCheckBox* m_syncRightBottom;
    QCheckBox* m_noBorder;
    FilteredLineEdit* m_thickness;
    FontGroup* m_font;
    // Captions and units, each with the field whose enabled state it follows.
    std::vector<std::pair<QWidget*, QWidget*>> m_followers;
};

} // namespace pickwell
