#include <gtest/gtest.h>

#include "core/FreqText.h"
#include "core/ToneList.h"

namespace {

using namespace corvell;

TEST(ToneList, TextsOfIndexesClampedToTheList) {
    const std::pair<int16_t, const char*> cases[] = {
        {0, "  OFF   "},  {-1, "  OFF   "}, {1, "  67.0Hz"},      {14, " 100.0Hz"},
        {51, " 254.1Hz"}, {52, " 254.1Hz"}, {-32768, "  OFF   "}, {32767, " 254.1Hz"},
    };
    for (const auto& [index, want] : cases) EXPECT_EQ(CtcssToneText(index), want) << index;

    std::vector<std::string> list{"stale"};
    EXPECT_EQ(BuildCtcssToneList(list), 51);
    ASSERT_EQ(list.size(), 52u);
    double previous = 0;
    for (std::size_t i = 1; i < list.size(); ++i) {
        ASSERT_EQ(list[i].size(), 8u);
        EXPECT_TRUE(list[i].ends_with("Hz"));
        const double hz = std::stod(list[i]);
        EXPECT_GT(hz, previous) << i;  // ascending
        previous = hz;
    }
}

TEST(FreqText, ElevenCharactersOfMegahertz) {
    const std::pair<int32_t, const char*> cases[] = {
        {145000000, " 145.000000"}, {10000, "   0.010000"},    {1300000000, "1300.000000"},
        {0, "   0.000000"},         {999999, "   0.999999"},   {145012500, " 145.012500"},
        {INT32_MAX, "2147.483647"}, {-1500000, "  -1.500000"}, {-145000000, "-145.000000"},
    };
    for (const auto& [hz, want] : cases) EXPECT_EQ(FormatFreqMHz(hz), want) << hz;
    EXPECT_EQ(FormatFreqMHz(INT32_MIN), "-2147.483648");
}

}  // namespace
