#include "link/receiver_controller.h"

#include <gtest/gtest.h>
#include <termios.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/named_mutex.h"
#include "platform/tick_count.h"
#include "platform/window_messages.h"
#include "tests/link/link_fixture.h"
#include "tests/platform/pty_pair.h"
#include "tests/support/scripted_presenter.h"

namespace {

using link_test::waitFor;
using quillon::DarcRelay;
using quillon::Flag;
using quillon::ReceiverController;
using quillon::ReceiverState;

const std::string kPowerOnLines = "H101\nG105\nJ4000\nJ41FF\nH1?\nG2?\nG4?\nGE?\nGD?\nG301\n";

// What the first rotation after a power-on sends with the stored defaults, in send-step order.
const std::string kFirstRotation =
    "K00145000000000000\nJ4101\nJ5000\n"  // step 0: frequency; squelch (then VSC line)
    "J5100\nJ4000\n"                      // step 2: CTCSS, AF
    "J4380\nJ4500\n"                      // step 4: IF shift, AGC
    "J45000000\nJ4A80\n"                  // step 6: NB, BFO
    "J4101\nJ5000\n"                      // step 8: the monitor flag still raised
    "J4700\nJ4D00\n"                      // step 10: ATT, ANL
    "LD82000\n"                           // step 12: BPF
    "JA100\nJA000\n"                      // step 14: level, then plug
    "J4101\nJ5000\n";                     // step 0 again: the VSC flag

using CountingController = link_test::TurnCounting<ReceiverController>;

class ControllerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pty_.ok());
        ::setenv("QUILLON_COM5", pty_.slavePath().c_str(), 1);
        controller_.setComportNum(5);
    }
    void TearDown() override {
        controller_.PowerOff();
        ::unsetenv("QUILLON_COM5");
    }

    // Powers on and takes the power-on lines and the first rotation off the wire.
    void powerOnAndSettle() {
        controller_.PowerOn();
        ASSERT_EQ(pty_.readMaster(kPowerOnLines.size() + kFirstRotation.size()),
                  kPowerOnLines + kFirstRotation);
        ASSERT_EQ(pty_.readUntilQuiet(150), "");
    }
    void reply(const std::string& bytes) { ASSERT_TRUE(pty_.writeMaster(bytes)); }

    link_test::TestNames names_;
    testing_pty::PtyPair pty_;
    ReceiverState state_{names_.relayMapping, names_.relayMutex};
    CountingController controller_{state_, names_.commandMutex};
};

TEST_F(ControllerTest, PowerOnSendsTheSequenceThenTheStoredSettingsInSendStepOrder) {
    state_.setPowerOnStat(1);
    controller_.PowerOn();
    EXPECT_EQ(state_.powerOnStat(), 0);
    EXPECT_TRUE(controller_.HasThread());
    EXPECT_TRUE(controller_.portOpen());
    termios t{};
    ASSERT_EQ(::tcgetattr(pty_.master(), &t), 0);
    EXPECT_EQ(::cfgetospeed(&t), B38400);
    EXPECT_EQ(pty_.readMaster(kPowerOnLines.size() + kFirstRotation.size()),
              kPowerOnLines + kFirstRotation);
    EXPECT_EQ(pty_.readUntilQuiet(150), "");
    for (Flag f :
         {Flag::Frequency, Flag::Squelch, Flag::Monitor, Flag::Vsc, Flag::Af, Flag::Plug}) {
        EXPECT_FALSE(state_.flag(f));
    }
    EXPECT_EQ(state_.verSCI(), -1);
    EXPECT_EQ(state_.verCPU(), -1);
    EXPECT_EQ(state_.unitOption(), 0);
    EXPECT_EQ(state_.matrixVersion(), -1);
    link_test::RelayView view(names_);
    EXPECT_EQ(view.word(DarcRelay::Frequency), 145000000u);  // given after the frequency line
    EXPECT_EQ(view.word(DarcRelay::TotalSize), 240032u);
}

