#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/ValueProcs.h"

namespace {

using namespace corvell;

TEST(ValueProcs, Clamping) {
    EXPECT_EQ(ClampInt(0, 9, 12), 9);
    EXPECT_EQ(ClampInt(0, 9, -3), 0);
    EXPECT_EQ(ClampInt(0, 9, 4), 4);
    // Low bound above the high bound: below lo gives lo, everything else hi.
    EXPECT_EQ(ClampInt(10, 5, 3), 10);
    EXPECT_EQ(ClampInt(10, 5, 7), 10);
    EXPECT_EQ(ClampInt(10, 5, 10), 5);
    EXPECT_EQ(ClampInt(10, 5, 12), 5);
    EXPECT_EQ(ClampLong(10000, 1300000000, 5), 10000);
    EXPECT_EQ(ClampLong(10000, 1300000000, INT32_MAX), 1300000000);
    EXPECT_EQ(ClampLong(10000, 1300000000, 145000000), 145000000);
}

TEST(ValueProcs, DegreesToRadians) {
    EXPECT_EQ(DegToRad(360), 0.0);
    EXPECT_EQ(DegToRad(720), 0.0);
    EXPECT_NEAR(DegToRad(-90), -1.570796, 1e-7);
    EXPECT_NEAR(DegToRad(180), 3.141592, 1e-12);
}

TEST(ValueProcs, LeadingNumber) {
    const std::pair<const char*, double> cases[] = {
        {"145.5", 145.5}, {"  .01", 0.01}, {"1300.001x", 1300.001}, {"12abc", 12},
        {"abc", 0},       {"", 0},         {"-3.5", -3.5},          {"+7", 7},
        {"1 2", 12},      {"1.2.3", 1.2},  {"2e3", 2000},           {"2e", 2},
        {" 20 K", 20},    {".", 0},        {"1e-400", 0},
    };
    for (const auto& [text, want] : cases) EXPECT_DOUBLE_EQ(LeadingNumber(text), want) << text;
    EXPECT_EQ(LeadingNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    // Exponents far beyond any range keep their sign, however many digits they have.
    EXPECT_EQ(LeadingNumber("1e99999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("-1e+9223372036854775807"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("0.01e-9223372036854775808"), 0.0);
    EXPECT_EQ(LeadingNumber("5e-99999999999999999999"), 0.0);
}

TEST(ValueProcs, RoundingHalfToEven) {
    const std::pair<double, int32_t> cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {2.4999, 2},
        {2.5001, 3},
        {145500000.0, 145500000},
    };
    for (const auto& [v, want] : cases) EXPECT_EQ(RoundToInt32(v), want) << v;
    EXPECT_EQ(RoundToInt32(2147483647.4), INT32_MAX);
    EXPECT_FALSE(RoundToInt32(2147483647.5));
    EXPECT_FALSE(RoundToInt32(std::nan("")));
    EXPECT_FALSE(RoundToInt32(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(RoundToInt16(32767.0), 32767);
    EXPECT_FALSE(RoundToInt16(32768.0));
    EXPECT_EQ(RoundToInt16(-32768.4), -32768);
}

}  // namespace
