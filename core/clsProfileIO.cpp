#include "core/clsProfileIO.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/ValueProcs.h"
#include "platform/private_profile.h"
#include "platform/program_dir.h"

namespace corvell {
namespace profile_detail {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A text that is one decimal number and nothing else (blanks around it allowed); the number is
// read with "." as the decimal point whatever the process locale.
std::optional<double> strictNumber(std::string_view text) {
    const auto begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return std::nullopt;
    text = text.substr(begin, text.find_last_not_of(' ') - begin + 1);
    std::size_t i = 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    const std::size_t start = i;
    bool digits = false;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        digits = true;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            digits = true;
        }
    }
    if (!digits) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        bool expDigits = false;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            expDigits = true;
        }
        if (!expDigits) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data() + start, text.data() + i, value);
    if (ec != std::errc() || end != text.data() + i) return std::nullopt;
    return negative ? -value : value;
}

template <typename F>
std::string shortest(F v) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

int leadingDigits(std::string_view piece) {
    int n = 0;
    for (char c : piece) {
        if (!isDigit(c)) break;
        n = n * 10 + (c - '0');
    }
    return n;
}

long long floorDiv(long long a, long long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
long long daysFromCivil(long long y, long long m, long long d) {
    y -= m <= 2;
    const long long era = floorDiv(y, 400);
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(long long z, long long& y, long long& m, long long& d) {
    z += 719468;
    const long long era = floorDiv(z, 146097);
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp + (mp < 10 ? 3 : -9);
    y = yoe + era * 400 + (m <= 2);
}

}  // namespace

std::string formatInteger(long long v) {
    return std::to_string(v);
}
std::string formatFloat(float v) {
    return shortest(v);
}
std::string formatDouble(double v) {
    return shortest(v);
}

std::string formatDate(const ProfileDate& d) {
    char out[64];
    std::snprintf(out, sizeof out, "%04d.%02d.%02d-%02d:%02d:%02d", d.year, d.month, d.day, d.hour,
                  d.minute, d.second);
    return out;
}

std::optional<long long> parseInteger(std::string_view text, long long lo, long long hi) {
    const auto v = strictNumber(text);
    if (!v) return std::nullopt;
    const auto n = RoundToInt32(*v);
    if (!n || *n < lo || *n > hi) return std::nullopt;
    return *n;
}

std::optional<float> parseFloat(std::string_view text) {
    const auto v = strictNumber(text);
    if (!v || std::fabs(*v) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(*v);
}

std::optional<double> parseDouble(std::string_view text) {
    return strictNumber(text);
}

bool parseBoolean(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    return (end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1)) != "0";
}

std::optional<ProfileDate> parseDate(std::string_view text, bool& valid) {
    valid = true;
    const auto end = text.find_last_not_of(' ');
    text = end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
    if (text.size() != 19) return std::nullopt;
    // Parts out of their range carry over, as calendar arithmetic does (month 13 is January
    // of the next year, second 60 the next minute).
    const long long months =
        leadingDigits(text.substr(0, 4)) * 12LL + leadingDigits(text.substr(5, 2)) - 1;
    const long long days =
        daysFromCivil(floorDiv(months, 12), months - floorDiv(months, 12) * 12 + 1, 1) +
        leadingDigits(text.substr(8, 2)) - 1;
    const long long seconds = days * 86400 + leadingDigits(text.substr(11, 2)) * 3600LL +
                              leadingDigits(text.substr(14, 2)) * 60LL +
                              leadingDigits(text.substr(17, 2));
    long long y = 0, m = 0, d = 0;
    civilFromDays(floorDiv(seconds, 86400), y, m, d);
    const long long inDay = seconds - floorDiv(seconds, 86400) * 86400;
    if (y < 100 || y > 9999) {
        valid = false;
        return std::nullopt;
    }
    return ProfileDate{static_cast<int>(y),
                       static_cast<int>(m),
                       static_cast<int>(d),
                       static_cast<int>(inDay / 3600),
                       static_cast<int>(inDay / 60 % 60),
                       static_cast<int>(inDay % 60)};
}

}  // namespace profile_detail

void clsProfileIO::SetCurrentPath() {
    const std::string dir = platform::programDirectory();
    path_ = dir == "/" ? dir : dir + "/";
}

std::string clsProfileIO::GetMyProfile() const {
    return path_ + name_;
}

int16_t clsProfileIO::killKey(std::string_view key) {
    return platform::deleteProfileKey(GetMyProfile(), section_, key) ? 1 : 0;
}

std::string clsProfileIO::StripTerminator(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

bool clsProfileIO::writeText(std::string_view key, const std::string& text) {
    return platform::writeProfileString(GetMyProfile(), section_, key, text);
}

std::optional<std::string> clsProfileIO::readText(std::string_view key) {
    return platform::readProfileValue(GetMyProfile(), section_, key);
}

}  // namespace corvell
