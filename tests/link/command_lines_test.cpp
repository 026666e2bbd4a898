#include "link/command_lines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace quillon;

TEST(CommandLines, EachLineHasItsExactFormat) {
    const std::pair<CommandLine, std::string> cases[] = {
        {FrequencyLine(145000000, 5, 2), "K00145000000050200\n"},
        {FrequencyLine(0, 0, 0), "K00000000000000000\n"},
        {FrequencyLine(1300000000, 6, 4), "K01300000000060400\n"},
        {FrequencyLine(10000, 123, -1), "K00000010000123-100\n"},
        {AfLine(0x80, 0), "J4080\n"},
        {AfLine(0x80, 1), "J4000\n"},
        {AfLine(255, 0), "J40FF\n"},
        {AfLine(256, 0), "J40100\n"},
        {AfLine(-1, 0), "J40FFFFFFFF\n"},
        {SquelchLine(0, 0), "J4101\n"},
        {SquelchLine(0x40, 0), "J4140\n"},
        {SquelchLine(0x40, 1), "J4100\n"},
        {SquelchLine(0, 1), "J4100\n"},
        {IfshiftLine(128), "J4380\n"},
        {AgcLine(2), "J4502\n"},
        {NbLine(1), "J45000001\n"},
        {NbLine(0), "J45000000\n"},
        {AttLine(3), "J4703\n"},
        {AnlLine(1), "J4D01\n"},
        {BfoLine(0xAB), "J4AAB\n"},
        {VscLine(1), "J5001\n"},
        {CtcssLine(51), "J5133\n"},
        {BpfLine(0x7F), "LD8207F\n"},
        {PlugLine(1), "JA001\n"},
        {LevelLine(0x0C), "JA10C\n"},
        {DspUnitLine(), "J8001\n"},
        {DspOnLine(1), "J8101\n"},
        {NrLine(0x0F), "J820F\n"},
        {AnLine(1), "J8301\n"},
        {ScanLine(129), "H881\n"},
        {ScanLine(0), "H800\n"},
        {ScopeLine(1, 2, 3, 12500), "ME0000102030100012500\n"},
        {ScopeLine(0, 0, 0, 0), "ME0000100000000000000\n"},
        {FixedLine("H101"), "H101\n"},
        {FixedLine("G105"), "G105\n"},
    };
    for (const auto& [line, expected] : cases) {
        EXPECT_EQ(std::string(line.view()), expected);
        EXPECT_EQ(line.length, static_cast<int>(expected.size()));
        EXPECT_EQ(line.text[line.length], '\0');
    }
}

TEST(CommandLines, TheLongestValuesStillFitAndEndInALineFeed) {
    const CommandLine scope = ScopeLine(-1, -1, -1, INT32_MIN);
    EXPECT_EQ(std::string(scope.view()), "ME00001FFFFFFFFFFFFFFFFFFFFFFFF-2147483648\n");
    const CommandLine frequency = FrequencyLine(INT32_MIN, INT32_MIN, INT32_MIN);
    EXPECT_EQ(frequency.text[frequency.length - 1], '\n');
    const std::string tooLong(200, 'A');
    const CommandLine cut = FixedLine(tooLong.c_str());
    EXPECT_EQ(cut.length, CommandLine::kCapacity - 1);
    EXPECT_EQ(cut.text[cut.length - 1], '\n');
}

}  // namespace
