#pragma once

#include <QString>

#include <functional>
#include <string>

class QGridLayout;
class QLabel;
class QToolButton;
class QWidget;

namespace pickwell {

class ColorField;
class FilteredLineEdit;

// The widgets of one colour entry row: caption, text field txtclr(i), swatch lblclr(i) and
// picker button cmdclr(i), placed in one row of a grid. The three windows with colour fields
// share it; the form model decides everything, the row only shows it and passes input on.
class ColorTrio {
public:
    struct Handlers {
        std::function<void(int index, const std::string& text)> edited;
        std::function<void(int index)> lostFocus;
        std::function<void(int index)> pick;
    };

    // The row's texts, each whole as it is shown or read out; the view that owns the row
    // translates them. The field's accessible name is the caption without its mnemonic.
    struct Texts {
        QString caption;
        QString swatchName;
        QString pickerTip;
        QString pickerName;
    };

    // `captionName` is the caption label's object name ("" for none).
    ColorTrio(QWidget* parent, QGridLayout* grid, int row, int index, const Texts& texts,
              const QString& captionName, Handlers handlers);

    // `rowEnabled` covers the caption, swatch and picker; the field follows its own state.
    void Show(const ColorField& field, bool rowEnabled);

    FilteredLineEdit* field() const { return m_field; }
    QToolButton* picker() const { return m_pick; }

private:
    QLabel* m_caption;
    FilteredLineEdit* m_field;
    QLabel* m_swatch;
    QToolButton* m_pick;
};

} // namespace pickwell