TEST_F(ControllerTest, StoredValuesTravelInTheirLinesAndOnlyChangesAreSent) {
    state_.setFrequency(82500000);
    state_.setMode(5);
    state_.setFilter(2);
    state_.setSql(0x30);
    state_.setAfgain(0x80);
    state_.setExtOutLevel(7);
    state_.setExtPlug(1);
    state_.setDspOn(1);  // not raised at power-on: not in the first rotation
    controller_.PowerOn();
    // Mode and filter were flagged by their setters, so the frequency line goes out on three
    // visits of its group; the level flag waits for the next visit of its group too.
    const std::string expected = kPowerOnLines +
                                 "K00082500000050200\nJ4130\nJ5000\n"  // step 0
                                 "J5100\nJ4080\n"                      // 2
                                 "J4380\nJ4500\n"                      // 4
                                 "J45000000\nJ4A80\n"                  // 6
                                 "K00082500000050200\nJ4130\nJ5000\n"  // 8
                                 "J4700\nJ4D00\n"                      // 10
                                 "LD82000\n"                           // 12
                                 "JA107\nJA001\n"                      // 14
                                 "J8101\n"                             // 16
                                 "K00082500000050200\nJ4130\nJ5000\n"  // 0
                                 "JA107\nJA001\n";                     // 14
    EXPECT_EQ(pty_.readMaster(expected.size()), expected);
    EXPECT_EQ(pty_.readUntilQuiet(150), "");

    EXPECT_EQ(state_.setAfgain(0x80), 0x80);  // unchanged: nothing goes out
    EXPECT_EQ(pty_.readUntilQuiet(100), "");
    state_.setAfmute(1);
    EXPECT_EQ(pty_.readMaster(6), "J4000\n");
    state_.setMoni(1);
    EXPECT_EQ(pty_.readMaster(12), "J4100\nJ5000\n");
    state_.setNb(1);
    EXPECT_EQ(pty_.readMaster(10), "J45000001\n");
    state_.setDspUnitOn(1);
    state_.setDspAn(1);
    EXPECT_EQ(pty_.readMaster(12), "J8001\nJ8301\n");
    state_.setPllRefFrequency(6250);
    state_.setAfc(1);
    EXPECT_EQ(pty_.readUntilQuiet(150), "");  // never sent
}

TEST_F(ControllerTest, FrequencyModeAndFilterFlagsTogetherTakeThreeVisits) {
    powerOnAndSettle();
    state_.setFrequency(430000000);
    state_.setMode(5);
    state_.setFilter(1);
    const std::string line = "K00430000000050100\n";
    EXPECT_EQ(pty_.readMaster(3 * line.size()), line + line + line);
    EXPECT_EQ(pty_.readUntilQuiet(150), "");
}

TEST_F(ControllerTest, RepliesReachTheStoreAndMarkTheLinkAlive) {
    powerOnAndSettle();
    EXPECT_EQ(state_.powerOnStat(), 0);
    reply("G205\nG412\nGD11\nGE03\n");
    ASSERT_TRUE(waitFor([&] { return state_.matrixVersion() == 3; }));
    EXPECT_EQ(state_.verSCI(), 5);
    EXPECT_EQ(state_.verCPU(), 0x12);
    EXPECT_EQ(state_.unitOption(), 0x11);
    EXPECT_EQ(state_.powerOnStat(), 0);  // version replies do not mark it
    reply("I0D3\nI180\nI27F\nI30A\n");
    ASSERT_TRUE(waitFor([&] { return state_.dtmfr() == 10; }));
    EXPECT_EQ(state_.busy(), 1);
    EXPECT_EQ(state_.afopen(), 1);
    EXPECT_EQ(state_.vscbusy(), 0);
    EXPECT_EQ(state_.stereoDet(), 1);
    EXPECT_EQ(state_.extspJackIn(), 1);
    EXPECT_EQ(state_.rxerr(), 1);
    EXPECT_EQ(state_.smeter(), 0x80);
    EXPECT_EQ(state_.cmeter(), 0x7F);
    EXPECT_EQ(state_.powerOnStat(), 1);
    controller_.PowerOff();
    EXPECT_EQ(state_.powerOnStat(), 0);
}

