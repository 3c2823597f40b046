#pragma once

#include "platform/ColorDialog.h"

#include <deque>
#include <optional>

namespace pickwell {

// Returns queued choices (nothing = cancel) and records what each call was given.
class ScriptedColorDialog : public ColorDialog {
public:
    std::optional<std::int32_t> ChooseColor(std::int32_t initial, bool fullOpen,
                                            std::array<std::int32_t, 16>& customColors) override {
        lastInitial = initial;
        lastFullOpen = fullOpen;
        customSeen = customColors;
        if (nextCustom) {
            customColors = *nextCustom;
            nextCustom.reset();
        }
        ++calls;
        if (answers.empty()) {
            return std::nullopt;
        }
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::optional<std::int32_t>> answers;
    std::optional<std::array<std::int32_t, 16>> nextCustom; // what the user leaves in the table
    std::array<std::int32_t, 16> customSeen{};
    std::int32_t lastInitial = -1;
    bool lastFullOpen = false;
    int calls = 0;
};

} // namespace pickwell
