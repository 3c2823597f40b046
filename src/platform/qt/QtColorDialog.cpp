#include "platform/qt/QtColorDialog.h"

#include "platform/qt/QtPrompt.h"

#include <QColorDialog>

namespace pickwell {

namespace {

// Colours here are 0x00BBGGRR, red in the lowest byte; the top byte is not a colour.
QColor ToQt(std::int32_t value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

std::int32_t FromQt(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

} // namespace

std::optional<std::int32_t> QtColorDialog::ChooseColor(std::int32_t initial, bool /*fullOpen*/,
                                                       std::array<std::int32_t, 16>& customColors) {
    // QColorDialog always shows its custom colours and the full picker, so fullOpen has no use.
    for (int i = 0; i < int(customColors.size()); ++i) {
        QColorDialog::setCustomColor(i, ToQt(customColors[std::size_t(i)]));
    }
    QColorDialog dialog(ToQt(initial), QtPrompt::DialogOwner());
    // A desktop's own chooser would neither show nor return the program's custom colours.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    for (int i = 0; i < int(customColors.size()); ++i) {
        customColors[std::size_t(i)] = FromQt(QColorDialog::customColor(i));
    }
    if (!chosen) {
        return std::nullopt;
    }
    return FromQt(dialog.selectedColor());
}

} // namespace pickwell
