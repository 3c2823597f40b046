#include "text/LeadingNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace pickwell {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether a number that does not fit a double is too large (rather than too small): its first
// significant digit's power of ten, plus the exponent, is positive. `number` is what
// ParseLeadingNumber gathered: digits with at most one point, then "e", a sign and digits.
bool IsTooLarge(std::string_view number) {
    const std::size_t e = std::min(number.find('e'), number.size());
    const std::string_view mantissa = number.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    // The power of ten of the first significant digit: 0 for the units' place.
    const long place =
        first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
    std::string_view exponent = e < number.size() ? number.substr(e + 1) : "0";
    const bool negative = exponent.front() == '-';
    if (exponent.front() == '+' || negative) {
        exponent.remove_prefix(1);
    }
    long power = 0;
    if (std::from_chars(exponent.data(), exponent.data() + exponent.size(), power).ec !=
        std::errc()) {
        return !negative; // an exponent beyond a long decides alone
    }
    // place + exponent > 0, put so that it cannot overflow.
    return negative ? power < place : power > -place;
}

} // namespace

std::optional<double> ParseLeadingNumber(std::string_view text) {
    std::string number;
    std::size_t pos = 0;
    const auto next = [&]() -> char {
        while (pos < text.size() && IsBlank(text[pos])) {
            ++pos;
        }
        return pos < text.size() ? text[pos] : '\0';
    };

    if (next() == '+' || next() == '-') {
        number += text[pos++];
    }
    bool digits = false;
    bool point = false;
    for (char c = next(); IsDigit(c) || (c == '.' && !point); c = next()) {
        point = point || c == '.';
        digits = digits || IsDigit(c);
        number += c;
        ++pos;
    }
    if (!digits) {
        return 0.0;
    }
    const char e = next();
    if (e == 'e' || e == 'E' || e == 'd' || e == 'D') {
        ++pos;
        std::string exponent = "e";
        if (next() == '+' || next() == '-') {
            exponent += text[pos++];
        }
        bool exponentDigits = false;
        while (IsDigit(next())) {
            exponent += text[pos++];
            exponentDigits = true;
        }
        if (exponentDigits) {
            number += exponent;
        }
    }
    // from_chars reads the C locale's form whatever the user's locale is; it takes no "+".
    std::string_view gathered = number;
    if (gathered.front() == '+') {
        gathered.remove_prefix(1);
    }
    const bool negative = gathered.front() == '-';
    double value = 0;
    const std::errc error =
        std::from_chars(gathered.data(), gathered.data() + gathered.size(), value).ec;
    if (error == std::errc::result_out_of_range) {
        // Beyond the range of a double; too small a number reads as a zero of its sign.
        if (IsTooLarge(gathered.substr(negative ? 1 : 0))) {
            return std::nullopt;
        }
        return negative ? -0.0 : 0.0;
    }
    return value;
}

double RoundHalfEven(double value) {
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5) {
        return down;
    }
    if (diff > 0.5) {
        return down + 1;
    }
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1;
}

std::string NumberToText(double value) {
    if (value == 0) {
        return "0";
    }
    // to_chars writes the C locale's form whatever the user's locale is: "%.0f" for a whole
    // number, else "%.15G" (general with 15 significant digits, trailing zeros dropped).
    char buffer[40];
    const bool whole = value == std::trunc(value) && std::fabs(value) < 1e15;
    const std::to_chars_result written =
        whole
            ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0)
            : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, written.ptr);
    // General form gives "1e+20" and "1.5e-07"; write them "1E+20" and "1.5E-7".
    const auto e = text.find('e');
    if (e != std::string::npos) {
        text[e] = 'E';
        std::size_t digit = e + 2;
        while (digit + 1 < text.size() && text[digit] == '0') {
            text.erase(digit, 1);
        }
    }
    return text;
}

} // namespace pickwell
