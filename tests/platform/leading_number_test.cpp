// The one reading of "the number at the start of a text": decimal only, so the spellings a C
// library parse also takes (hexadecimal, infinity, not-a-number) read as no number.
#include "platform/leading_number.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

TEST(LeadingNumber, OnlyDecimalSpellingsAreNumbers) {
    struct Case {
        const char* text;
        double want;
    };
    const Case cases[] = {
        {"0x1A", 0},       {"0X1a", 0},  {"-0x10", 0},    {"0x", 0},   {"inf", 0},
        {"-inf", 0},       {"INF", 0},   {"infinity", 0}, {"nan", 0},  {"NAN(1)", 0},
        {"-nan", 0},       {"12", 12},   {" \t12", 12},   {"1 2", 12}, {"1e3", 1000},
        {"1.5e-1x", 0.15}, {"1d2", 100}, {"-.5", -0.5},   {"+.", 0},   {"12,34", 12},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(platform::LeadingNumber(c.text), c.want) << c.text;
}

TEST(LeadingNumber, RoundedToWholeValuesHalfToEven) {
    struct Case {
        const char* text;
        std::optional<int32_t> want32;
        std::optional<int16_t> want16;
    };
    const Case cases[] = {
        {"2.5", 2, 2},
        {"3.5", 4, 4},
        {"-2.5", -2, -2},
        {"32767.4", 32767, 32767},
        {"32767.5", 32768, std::nullopt},
        {"2147483647.5", std::nullopt, std::nullopt},
        {"1e400", std::nullopt, std::nullopt},
        {"nan", 0, 0},
        {"0x1A", 0, 0},
    };
    for (const Case& c : cases) {
        const double v = platform::LeadingNumber(c.text);
        EXPECT_EQ(platform::RoundToInt32(v), c.want32) << c.text;
        EXPECT_EQ(platform::RoundToInt16(v), c.want16) << c.text;
    }
    EXPECT_FALSE(platform::RoundToInt32(std::numeric_limits<double>::quiet_NaN()));
}

}  // namespace
