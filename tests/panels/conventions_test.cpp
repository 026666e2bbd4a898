// The rules every tuning panel shares, as tables: the level rule, the keyboard map, the key-pad
// entry read as a frequency or a channel, the read-out text and its glyphs, the dial timing, and
// DispAll's redraw of changed images only.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "panels/common/DialTiming.h"
#include "panels/common/LevelRule.h"
#include "panels/common/PanelImages.h"
#include "panels/common/PcKeyMap.h"
#include "panels/common/TenkeyRules.h"
#include "ui/VirtualKeys.h"

namespace corvell::panels {
namespace {

TEST(LevelRule, UpAddsFiveBelow250AndDownStopsAtZero) {
    struct Case {
        int32_t from, up, down;
    };
    const Case cases[] = {{0, 5, 0},       {3, 8, 0},       {5, 10, 0},      {248, 253, 243},
                          {249, 254, 244}, {250, 250, 245}, {252, 250, 247}, {255, 250, 250}};
    for (const Case& c : cases) {
        EXPECT_EQ(LevelUp(c.from), c.up) << c.from;
        EXPECT_EQ(LevelDown(c.from), c.down) << c.from;
    }
}

TEST(PcKeyMap, KeyCodesAndShiftStatesGiveTheirActions) {
    namespace vk = ui::vk;
    using K = PcKeyKind;
    struct Case {
        int key, shift;
        PcKeyAction action;
    };
    const Case cases[] = {
        {vk::Return, 0, {K::Tenkey, 12}},
        {vk::Separator, 0, {K::Tenkey, 12}},
        {vk::Decimal, 0, {K::Tenkey, 10}},
        {vk::OemPeriod, 0, {K::Tenkey, 10}},
        {vk::Escape, 0, {K::Tenkey, 11}},
        {'0', 0, {K::Tenkey, 0}},
        {'7', 1, {K::Tenkey, 7}},
        {vk::Numpad0 + 9, 0, {K::Tenkey, 9}},
        {vk::Right, 1, {K::StepUp}},
        {vk::Left, 1, {K::StepDown}},
        {vk::Right, 0, {}},
        {vk::Right, 1 | 2, {}},  // Shift + Ctrl + Right does nothing
        {vk::Left, 4 | 1, {}},
        {vk::Up, 0, {K::AfGainUp}},
        {vk::Down, 2, {K::AfGainDown}},
        {vk::Up, 1, {K::SquelchUp}},
        {vk::Up, 1 | 2, {K::SquelchUp}},  // Shift + Ctrl + Up changes the squelch
        {vk::Down, 1 | 4, {K::SquelchDown}},
        {'A', 0, {}},
        {vk::F1, 0, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MapPcKey(c.key, c.shift), c.action) << c.key << " shift " << c.shift;
    }
}

TEST(EntryToHz, ReadsTheBufferInSixtyFourBitsAndRefusesWhatDoesNotFit) {
    struct Case {
        const char* buff;
        bool appendZero;
        std::optional<int32_t> hz;
    };
    const Case cases[] = {
        {" 145500000", false, 145500000},
        {"1300000000", false, 1300000000},
        {"2147483647", false, std::numeric_limits<int32_t>::max()},
        {"2147483648", false, std::nullopt},  // one more would wrap in 32 bits
        {"9999999999", false, std::nullopt},
        {" 14550000", true, 145500000},     // an entry ending at the 10 Hz place
        {"999999999", true, std::nullopt},  // 9,999,999,990 once the zero is appended
        {"          ", false, std::nullopt},
        {"", false, std::nullopt},
        {" 145 00000", false, std::nullopt},
        {"  12x", false, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(EntryToHz(c.buff, c.appendZero), c.hz) << c.buff;
}

TEST(MchChannel, OnlyAnOpenEntryOfOneOrTwoDigitsNamesAChannel) {
    struct Case {
        bool open;
        const char* pos;
        const char* buff;
        std::optional<int16_t> ch;
    };
    const Case cases[] = {
        {true, "2", "        12", 12},
        {true, "1", "         7", 7},
        {true, "2", "        75", 49},
        {true, "2", "        00", 0},
        {true, "3", "       123", std::nullopt},
        {true, "0", "          ", std::nullopt},
        {true, "10", "  12      ", std::nullopt},
        {false, "2", "        12", std::nullopt},  // "12" left over after CE
        {false, "2", "  12000000", std::nullopt},  // the buffer ENT left behind
        {true, "2", "  12000000", 49},             // read in 64 bits, then clamped
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MchChannel(c.open, c.pos, c.buff), c.ch) << c.buff << " open " << c.open;
    }
}

TEST(DispTenkey, TextOfEntryFrequencyAndBlankReceiver) {
    EXPECT_EQ(DispTenkeyText(true, " 145500000", 7000000), " 145.500.000");
    EXPECT_EQ(DispTenkeyText(true, "       145", 7000000), "    .   .145");
    EXPECT_EQ(DispTenkeyText(false, "       145", 145500000), " 145.500.000 ");
    EXPECT_EQ(DispTenkeyText(false, "", 1300000000), "1300.000.000 ");
    EXPECT_EQ(DispTenkeyText(false, "", 10000), "   0.010.000 ");
    EXPECT_EQ(DispTenkeyText(false, "", 0), "    .   .   ");
    EXPECT_EQ(DispTenkeyText(false, "", 145512340, 2), " 145.512.34 ");
    EXPECT_EQ(DispTenkeyText(true, "  14551234", 0, 2), "  14.551.23");
}

TEST(DispTenkey, TheKeptTextFollowsEveryChangeOfEntryOrFrequencyAndIsMadeOnlyThen) {
    TenkeyTextMemo memo;
    struct Step {
        bool open;
        std::string buff;
        int32_t hz;
    };
    // Ticks as a user makes them: idle, an entry typed and closed, a retune, idle again.
    const Step steps[] = {
        {false, "", 145500000},          {false, "", 145500000},
        {true, "         1", 145500000}, {true, "        14", 145500000},
        {true, "        14", 145500000}, {false, "        14", 145500000},
        {false, "        14", 14000000}, {false, "        14", 14000000},
        {false, "        14", 0},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(DispTenkeyText(memo, s.open, s.buff, s.hz), DispTenkeyText(s.open, s.buff, s.hz))
            << s.open << " '" << s.buff << "' " << s.hz;
    }

    int made = 0;
    TextMemo<int, std::string> counted;
    const auto text = [&](int n, const std::string& name) {
        return counted([&] { return std::to_string(++made) + name; }, n, name);
    };
    EXPECT_EQ(text(1, "A"), "1A");
    EXPECT_EQ(text(1, "A"), "1A");
    EXPECT_EQ(text(1, "B"), "2B");  // either input made anew
    EXPECT_EQ(text(2, "B"), "3B");
    EXPECT_EQ(text(2, "B"), "3B");
    EXPECT_EQ(made, 3);
}

TEST(DispTenkey, CharactersGiveGlyphIdsOfEachPanel) {
    std::vector<int16_t> ids;
    for (char c : std::string(" 145.500.000 ")) ids.push_back(ReadoutGlyph(c));
    const std::vector<int16_t> want = {0,    1601, 1604, 1605, 1610, 1605, 1600,
                                       1600, 1610, 1600, 1600, 1600, 0};
    EXPECT_EQ(ids, want);
    EXPECT_EQ(ReadoutGlyph('7', 2070, 2092), 2077);
    EXPECT_EQ(ReadoutGlyph('.', 2070, 2092), 2092);
    EXPECT_EQ(ReadoutGlyph('-'), 0);
}

TEST(DialTiming, RepeatTimesByHoldStepAndSpeed) {
    struct Case {
        int count;
        int32_t step;
        int speed;
        int ms;
    };
    const Case cases[] = {
        {0, 12500, 1, 400}, {1, 12500, 1, 50}, {25, 12500, 1, 50}, {26, 12500, 1, 30},
        {0, 100, 0, 400},   {1, 100, 0, 60},   {26, 100, 0, 30},   {1, 12500, 0, 100},
        {26, 12500, 0, 60}, {1, 1000, 1, 30},  {26, 1000, 1, 15},  {1, 1001, 1, 50},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DialRepeatTime(c.count, c.step, c.speed), c.ms)
            << c.count << " " << c.step << " " << c.speed;
    }
}

TEST(PanelImages, OnlyChangedIdsAreShownAndZeroClearsAnImage) {
    PanelImages images(3);
    std::vector<std::pair<int, int16_t>> shown;
    auto show = [&](int i, int16_t id) { shown.emplace_back(i, id); };
    images.DispAll([&] { images.setWanted(2, 2003); }, show);
    EXPECT_EQ(shown, (std::vector<std::pair<int, int16_t>>{{2, 2003}}));
    shown.clear();
    EXPECT_EQ(images.DispAll([] {}, show), 0);  // an unchanged id causes no reload
    EXPECT_TRUE(shown.empty());
    images.DispAll([&] { images.setWanted(2, 0); }, show);
    EXPECT_EQ(shown, (std::vector<std::pair<int, int16_t>>{{2, 0}}));
    images.setWanted(0, 99);  // index 0 is never shown
    images.setWanted(7, 99);  // out of range: ignored
    EXPECT_EQ(images.DispAll([] {}, show), 0);
}

TEST(PanelImages, DispAllInsideDispAllReturnsAtOnce) {
    PanelImages images(2);
    int inner = 0;
    images.DispAll(
        [&] {
            images.setWanted(1, 5);
            inner = images.DispAll([&] { images.setWanted(2, 6); }, [](int, int16_t) {});
        },
        [](int, int16_t) {});
    EXPECT_EQ(inner, -1);
    EXPECT_EQ(images.shown(1), 5);
    EXPECT_EQ(images.shown(2), 0);
    EXPECT_FALSE(images.running());
}

TEST(PanelImages, KeyHeldShowsItsIdOnlyWhileThatImageIsPressed) {
    PanelImages images(3);
    images.SetKeyHeld(2, 1321, 2, 1);
    EXPECT_EQ(images.wanted(2), 1321);
    images.SetKeyHeld(2, 1321, 2, 0);
    EXPECT_EQ(images.wanted(2), 0);
    images.SetKeyHeld(2, 1321, 3, 2);
    EXPECT_EQ(images.wanted(2), 0);
}

}  // namespace
}  // namespace corvell::panels
