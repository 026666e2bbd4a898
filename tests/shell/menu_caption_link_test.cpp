// Menu states, the caption text and the link check's edge trigger.
#include <gtest/gtest.h>

#include "shell/CaptionText.h"
#include "shell/LinkCheck.h"
#include "shell/MenuModel.h"

namespace corvell::shell {
namespace {

TEST(MenuModel, EveryItemHasItsCaptionAndWord) {
    EXPECT_EQ(menuWord(MenuId::File, 0), "POWER");
    EXPECT_EQ(menuWord(MenuId::File, 1), "POWER");
    EXPECT_EQ(menuWord(MenuId::File, 2), "");
    EXPECT_EQ(menuWord(MenuId::View, 1), "");
    EXPECT_EQ(menuWord(MenuId::Simple, 3), "SCOPE");
    EXPECT_EQ(menuWord(MenuId::View, 9), "DARC");
    EXPECT_EQ(menuWord(MenuId::Help, 1), "ABOUT");
    EXPECT_EQ(menuWord(MenuId::Help, 7), "");
}

// Power x panel mode x DSP unit x decoder: every state the tick writes.
TEST(MenuModel, StatesAcrossPowerModeAndUnits) {
    for (bool on : {false, true}) {
        for (int mode : {0, 1, 2}) {
            for (bool dsp : {false, true}) {
                for (bool darc : {false, true}) {
                    SCOPED_TRACE(::testing::Message() << "on " << on << " mode " << mode << " dsp "
                                                      << dsp << " darc " << darc);
                    MenuInputs in;
                    in.on = on;
                    in.panelMode = mode;
                    in.dspUsable = dsp;
                    in.decoderUsable = darc;
                    in.dspVisible = true;
                    EXPECT_EQ(menuItemState(MenuId::File, 0, in).enabled, !on);
                    EXPECT_EQ(menuItemState(MenuId::File, 1, in).enabled, on);
                    EXPECT_EQ(menuItemState(MenuId::View, 0, in).checked, on && mode == 0);
                    EXPECT_EQ(menuItemState(MenuId::View, 1, in).enabled, on && mode == 0);
                    EXPECT_EQ(menuItemState(MenuId::View, 2, in).checked, on && mode == 1);
                    EXPECT_EQ(menuItemState(MenuId::View, 3, in).checked, on && mode == 2);
                    EXPECT_EQ(menuItemState(MenuId::View, 3, in).enabled, on);
                    const MenuItemState d = menuItemState(MenuId::View, 8, in);
                    EXPECT_EQ(d.checked, true);
                    EXPECT_EQ(d.enabled, dsp && on);
                    EXPECT_EQ(d.visible, dsp);
                    const MenuItemState f = menuItemState(MenuId::View, 9, in);
                    EXPECT_EQ(f.checked, false);
                    EXPECT_EQ(f.enabled, darc && on);
                    EXPECT_EQ(f.visible, darc);
                    // Items the tick never touches.
                    const MenuItemState exit = menuItemState(MenuId::File, 8, in);
                    EXPECT_FALSE(exit.checked || exit.enabled || exit.visible);
                }
            }
        }
    }
}

TEST(CaptionText, PowerLinkAndMinimised) {
    struct Row {
        CaptionInputs in;
        const char* text;
    } rows[] = {
        {{false, 0, 6, 0, 0, 0}, "Corvell  - Power OFF"},
        {{false, 1, 6, 0, 0, 0}, "Corvell"},
        {{false, 1, 8, 0, 0, 0}, "Corvell  - COM Port Trouble? "},
        {{false, 1, 6, 1, 0, 0}, "Corvell  - COM Port Trouble? "},
        {{true, 1, 6, 0, 145000000, 1}, "145.000000*"},
        {{true, 1, 6, 0, 145000000, 0}, "145.000000"},
        {{true, 1, 8, 0, 145000000, 1}, ""},
    };
    for (const Row& r : rows) EXPECT_EQ(captionText(r.in), r.text);
}

TEST(LinkCheck, PromptsOnceAFailureBeginsAndAgainOnlyAfterItCleared) {
    int32_t second = 100;
    LinkCheck check([&] { return second; });
    EXPECT_FALSE(check.check(1, 0));
    ++second;
    EXPECT_TRUE(check.check(1, 1));   // the failure begins
    EXPECT_FALSE(check.check(1, 1));  // same second: not checked at all
    ++second;
    EXPECT_FALSE(check.check(1, 1));  // still failing: no second prompt
    ++second;
    EXPECT_FALSE(check.check(1, 0));  // recovered
    ++second;
    EXPECT_TRUE(check.check(1, 1));  // a new failure prompts again
    ++second;
    EXPECT_FALSE(check.check(0, 1));  // receiver off: the error does not count
    EXPECT_EQ(check.lastError(), 0);
}

}  // namespace
}  // namespace corvell::shell