TEST_F(ControllerTest, DirectSendsGoOutAtOnce) {
    powerOnAndSettle();
    controller_.SendFreq();
    EXPECT_EQ(pty_.readMaster(19), "K00145000000000000\n");
    controller_.SendScan(129);
    EXPECT_EQ(pty_.readMaster(5), "H881\n");
    EXPECT_EQ(state_.scanStat(), 2);
    controller_.SendScan(128);  // speed 0: stopped
    EXPECT_EQ(pty_.readMaster(5), "H880\n");
    EXPECT_EQ(state_.scanStat(), 0);
    controller_.SendScan(0);
    EXPECT_EQ(pty_.readMaster(5), "H800\n");
    EXPECT_EQ(state_.scanStat(), 0);
    controller_.SendScope(1, 2, 3, 12500);
    EXPECT_EQ(pty_.readMaster(22), "ME0000102030100012500\n");
    EXPECT_EQ(pty_.readUntilQuiet(100), "");
}

TEST_F(ControllerTest, ScanRxDataStoresSendsAndClearsItsFlags) {
    powerOnAndSettle();
    controller_.SetScanRxData(82500000, 5, 2, 1, 12, 12500);
    EXPECT_EQ(pty_.readMaster(19 + 6 + 6), "K00082500000050200\nJ4701\nJ510C\n");
    EXPECT_EQ(state_.frequency(), 82500000);
    EXPECT_EQ(state_.pllRefFrequency(), 12500);
    EXPECT_TRUE(state_.take(Flag::Pll));  // left for nobody
    for (Flag f : {Flag::Frequency, Flag::Mode, Flag::Filter, Flag::Att, Flag::Ctcss}) {
        EXPECT_FALSE(state_.flag(f));
    }
    link_test::RelayView view(names_);
    EXPECT_EQ(view.word(DarcRelay::Frequency), 82500000u);

    controller_.SetScanRxData(82500000, 5, 2, 1, 12, 5000);  // nothing changed: frequency only
    EXPECT_EQ(pty_.readMaster(19), "K00082500000050200\n");
    controller_.SetScanRxData(5000, 5, 2, 1, 12, 5000);  // refused frequency: the stored one
    EXPECT_EQ(pty_.readMaster(19), "K00082500000050200\n");
    EXPECT_EQ(pty_.readUntilQuiet(150), "");
}

TEST_F(ControllerTest, ScanRxDataLeavesStandingAChangeThatAnotherThreadMakesMeanwhile) {
    powerOnAndSettle();
    controller_.Stop();  // the flags are left for the sender: they tell what it would send
    // The call gives the relay its frequency after the frequency line: with the relay's mutex
    // held here, it stops there, and the mode changes on this thread at that moment.
    platform::NamedMutex relay(names_.relayMutex);
    relay.lock();
    std::thread scan([&] { controller_.SetScanRxData(82500000, 5, 2, 1, 12, 5000); });
    const std::string line = pty_.readMaster(19);
    state_.setMode(7);
    relay.unlock();
    scan.join();
    EXPECT_EQ(line, "K00082500000050200\n");
    EXPECT_EQ(pty_.readMaster(12), "J4701\nJ510C\n");
    EXPECT_TRUE(state_.flag(Flag::Mode)) << "the call cleared a change it never sent";
    for (Flag f : {Flag::Frequency, Flag::Filter, Flag::Att, Flag::Ctcss}) {
        EXPECT_FALSE(state_.flag(f));
    }

    controller_.Start();
    EXPECT_EQ(pty_.readMaster(19), "K00082500000070200\n");
    EXPECT_EQ(pty_.readUntilQuiet(150), "");
}

TEST_F(ControllerTest, ALineOfTheSenderCarriesTheValueStoredWhenItGetsTheLineNotBefore) {
    powerOnAndSettle();
    // The sender takes the ATT flag and waits for the line, held here; meanwhile a scan sets
    // and sends a newer value on this thread.
    platform::NamedMutex command(names_.commandMutex);
    command.lock();
    state_.setAtt(5);
    ASSERT_TRUE(waitFor([&] { return !state_.flag(Flag::Att); }));
    controller_.SetScanRxData(145000000, 0, 0, 6, 0, 5000);
    command.unlock();
    // The sender's line, sent after the scan's, carries the value stored by then.
    EXPECT_EQ(pty_.readMaster(31), "K00145000000000000\nJ4706\nJ4706\n");
    EXPECT_EQ(pty_.readUntilQuiet(150), "");
    EXPECT_EQ(state_.att(), 6);
}

