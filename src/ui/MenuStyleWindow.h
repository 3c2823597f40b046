#pragma once

#include "ui/StyleWindowView.h"

#include <vector>

class QCheckBox;
class QLabel;

namespace pickwell {

class FilteredLineEdit;
class FontGroup;
class MenuStyleForm;

// The Menu Style Options window over its form model: colours, font and width of the list.
class MenuStyleWindow : public StyleWindowView {
    Q_OBJECT

public:
    explicit MenuStyleWindow(MenuStyleForm& form, QWidget* owner = nullptr);

private:
    void Refresh();

    MenuStyleForm& m_form;
    std::vector<ColorTrio> m_colors;
    QCheckBox* m_systemColors;
    FontGroup* m_font;
    QCheckBox* m_constrainWidth;
    QLabel* m_widthLabel;
    FilteredLineEdit* m_width;
    QLabel* m_pixels;
};

} // namespace pickwell
