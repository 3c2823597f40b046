#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers in project files are read the lenient way: the leading number of the text counts
// and whatever follows it is ignored.
namespace pickwell {

// The text's leading number (optional sign, digits, decimal point, exponent; blanks are
// skipped); 0 when the text starts with no number. Nothing when the number does not fit a
// double.
std::optional<double> ParseLeadingNumber(std::string_view text);

// To the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value);

// The number as the shortest decimal text: "13", "-2.5", "1E+20".
std::string NumberToText(double value);

} // namespace pickwell
