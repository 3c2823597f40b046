#include "persistence/LeadingNumber.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace pickwell {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
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
    const double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value)) {
        return std::nullopt;
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
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
        return buffer;
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    // "%G" gives "1E+20" and "1.5E-07"; drop the exponent's leading zeros as "1.5E-7".
    const auto e = text.find('E');
    if (e != std::string::npos) {
        std::size_t digit = e + 2;
        while (digit + 1 < text.size() && text[digit] == '0') {
            text.erase(digit, 1);
        }
    }
    return text;
}

} // namespace pickwell
