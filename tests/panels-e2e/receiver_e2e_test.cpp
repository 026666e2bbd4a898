// The receiver panel on the real receiver object, the real link library and an emulated
// receiver: the mode keys put their lines on the wire, the scope key starts the sweep that
// fills the pane with the emulator's carrier tallest at the centre, the needle follows the
// S-meter the emulator is told to report, and a click left of the pane's centre tunes below.
#include <gmock/gmock.h>
#include <stdlib.h>

#include <QTest>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <thread>

#include "core/ProgramObjects.h"
#include "core/ReceiverCodes.h"
#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "core/frmTesselbase.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "panels/receiver/frmReceiver.h"
#include "scan/ScopeDisplay.h"
#include "tests/panels-e2e/PanelE2e.h"
#include "tests/support/ManualHoldEnvironment.h"
#include "tests/support/receiver_lifecycle.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"
#include "tools/rx-emulator/control_commands.h"
#include "tools/rx-emulator/rx_emulator.h"

namespace corvell::test {
namespace {

// Runs the heartbeat (receiver object, then the panel) every 50 ms until the condition holds.
bool heartbeatUntil(frmTesselbase& rx, panels::frmReceiver& panel,
                    const std::function<bool()>& condition, int timeoutMs = 5000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        rx.Task_exec();
        panel.Task_exec();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

class ReceiverE2e : public PanelE2e {
  protected:
    ReceiverE2e() : PanelE2e(sweepingOptions()) {
        switchOn();
        panel = std::make_unique<panels::frmReceiver>(
            panels::ReceiverLogic::Neighbours{*rx, ProgramMemory(), ProgramMemoryList(),
                                              ProgramSettings(), nullptr},
            nullptr, &hold);
        panel->Load();
        panel->show();
    }
    ~ReceiverE2e() override { panel.reset(); }
    static rxemu::EmulatorOptions sweepingOptions() {
        rxemu::EmulatorOptions o = options();
        o.sweepPeriodMs = 100;
        return o;
    }
    bool linked() {
        return heartbeatUntil(*rx, *panel, [&] { return rx->LinkStat() == kLinkStatLinked; });
    }
    std::string frequencyLine() const { return PanelE2e::frequencyLine(rx->Frequency()); }
    void click(int index) { PanelE2e::click(*panel, index); }

    std::unique_ptr<panels::frmReceiver> panel;
};

TEST_F(ReceiverE2e, ModeKeysPutTheirLinesOnTheWire) {
    ASSERT_TRUE(linked());
    rx->EntryFrequency(7100000);
    struct Key {
        int index;
        int32_t mode;
    };
    // Each key changes the mode, so each puts a line of its own on the wire: the receiver starts
    // in FM, and a press of the mode it already has may send nothing new.
    for (const Key& k : {Key{36, 2}, Key{34, 5}, Key{93, 0}, Key{93, 1}}) {  // AM, FM, SSB x2
        const size_t mark = emu.log().count();
        click(k.index);
        ASSERT_EQ(rx->mode(), k.mode) << k.index;
        EXPECT_TRUE(emu.log().waitFor(frequencyLine(), mark, 3000)) << frequencyLine();
    }
    EXPECT_TRUE(presenter.shown().empty());
}

TEST_F(ReceiverE2e, ScopeOnSweepsIntoThePaneAndAClickLeftOfCentreTunesBelow) {
    ASSERT_TRUE(linked());
    rx->EntryFrequency(145000000);
    click(34);  // FM
    const size_t mark = emu.log().count();
    click(40);  // scope on
    ASSERT_EQ(rx->ScopeDATA().mode(), 1);
    EXPECT_TRUE(heartbeatUntil(*rx, *panel, [&] { return emu.sweeping(); }));
    EXPECT_GT(emu.log().count(), mark);
    EXPECT_EQ(emu.scope().span, rx->ScopeDATA().bwidth());

    // The carrier in the middle of the emulator's span is the tallest bar, at column 100.
    const QImage& wave = panel->scopePane().logic().view().wave();
    auto top = [&](int x) {
        for (int y = 0; y < wave.height(); ++y) {
            if (wave.pixel(x, y) != scopecolour::kBlack) return y;
        }
        return wave.height();
    };
    auto carrierTallestAtCentre = [&] {
        const int centre = top(100);
        if (centre >= wave.height()) return false;
        for (int x = 0; x < wave.width(); ++x) {
            if (wave.pixel(x, centre) == scopecolour::kBar) return false;
        }
        return top(40) < wave.height();  // the noise floor is drawn too
    };
    EXPECT_TRUE(heartbeatUntil(*rx, *panel, carrierTallestAtCentre));
    // ... and reaches the screen at the next paint.
    EXPECT_TRUE(heartbeatUntil(*rx, *panel, [&] {
        const QImage& shown = panel->scopePane().display().shown();
        return !shown.isNull() && (shown.pixel(100, top(100)) & 0xffff00u) == 0xffff00u;
    }));

    // A click two points left of the centre tunes two steps below; the line reaches the wire.
    const ScopeSpacing fit = panel->scopePane().logic().view().spacing();
    const int32_t before = rx->Frequency();
    const size_t clickMark = emu.log().count();
    QTest::mouseClick(&panel->scopePane().display(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(100 - 2 * fit.pixPerPoint, 40));
    EXPECT_EQ(rx->Frequency(), before - 2 * fit.stepHz);
    EXPECT_TRUE(emu.log().waitFor(frequencyLine(), clickMark, 3000)) << frequencyLine();
    EXPECT_TRUE(heartbeatUntil(*rx, *panel, [&] { return emu.frequency() == rx->Frequency(); }));
}

TEST_F(ReceiverE2e, TheNeedleFollowsTheEmulatorsSmeter) {
    ASSERT_TRUE(linked());
    std::vector<std::string> refused;
    rxemu::ControlInput control(
        emu, [](const std::string&) {}, [&](const std::string& why) { refused.push_back(why); });
    const panels::NeedleGeometry g = panels::NeedleFor(97, 44);
    for (int level : {240, 20}) {
        control.feed("smeter " + std::to_string(level) + "\n");
        EXPECT_TRUE(heartbeatUntil(*rx, *panel, [&] {
            return std::abs(rx->SmeterVirtual() - level) <= 2 &&
                   panel->picSmeter()->tip() == panels::NeedleTip(g, rx->SmeterVirtual());
        })) << level;
    }
    EXPECT_TRUE(refused.empty());
    EXPECT_LT(panel->picSmeter()->tip().x, g.pivotX) << "a weak signal leans left";
}

}  // namespace
}  // namespace corvell::test
