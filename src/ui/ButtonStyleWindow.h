#pragma once

#include "ui/ColourTrio.h"

#include <QDialog>

#include <utility>
#include <vector>

class QCheckBox;
class QGridLayout;

namespace pickwell {

class ButtonStyleForm;
class FilteredLineEdit;
class FontGroup;

// The Button Style Options window over its form model. Like the menu style window it lives
// for the whole run and shows or hides itself as the form model says, without a modal loop.
class ButtonStyleWindow : public QDialog {
public:
    explicit ButtonStyleWindow(ButtonStyleForm& form, QWidget* owner = nullptr);
    ~ButtonStyleWindow() override;

    // Escape is the close box.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // A size field with its caption before it and its unit after it, in one grid row.
    FilteredLineEdit* SizeField(QWidget* parent, QGridLayout* grid, int row, const QString& caption,
                                const QString& captionName, const QString& name,
                                const QString& unit, const QString& unitName);
    void Refresh();

    ButtonStyleForm& m_form;
    std::vector<ColourTrio> m_colours;
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
