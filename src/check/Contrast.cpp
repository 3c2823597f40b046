#include "check/Contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace pickwell {
namespace {

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double RelativeLuminance(ColorValue color) {
    const int red = color & 0xFF;
    const int green = (color >> 8) & 0xFF;
    const int blue = (color >> 16) & 0xFF;
    return 0.2126 * Linear(red) + 0.7152 * Linear(green) + 0.0722 * Linear(blue);
}

double ContrastRatio(ColorValue text, ColorValue back) {
    const double a = RelativeLuminance(text);
    const double b = RelativeLuminance(back);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::string RatioText(double ratio) {
    double shown = std::round(ratio * 100) / 100;
    if (ratio < TextContrastMinimum && shown >= TextContrastMinimum) {
        shown = std::floor(ratio * 100) / 100;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.2f:1", shown);
    return text;
}

} // namespace pickwell
