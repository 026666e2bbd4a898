// The receiver object on the real link library and an emulated receiver: what it sets reaches
// the wire, the link watch notices a silent receiver, a scope sweep fills the level buffer, and
// the receiver state survives a restart.
#include <gmock/gmock.h>
#include <stdlib.h>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "core/ProgramObjects.h"
#include "core/QuillonApi.h"
#include "core/ReceiverCodes.h"
#include "core/clsScopeDATA.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "tests/support/fast_emulator.h"
#include "tests/support/manual_clock.h"
#include "tests/support/receiver_lifecycle.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"
#include "tests/support/wait_for.h"
#include "tools/rx-emulator/rx_emulator.h"

namespace corvell::test {
namespace {

using ::testing::HasSubstr;

class ReceiverE2e : public ::testing::Test {
  protected:
    ReceiverE2e() : emu(fastEmulatorOptions()) {
        ResetProgramObjects();
        ResetProgramMemory();
        if (!emu.start()) ADD_FAILURE() << "emulator: " << emu.lastError();
        ::setenv("QUILLON_COM1", emu.devicePath().c_str(), 1);
    }
    ~ReceiverE2e() override {
        if (rx) rx->Unload();
        SetProgramReceiver(nullptr);
        rx.reset();
        ResetProgramMemory();
        ResetProgramObjects();
        emu.stop();
    }

    frmTesselbase& load() { return loadReceiver(rx); }
    void restart() { restartReceiver(rx); }
    void powerOn() {
        rx->setComPortNum(1);
        rx->PowerOn();
    }
    bool linked() {
        return waitFor([&] { return rx->LinkStat() == kLinkStatLinked; });
    }
    bool heard(const std::string& line, size_t from, int timeoutMs = 3000) {
        return emu.log().waitFor(line, from, timeoutMs).has_value();
    }

