#pragma once

#include "colour/ColorValues.h"

#include <string>

namespace pickwell {

// Text needs this contrast against its background to be read by people with moderately low
// vision (WCAG 2.2, success criterion 1.4.3, level AA).
inline constexpr double TextContrastMinimum = 4.5;

// WCAG's relative luminance of a plain colour: 0 for black, 1 for white.
double RelativeLuminance(ColorValue color);

// (lighter + 0.05) / (darker + 0.05): from 1 for equal colours to 21 for black on white,
// the same whichever colour is the text.
double ContrastRatio(ColorValue text, ColorValue back);

// "4.48:1". Two decimals, cut rather than rounded above the threshold's second decimal, so a
// ratio that fails never reads as 4.50:1.
std::string RatioText(double ratio);

} // namespace pickwell
