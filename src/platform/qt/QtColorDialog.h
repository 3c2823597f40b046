#pragma once

#include "platform/ColorDialog.h"

namespace pickwell {

// The colour chooser over Qt's own QColorDialog, whose 16 custom colours stand for the
// program's table while the dialog is open.
class QtColorDialog : public ColorDialog {
public:
    std::optional<std::int32_t> ChooseColor(std::int32_t initial, bool fullOpen,
                                            std::array<std::int32_t, 16>& customColors) override;
};

} // namespace pickwell