    TempHome home;
    platform::ScriptedPresenter presenter;
    rxemu::RxEmulator emu;
    std::unique_ptr<frmTesselbase> rx;
};

TEST_F(ReceiverE2e, TheLibraryIsBoundByNameBesideTheProgram) {
    const QuillonApi& rs = Quillon();
    EXPECT_EQ(&rs, &QuillonLibraryApi());
    EXPECT_EQ(rs.RsGetPllRefFrequency(), 5000);
    EXPECT_EQ(rs.RsSetComportNum(11), 11);
    EXPECT_EQ(rs.RsGetComportNum(), 0);
    EXPECT_EQ(rs.RsGetScopeBuff(-1), 0);
    EXPECT_TRUE(presenter.shown().empty());
}

TEST_F(ReceiverE2e, AnEnteredFrequencyReachesTheWireAsTheFrequencyLine) {
    load();
    powerOn();
    ASSERT_TRUE(linked());
    const size_t mark = emu.log().count();
    rx->EntryFrequency(433920000);
    EXPECT_TRUE(heard("K00433920000050200", mark));
    EXPECT_TRUE(waitFor([&] { return emu.frequency() == 433920000; }));
    EXPECT_TRUE(presenter.shown().empty());
}

TEST_F(ReceiverE2e, ASilentReceiverSetsTheErrorThroughTheLinkWatch) {
    emu.setSilent(true);
    ManualClock clock;
    load();
    const size_t mark = emu.log().count();
    powerOn();
    EXPECT_TRUE(heard("H101", mark));
    rx->Timer1_Timer();  // the first tick after power-on
    EXPECT_EQ(rx->Timer1Interval(), frmTesselbase::kWatchTimerMs);
    EXPECT_EQ(rx->Error(), 0);
    clock.advance(frmTesselbase::kLinkWaitMs + 1);
    rx->Timer1_Timer();
    EXPECT_EQ(rx->LinkStat(), kLinkStatConnecting);
    EXPECT_EQ(rx->Error(), 1);
}

TEST_F(ReceiverE2e, TheWatchKeepsAnAnsweringReceiverOnAPseudoTerminalAndCatchesItsSilence) {
    ManualClock clock;
    load();
    powerOn();
    ASSERT_TRUE(linked());
    rx->Timer1_Timer();  // the first tick after power-on
    // Each period the receiver reports a new S-meter, so it has answered before the watch looks.
    for (int period = 0; period < 6; ++period) {
        const int smeter = 20 + period;
        emu.setSmeter(smeter);
        ASSERT_TRUE(waitFor([&] { return Quillon().RsGetSmeter() == smeter; }));
        clock.advance(frmTesselbase::kWatchTimerMs);
        rx->Timer1_Timer();
        ASSERT_EQ(rx->Error(), 0) << "reported lost in period " << period;
    }
    emu.setSilent(true);
    clock.advance(frmTesselbase::kWatchTimerMs);
    rx->Timer1_Timer();  // may still see what came in just before the silence
    clock.advance(frmTesselbase::kWatchTimerMs);
    rx->Timer1_Timer();
    EXPECT_EQ(rx->Error(), 1);
    EXPECT_TRUE(presenter.shown().empty());
}

TEST_F(ReceiverE2e, AScopeSweepFillsTheLevelBuffer) {
    std::array<uint8_t, 256> levels{};
    for (std::size_t i = 0; i < levels.size(); ++i) levels[i] = static_cast<uint8_t>(10 + i % 190);
    emu.setScopeLevels(levels);
    frmTesselbase& r = load();
    powerOn();
    ASSERT_TRUE(linked());
    clsScopeDATA& data = r.ScopeDATA();
    data.setBwidth(200);
    data.setSpeed(20);
    data.setTs(5000);
    data.setMode(kScopeContinuous);
    const size_t mark = emu.log().count();
    // The points the controller polls that the sweep's 13 frames of 16 levels cover.
    auto filled = [&] {
        for (int i = 28; i < 208; ++i) {
            if (data.SCOPE_buff_WoFlag(i) != levels[static_cast<std::size_t>(i)]) return false;
        }
        return true;
    };
    EXPECT_TRUE(waitFor([&] {
        r.Task_exec();
        std::this_thread::sleep_for(std::chrono::milliseconds(45));
        return filled();
    }));
    EXPECT_TRUE(heard("ME00001C8140100005000", mark));
    EXPECT_EQ(emu.scope().span, 200);
    EXPECT_EQ(emu.scope().mode, 1);
    EXPECT_GT(data.SCOPE_ChangeCount(), 0);
}

TEST_F(ReceiverE2e, TheReceiverStateSurvivesARestart) {
    frmTesselbase& first = load();
    first.EntryFrequency(118100000);
    first.setModeText("AM");
    first.setFilterText("6k");
    first.setAfgain(100);
    first.setSquelch(50);
    restart();
    const std::string file = home.read("Corvell.ini");
    EXPECT_THAT(file, HasSubstr("RXFREQ=118100000"));
    EXPECT_THAT(file, HasSubstr("RXMODE=\"AM\""));
    EXPECT_THAT(file, HasSubstr("AFGAIN=100"));

    // The library of this process still holds the values; make it forget them.
    const QuillonApi& rs = Quillon();
    rs.RsSetFrequency(145000000);
    rs.RsSetMode(5);
    rs.RsSetFilter(2);
    rs.RsSetAfgain(0);
    rs.RsSetSql(0);

    frmTesselbase& again = load();
    EXPECT_EQ(again.Frequency(), 118100000);
    EXPECT_EQ(again.ModeText(), "AM");
    EXPECT_EQ(again.FilterText(), "6k");
    EXPECT_EQ(again.afgain(), 100);
    EXPECT_EQ(again.squelch(), 50);
    const size_t mark = emu.log().count();
    powerOn();
    ASSERT_TRUE(linked());
    EXPECT_TRUE(heard("K00118100000020100", mark));
    EXPECT_TRUE(heard("J4064", mark));
}

}  // namespace
}  // namespace corvell::test