std::atomic<uint32_t> g_fakeTicks{1000};
uint32_t fakeTicks() {
    return g_fakeTicks.load();
}

TEST_F(ControllerTest, AtRestTheSenderWaitsAndAChangeGoesOutAtTheNextTurn) {
    powerOnAndSettle();
    const int turns = controller_.turns.load();
    const int32_t step = controller_.sendStep();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_LE(controller_.turns.load(), turns + 1) << "the sender turns with nothing to send";
    EXPECT_EQ(controller_.sendStep(), step);
    state_.setPllRefFrequency(12500);  // flags no group sends do not wake it for good
    state_.setAfc(1);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_LE(controller_.turns.load(), turns + 3);
    ASSERT_TRUE(waitFor([&] {
        const int before = controller_.turns.load();
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        return controller_.turns.load() == before;
    }));

    // Whatever group the rotation rested on, the changed one is served by the first turn, and
    // the rotation then stands on the step after it. The group just sent, changed again, is
    // the case a walk round the rotation would keep waiting longest.
    struct Case {
        std::function<void()> change;
        std::string line;
        std::vector<int32_t> stepsAfter;  // the frequency group is served at step 0 or 8
    };
    const Case cases[] = {
        {[&] { state_.setAfgain(0x21); }, "J4021\n", {4}},
        {[&] { state_.setAfgain(0x22); }, "J4022\n", {4}},
        {[&] { state_.setAtt(1); }, "J4701\n", {12}},
        {[&] { state_.setDspOn(1); }, "J8101\n", {0}},
        {[&] { state_.setFrequency(82500000); }, "K00082500000000000\n", {2, 10}},
        {[&] { state_.setFrequency(82512500); }, "K00082512500000000\n", {2, 10}},
        {[&] { state_.setSql(0x10); }, "J4110\nJ5000\n", {2, 10}},
        {[&] { state_.setIfshift(0x90); }, "J4390\n", {6}},
        {[&] { state_.setNb(1); }, "J45000001\n", {8}},
        {[&] { state_.setBpftune(3); }, "LD82003\n", {14}},
        {[&] { state_.setExtPlug(1); }, "JA100\nJA001\n", {16}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const int before = controller_.turns.load();
        c.change();
        EXPECT_EQ(pty_.readMaster(c.line.size()), c.line);
        EXPECT_EQ(pty_.readUntilQuiet(100), "");
        // It went out in the turn that was resting; the one turn more is the next, resting.
        EXPECT_EQ(controller_.turns.load() - before, 1);
        EXPECT_NE(std::find(c.stepsAfter.begin(), c.stepsAfter.end(), controller_.sendStep()),
                  c.stepsAfter.end())
            << controller_.sendStep();
    }

    // Two changes at once: the first group from where it rested goes out at once, the other
    // when the rotation, going on from there, comes to it.
    const int before = controller_.turns.load();
    state_.setAtt(0);     // step 10
    state_.setAfgain(7);  // step 2, the first from step 16
    EXPECT_EQ(pty_.readMaster(12), "J4007\nJ4700\n");
    EXPECT_EQ(pty_.readUntilQuiet(100), "");
    EXPECT_GE(controller_.turns.load() - before, 5);  // steps 2, 4, 6, 8 and 10
    EXPECT_EQ(controller_.sendStep(), 12);
}

TEST_F(ControllerTest, OneShotMuteRestoresTheAfWhenItsTimeIsUp) {
    platform::setTickSource(&fakeTicks);
    powerOnAndSettle();
    state_.setAfgain(0x44);
    EXPECT_EQ(pty_.readMaster(6), "J4044\n");
    controller_.SendOneShotAfMute(500);
    EXPECT_EQ(pty_.readMaster(6), "J4000\n");
    g_fakeTicks.fetch_add(499);
    EXPECT_EQ(pty_.readUntilQuiet(100), "");
    EXPECT_EQ(controller_.muteRemaining(), 1u);
    g_fakeTicks.fetch_add(1);
    EXPECT_EQ(pty_.readMaster(6), "J4044\n");
    EXPECT_EQ(controller_.muteRemaining(), 0u);
    EXPECT_FALSE(state_.flag(Flag::Af));

    controller_.SendOneShotAfMute(0);  // restores at once
    EXPECT_EQ(pty_.readMaster(6), "J4044\n");

    // The sender rests long between mutes; that time does not count against the next one.
    EXPECT_EQ(pty_.readUntilQuiet(100), "");
    g_fakeTicks.fetch_add(60000);
    controller_.SendOneShotAfMute(500);
    EXPECT_EQ(pty_.readMaster(6), "J4000\n");
    EXPECT_EQ(pty_.readUntilQuiet(100), "");
    EXPECT_EQ(controller_.muteRemaining(), 500u);
    g_fakeTicks.fetch_add(500);
    EXPECT_EQ(pty_.readMaster(6), "J4044\n");
    platform::setTickSource(nullptr);
}

TEST_F(ControllerTest, ScanStatusReachesTheRegisteredWindowAfterEveryReport) {
    std::mutex lock;
    std::vector<platform::WindowMessage> got;
    std::atomic<bool> stop{false};
    std::atomic<platform::WindowHandle> handle{0};
    std::thread owner([&] {
        platform::MessageQueueWindow window([&](const platform::WindowMessage& m) {
            std::lock_guard guard(lock);
            got.push_back(m);
        });
        handle = window.handle();
        while (!stop) window.pump(5);
    });
    ASSERT_TRUE(waitFor([&] { return handle.load() != 0; }));
    const auto count = [&] {
        std::lock_guard guard(lock);
        return got.size();
    };
    controller_.setHwndScanNotify(handle);
    powerOnAndSettle();
    controller_.SendScan(129);
    EXPECT_TRUE(waitFor([&] { return count() == 1; }));
    reply("H902\n");
    EXPECT_TRUE(waitFor([&] { return count() == 2; }));
    reply("H902\n");  // unchanged, still reported
    EXPECT_TRUE(waitFor([&] { return count() == 3; }));
    stop = true;
    owner.join();
    ASSERT_EQ(got.size(), 3u);
    for (const auto& m : got) {
        EXPECT_EQ(m.message, 0x200u);
        EXPECT_EQ(m.wParam, 1);
        EXPECT_EQ(m.lParam, 10);
    }
    EXPECT_EQ(state_.scanStat(), 2);
}

TEST_F(ControllerTest, AWindowThatIsGoneDoesNotHoldUpTheSender) {
    controller_.setHwndScanNotify(424242);  // no such window
    powerOnAndSettle();
    controller_.SendScan(129);
    EXPECT_EQ(pty_.readMaster(5), "H881\n");
    ASSERT_TRUE(waitFor([&] { return !state_.scanStatFlag(); }));
    state_.setAfgain(0x11);
    EXPECT_EQ(pty_.readMaster(6), "J4011\n");
}

TEST_F(ControllerTest, PowerOffEndsAWindowThatNeverTakesTheMessage) {
    platform::MessageQueueWindow window([](const platform::WindowMessage&) {});  // never pumped
    controller_.setHwndScanNotify(window.handle());
    powerOnAndSettle();
    controller_.SendScan(129);
    EXPECT_EQ(pty_.readMaster(5), "H881\n");
    ASSERT_TRUE(waitFor([&] { return !state_.scanStatFlag(); }));  // retrying now
    controller_.PowerOff();
    EXPECT_FALSE(controller_.HasThread());
    EXPECT_EQ(pty_.readMaster(5), "H100\n");
    EXPECT_FALSE(controller_.portOpen());
}

TEST_F(ControllerTest, PowerOffStopsTheSenderSendsTheOffLineAndClosesThePort) {
    powerOnAndSettle();
    controller_.PowerOff();
    EXPECT_FALSE(controller_.HasThread());
    EXPECT_FALSE(controller_.portOpen());
    EXPECT_EQ(pty_.readMaster(5), "H100\n");
    const int turns = controller_.turns.load();
    state_.setAfgain(0x22);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(controller_.turns.load(), turns);
    EXPECT_TRUE(state_.flag(Flag::Af));  // kept for the next power-on

    controller_.PowerOn();
    EXPECT_EQ(pty_.readMaster(kPowerOnLines.size()), kPowerOnLines);
    EXPECT_NE(pty_.readUntilQuiet(200).find("J4022\n"), std::string::npos);
}

TEST_F(ControllerTest, ATurnOfAStoppedSenderEndsAtItsPauseAndSendsNothing) {
    powerOnAndSettle();
    controller_.Stop();  // the port stays open: only the sender is told to stop
    state_.setAfgain(0x55);
    state_.setFrequency(82500000);
    state_.setAtt(1);
    const int32_t step = controller_.sendStep();
    controller_.SendTurn();
    EXPECT_EQ(pty_.readUntilQuiet(100), "");
    EXPECT_EQ(controller_.sendStep(), step);
    for (Flag f : {Flag::Af, Flag::Frequency, Flag::Att}) EXPECT_TRUE(state_.flag(f));
}

TEST_F(ControllerTest, AVanishedDeviceFailsQuietlyAndALaterPowerOnWorks) {
    powerOnAndSettle();
    pty_.closeMaster();
    state_.setAfgain(0x33);
    state_.setFrequency(100000000);
    ASSERT_TRUE(waitFor([&] { return !state_.flag(Flag::Af) && !state_.flag(Flag::Frequency); }));
    state_.setAgc(2);  // the sender still serves what changes
    EXPECT_TRUE(waitFor([&] { return !state_.flag(Flag::Agc); }));
    controller_.PowerOff();
    EXPECT_FALSE(controller_.HasThread());
    EXPECT_FALSE(controller_.portOpen());

    testing_pty::PtyPair again;
    ASSERT_TRUE(again.ok());
    ::setenv("QUILLON_COM5", again.slavePath().c_str(), 1);
    controller_.PowerOn();
    EXPECT_EQ(again.readMaster(kPowerOnLines.size()), kPowerOnLines);
    // The rotation goes on where it stopped, so the frequency line comes somewhere in it.
    const std::string rotation = again.readUntilQuiet(150);
    EXPECT_NE(rotation.find("K00100000000000000\n"), std::string::npos) << rotation;
    controller_.PowerOff();
    EXPECT_NE(again.readUntilQuiet(200).find("H100\n"), std::string::npos);
}

TEST_F(ControllerTest, PortNumbersOutsideTheRangeAreStoredAsZero) {
    const std::pair<int32_t, int32_t> cases[] = {{0, 0}, {1, 1}, {10, 10}, {11, 0}, {-1, 0}};
    for (const auto& [given, stored] : cases) {
        EXPECT_EQ(controller_.setComportNum(given), given);
        EXPECT_EQ(controller_.comportNum(), stored);
    }
}

TEST(ControllerWithoutPort, PowerOnOnPortZeroWarnsAndTheSenderKeepsItsPace) {
    platform::ScriptedPresenter presenter;
    link_test::TestNames names;
    ReceiverState state(names.relayMapping, names.relayMutex);
    CountingController controller(state, names.commandMutex);
    testing::internal::CaptureStderr();
    controller.PowerOn();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("COM0:"), std::string::npos) << err;
    const auto shown = presenter.shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, " COM Port Error    ");
    EXPECT_FALSE(controller.portOpen());
    EXPECT_TRUE(controller.HasThread());

    ASSERT_TRUE(waitFor([&] { return !state.flag(Flag::Plug); }, 10000));  // all lines dropped
    // A change keeps the sender turning while its lines fail; each turn pauses 5 ms first and
    // each failed line costs its retries, so no more turns fit in the span than that allows.
    std::atomic<bool> changing{true};
    std::thread changer([&] {
        for (int32_t level = 0; changing; ++level) {
            state.setAgc(level & 0xFF);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    const auto start = std::chrono::steady_clock::now();
    const int before = controller.turns.load();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const int turns = controller.turns.load() - before;
    const auto spanMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - start)
                            .count();
    changing = false;
    changer.join();
    EXPECT_GT(turns, 0);
    EXPECT_LE(turns, spanMs / 5 + 2) << "the sender does not pause between turns";
    EXPECT_EQ(state.powerOnStat(), 0);
    EXPECT_EQ(controller.comportCTSstat(), 0);
    EXPECT_EQ(controller.comportDSRstat(), 0);
    controller.PowerOff();
    EXPECT_FALSE(controller.HasThread());
}

}  // namespace
