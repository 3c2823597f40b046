#pragma once

#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// Widgets made with their object name and, for controls with a caption, the caption's text as
// their accessible name, so that tests and screen readers find them by the same names.
namespace pickwell {

QCheckBox* NamedCheckBox(const QString& caption, const QString& name, QWidget* parent);
QPushButton* NamedButton(const QString& caption, const QString& name, QWidget* parent);
QLabel* NamedLabel(const QString& text, const QString& name, QWidget* parent);
QGroupBox* NamedGroup(const QString& title, const QString& name, QWidget* parent);
// A caption whose mnemonic reaches `control`, which takes the caption as its accessible name.
QLabel* CaptionFor(QWidget* control, const QString& caption, const QString& name, QWidget* parent);

} // namespace pickwell
