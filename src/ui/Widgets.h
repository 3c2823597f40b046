#pragma once

#include <QString>

#include <functional>

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QObject;
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

// Runs `handler` with the new tick, 1 or 0, once for every change of a box's state, whatever
// made it: the pointer, the keyboard or an assistive tool's toggle action. A view's refresh
// writes with the box's signals blocked, so it never runs the handler.
void OnToggled(QAbstractButton* box, QObject* context, std::function<void(int)> handler);
// Runs `handler` when an option button becomes the chosen one. The option it unticks stays
// silent, so a choice runs one handler; the button's own signal, unlike its group's, is
// blocked while a refresh writes.
void OnChosen(QAbstractButton* option, QObject* context, std::function<void()> handler);

} // namespace pickwell
