#pragma once

#include "colour/ColorValues.h"

#include <optional>
#include <string_view>

namespace pickwell {

// The colour a page gets from a colour text as a browser reads it in a style: "#RRGGBB",
// "#RGB" or one of the CSS colour names, in any case. Nothing for a text a browser would
// ignore, so that a check can report it rather than guess.
std::optional<ColorValue> ColorFromText(std::string_view text);

} // namespace pickwell
