#include "platform/leading_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace platform {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

template <typename T>
std::optional<T> roundTo(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    double r = std::floor(v);
    const double diff = v - r;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max())) {
        return std::nullopt;
    }
    return static_cast<T>(r);
}

// A number beyond what a double holds: infinity when it is huge, 0 when it is tiny (its order
// of magnitude is far from 0 either way, so the sign of the order decides).
double outOfRange(const std::string& number) {
    long order = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    std::size_t i = number[0] == '-' || number[0] == '+' ? 1 : 0;
    for (; i < number.size() && number[i] != 'e'; ++i) {
        if (number[i] == '.') {
            seenPoint = true;
        } else if (!seenDigit && number[i] == '0') {
            if (seenPoint) --order;
        } else {
            if (!seenPoint) ++order;
            seenDigit = true;
        }
    }
    if (i < number.size()) {
        // strtol holds an absurd exponent at its limit; halving keeps the sum from overflowing
        // while leaving its sign, which is all that matters here.
        constexpr long kLimit = std::numeric_limits<long>::max() / 2;
        order += std::clamp(std::strtol(number.c_str() + i + 1, nullptr, 10), -kLimit, kLimit);
    }
    const double magnitude = order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return number[0] == '-' ? -magnitude : magnitude;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::string number;
    std::size_t i = 0;
    auto next = [&]() -> char {
        while (i < text.size() && isBlank(text[i])) ++i;
        return i < text.size() ? text[i] : '\0';
    };
    if (char c = next(); c == '+' || c == '-') {
        number += c;
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (char c = next(); isDigit(c) || (c == '.' && !point); c = next()) {
        point = point || c == '.';
        digits = digits || isDigit(c);
        number += c;
        ++i;
    }
    if (!digits) return 0.0;
    if (char c = next(); c == 'e' || c == 'E' || c == 'd' || c == 'D') {
        std::string exponent = "e";
        ++i;
        if (char s = next(); s == '+' || s == '-') {
            exponent += s;
            ++i;
        }
        bool expDigits = false;
        for (char d = next(); isDigit(d); d = next()) {
            exponent += d;
            expDigits = true;
            ++i;
        }
        if (expDigits) number += exponent;
    }
    // from_chars reads "." as the decimal point whatever the process locale says.
    const char* first = number.data();
    if (*first == '+') ++first;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(first, number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) return outOfRange(number);
    return ec == std::errc() ? value : 0.0;
}

std::optional<int32_t> RoundToInt32(double v) {
    return roundTo<int32_t>(v);
}

std::optional<int16_t> RoundToInt16(double v) {
    return roundTo<int16_t>(v);
}

}  // namespace platform
