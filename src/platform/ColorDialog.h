#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace pickwell {

// The desktop's colour chooser. Colours are 0x00BBGGRR; the 16 custom colours are read
// and updated in place. Returns nothing when the user cancels.
class ColorDialog {
public:
    virtual ~ColorDialog() = default;
    virtual std::optional<std::int32_t> ChooseColor(std::int32_t initial, bool fullOpen,
                                                    std::array<std::int32_t, 16>& customColors) = 0;
};

} // namespace pickwell
