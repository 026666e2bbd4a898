#include <gtest/gtest.h>

#include "core/clsTSbase.h"

namespace {

using corvell::clsTSbase;

TEST(TuningStep, StartsAtTwentyKilohertzWithATenMegahertzProgramStep) {
    clsTSbase ts;
    EXPECT_EQ(ts.tsnumber(), 13);
    EXPECT_EQ(ts.tsname(), "  20kHz");
    EXPECT_EQ(ts.tsfrq(), 20000);
    EXPECT_FALSE(ts.alignFlag());
    ts.setTsnumber(99);
    EXPECT_EQ(ts.tsname(), "10MHz");
    EXPECT_EQ(ts.tsfrq(), 10000000);
}

TEST(TuningStep, FixedStepTexts) {
    const std::pair<const char*, int16_t> cases[] = {
        {"20kHz", 13}, {"20k", 13},  {"20KHZ", 13}, {"  20kHz", 13}, {"20 kHz", 99},  {"1", 0},
        {"1Hz", 0},    {"500hz", 5}, {"2.5k", 7},   {"6.25kHz", 9},  {"1M", 19},      {"1mhz", 19},
        {"1000", 99},  {"HZ", 99},   {"", 99},      {"12.50k", 99},  {"   1MHz", 19}, {"Z", 99},
    };
    for (const auto& [text, code] : cases) EXPECT_EQ(clsTSbase::chktsname_no(text), code) << text;
}

TEST(TuningStep, ProgramStepTexts) {
    struct Case {
        const char* text;
        bool ok;
        const char* name;
        int32_t hz;
    };
    const Case cases[] = {
        {"12.3k", true, "12.3kHz", 12300},
        {"12.5k", true, "12.5kHz", 12500},
        {"1.5M", true, "1.5MHz", 1500000},
        {"7k", true, "7kHz", 7000},
        {"150", true, "150Hz", 150},
        {"10MHz", true, "10MHz", 10000000},
        {"999.5", true, "999Hz", 999},
        {"999.95k", true, "999.9kHz", 999900},
        {"1.234567M", true, "1.234567MHz", 1234567},
        // The typed number is single precision: these differ from a double's result.
        {"2.0005k", true, "2kHz", 2000},
        {"4.0005k", true, "4.001kHz", 4001},
        {"0.6", true, "1Hz", 1},
        {"20 kHz", true, "20kHz", 20000},
        {"1000k", false, "", 0},
        {"abc", false, "", 0},
        {"", false, "", 0},
        {"-5k", false, "", 0},
        {"0.4", false, "", 0},
        {"0.5", false, "", 0},  // would be 0 Hz
        {"0.0001k", false, "", 0},
        {"0.0000001M", false, "", 0},
    };
    for (const Case& c : cases) {
        std::string name = "unchanged";
        int32_t hz = -1;
        EXPECT_EQ(clsTSbase::chktsname_programts(c.text, name, hz), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(name, c.name) << c.text;
            EXPECT_EQ(hz, c.hz) << c.text;
            // What is saved is the name; it must come back as the same step.
            clsTSbase reread;
            reread.setTsname(name);
            EXPECT_EQ(reread.tsfrq(), c.hz) << c.text;
        } else {
            EXPECT_EQ(name, "unchanged") << c.text;
            EXPECT_EQ(hz, -1) << c.text;
        }
    }
}

TEST(TuningStep, TextsSelectStepsAndBadOnesKeepTheProgramStep) {
    clsTSbase ts;
    ts.setTsname("12.3k");
    EXPECT_EQ(ts.tsnumber(), 99);
    EXPECT_EQ(ts.tsname(), "12.3kHz");
    EXPECT_EQ(ts.tsfrq(), 12300);
    ts.setTsname("5k");
    EXPECT_EQ(ts.tsnumber(), 8);
    EXPECT_EQ(ts.tsname(), "   5kHz");
    for (const char* bad : {"abc", "0.0001k", "0.3"}) {
        ts.setTsname(bad);
        EXPECT_EQ(ts.tsnumber(), 99) << bad;
        EXPECT_EQ(ts.tsname(), "12.3kHz") << bad;
        EXPECT_EQ(ts.tsfrq(), 12300) << bad;
        EXPECT_FALSE(ts.chktsname(bad)) << bad;
    }
    EXPECT_TRUE(ts.chktsname("25k"));
    EXPECT_TRUE(ts.chktsname("8.33k"));
    EXPECT_EQ(ts.tsfrq(), 12300);  // chktsname changes nothing
}

TEST(TuningStep, CodesAreClamped) {
    clsTSbase ts;
    const std::pair<int16_t, int16_t> cases[] = {{25, 19}, {-3, 0}, {99, 99}, {98, 19}, {7, 7}};
    for (const auto& [given, want] : cases) {
        ts.setTsnumber(given);
        EXPECT_EQ(ts.tsnumber(), want) << given;
    }
}

TEST(TuningStep, MovingUpAndDown) {
    clsTSbase ts;
    ts.setTsnumber(18);
    EXPECT_TRUE(ts.moveup());
    EXPECT_EQ(ts.tsnumber(), 19);
    EXPECT_TRUE(ts.alignFlag());
    ts.setAlignFlag(false);
    EXPECT_TRUE(ts.moveup());  // into the program step: the flag stays as it was
    EXPECT_EQ(ts.tsnumber(), 99);
    EXPECT_FALSE(ts.alignFlag());
    EXPECT_FALSE(ts.moveup());
    EXPECT_EQ(ts.tsnumber(), 99);
    EXPECT_TRUE(ts.movedown());
    EXPECT_EQ(ts.tsnumber(), 19);
    EXPECT_FALSE(ts.alignFlag());
    EXPECT_TRUE(ts.movedown());
    EXPECT_EQ(ts.tsnumber(), 18);
    EXPECT_TRUE(ts.alignFlag());
    ts.setTsnumber(0);
    EXPECT_FALSE(ts.movedown());
    EXPECT_EQ(ts.tsnumber(), 0);
    ts.setTsnumber(19);
    ts.moveup();
    EXPECT_EQ(ts.tsname(), "10MHz");  // the program step was kept meanwhile
}

TEST(TuningStep, AligningToTheGridKeepsAPitchOffsetOnce) {
    clsTSbase ts;
    ts.setTsname("25k");
    ts.IndividualPitch(12500);
    EXPECT_EQ(ts.calctsclr(145020000), 145012500);
    EXPECT_EQ(ts.calctsclr(145020000), 145000000);  // offset used up
    ts.IndividualPitch(145012500);
    ts.setTsname("1M");
    EXPECT_EQ(ts.calctsclr(145020000), 145020000);
    ts.setTsname("25k");
    EXPECT_EQ(ts.calctsclr(145020000), 145000000);  // cleared by the 1 MHz call too
    ts.setTsname("150");
    EXPECT_EQ(ts.calctsclr(1000), 900);
    ts.setTsname("1");
    EXPECT_EQ(ts.calctsclr(INT32_MAX), INT32_MAX);
}

TEST(TuningStep, ListOfFixedSteps) {
    clsTSbase ts;
    std::vector<std::string> list{"stale"};
    EXPECT_EQ(ts.ListFixedTs(list), 20);
    ASSERT_EQ(list.size(), 21u);
    EXPECT_EQ(list[0], "");
    EXPECT_EQ(list[1], "    1Hz");
    EXPECT_EQ(list[14], "  20kHz");
    EXPECT_EQ(list[20], "   1MHz");
    for (std::size_t i = 1; i <= 20; ++i) {
        EXPECT_EQ(list[i].size(), 7u);
        EXPECT_EQ(clsTSbase::chktsname_no(list[i]), static_cast<int16_t>(i - 1));
    }
}

TEST(TuningStep, DefaultResets) {
    clsTSbase ts;
    ts.setTsname("7k");
    ts.setAlignFlag(true);
    ts.IndividualPitch(3000);
    ts.Default();
    EXPECT_EQ(ts.tsnumber(), 13);
    EXPECT_FALSE(ts.alignFlag());
    EXPECT_EQ(ts.calctsclr(145005000), 145000000);
    ts.setTsnumber(99);
    EXPECT_EQ(ts.tsname(), "10MHz");
}

}  // namespace
