#pragma once

#include "model/FormControls.h"
#include "style/ListControl.h"

#include <QColor>
#include <QString>

#include <string>
#include <string_view>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QWidget;

// Copying form-model state into widgets. Each helper blocks the widget's signals while it
// writes and writes only what differs, so a refresh never runs a handler and never moves a
// caret that did not need to move.
namespace pickwell {

inline QString ToQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQt(const QString& text) {
    return text.toStdString();
}

void ShowText(QLineEdit* edit, const std::string& text);
void ShowText(QLineEdit* edit, const TextControl& control);
void ShowCheck(QAbstractButton* box, const CheckControl& control);
void ShowChecked(QAbstractButton* button, bool checked);
// A choose-only list shows its items and selected index; an editable one also its text.
void ShowList(QComboBox* combo, const ListControl& list);

// The colour a swatch paints for a ColorValue (0x00BBGGRR, system colours translated).
QColor SwatchColor(std::int32_t value);
void PaintSwatch(QWidget* swatch, std::int32_t value, bool opaque);

// Moves the keyboard focus to the child of `window` named in the request, with its text
// selection, and reports whether there was one to serve.
bool ServeFocusRequest(QWidget* window, const FocusRequest& request);

// The visible text of a caption without its mnemonic marker, for accessible names.
QString WithoutMnemonic(QString caption);

} // namespace pickwell
