// Which bitmap each tool shows and when its release runs the command.
#include <gtest/gtest.h>

#include "shell/ToolModel.h"

namespace corvell::shell {
namespace {

ToolInputs on(int mode = 0) {
    ToolInputs in;
    in.connect = 1;
    in.panelMode = mode;
    in.linkStat = 6;
    return in;
}

ToolInputs holding(ToolInputs in, int index, bool onImage = true) {
    in.toolIndex = index;
    in.held = true;
    in.onImage = onImage;
    return in;
}

TEST(ToolModel, BitmapsFollowPowerModePanelsAndPresses) {
    ToolInputs off;
    ToolInputs radioScanOff = on(1);
    ToolInputs mchOn = on();
    mchOn.mchOn = true;
    ToolInputs tunerOn = on();
    tunerOn.tunerOn = true;
    ToolInputs dsp = on();
    dsp.dspUsable = 1;
    ToolInputs darc = on();
    darc.darcUsable = 16;
    ToolInputs darcWithProgram = darc;
    darcWithProgram.decoderExists = true;
    struct Row {
        const char* what;
        ToolInputs in;
        int tool;
        int id;
    } rows[] = {
        {"power off", off, 5, 1901},
        {"power on and linked", on(), 5, 1902},
        {"tuner, off, simple", off, 3, 1924},
        {"tuner, on, simple", on(), 3, 1922},
        {"tuner open at power-on", tunerOn, 3, 1923},
        {"scan in radio mode", radioScanOff, 1, 1932},
        {"mode held in simple mode", holding(on(), 2), 2, 1927},
        {"scope held off the image", holding(on(), 4, false), 4, 1934},
        {"simple mode lit", on(0), 6, 1905},
        {"radio mode lit", on(1), 7, 1907},
        {"receiver tool in radio mode", on(1), 8, 1908},
        {"receiver mode lit", on(2), 8, 1909},
        {"memory resting", on(), 9, 1910},
        {"memory open at power-on", mchOn, 9, 1911},
        {"memory held shows the other picture", holding(mchOn, 9), 9, 1910},
        {"memory held while closed", holding(on(), 9), 9, 1911},
        {"dtmf resting", on(), 10, 1912},
        {"dsp without the unit", on(), 12, 0},
        {"dsp with the unit", dsp, 12, 1914},
        {"darc without the program", darc, 11, 0},
        {"darc with program and unit", darcWithProgram, 11, 1916},
        {"darc held", holding(darcWithProgram, 11), 11, 1917},
        {"com port", off, 13, 1918},
        {"com port held", holding(off, 13), 13, 1919},
        {"exit", off, 14, 1920},
        {"exit held", holding(off, 14), 14, 1921},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(toolBitmap(r.in, r.tool, true), r.id);
    }
}

TEST(ToolModel, PowerBlinksWhileTheLinkIsNotUp) {
    ToolInputs connecting = on();
    connecting.linkStat = 8;
    EXPECT_TRUE(powerBlinks(connecting));
    EXPECT_EQ(toolBitmap(connecting, 5, true), 1902);
    EXPECT_EQ(toolBitmap(connecting, 5, false), 1903);
    ToolInputs failed = on();
    failed.error = 1;
    EXPECT_TRUE(powerBlinks(failed));
    EXPECT_FALSE(powerBlinks(on()));
    EXPECT_EQ(toolBitmap(on(), 5, false), 1902);
}

TEST(ToolModel, ReleaseRunsOnlyWhereTheToolApplies) {
    ToolInputs off;
    ToolInputs radio = on(1);
    ToolInputs dsp = on();
    dsp.dspUsable = 1;
    ToolInputs darc = on();
    darc.darcUsable = 16;
    darc.decoderExists = true;
    struct Row {
        const char* what;
        ToolInputs in;
        int tool;
        bool runs;
    } rows[] = {
        {"scan in simple mode, on", on(), 1, true},
        {"scan in radio mode", radio, 1, false},
        {"scan with the receiver off", off, 1, false},
        {"power off", off, 5, true},
        {"memory off", off, 9, false},
        {"memory on", on(), 9, true},
        {"com port off", off, 13, true},
        {"exit off", off, 14, true},
        {"dsp without unit", on(), 12, false},
        {"dsp with unit", dsp, 12, true},
        {"darc without program", on(), 11, false},
        {"darc with program and unit", darc, 11, true},
        {"no tool", on(), kNoTool, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(toolRuns(r.in, r.tool), r.runs);
    }
    // With the receiver off only POWER, COMPORT and EXIT take a press.
    for (int i = 1; i <= kToolCount; ++i) {
        EXPECT_EQ(toolPressDropped(0, i), i != 5 && i != 13 && i != 14) << i;
        EXPECT_FALSE(toolPressDropped(1, i)) << i;
    }
}

}  // namespace
}  // namespace corvell::shell
