#pragma once

#include "ui/ColourTrio.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;

namespace pickwell {

class FilteredLineEdit;
class FontGroup;
class MenuStyleForm;

// The Menu Style Options window over its form model. It stays alive for the whole run and
// shows or hides itself as the form model says; it never runs a modal loop of its own, since
// the form model's Show returns at once.
class MenuStyleWindow : public QDialog {
public:
    explicit MenuStyleWindow(MenuStyleForm& form, QWidget* owner = nullptr);
    ~MenuStyleWindow() override;

    // Escape is the close box.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Refresh();

    MenuStyleForm& m_form;
    std::vector<ColourTrio> m_colours;
    QCheckBox* m_systemColors;
    FontGroup* m_font;
    QCheckBox* m_constrainWidth;
    QLabel* m_widthLabel;
    FilteredLineEdit* m_width;
    QLabel* m_pixels;
};

} // namespace pickwell
