// Faults on the way to the receiver: a port that cannot be opened, a receiver that never
// answers, one that vanishes while switched on, one that holds the line, and one that sends
// noise.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "platform/named_mutex.h"
#include "platform/serial_device.h"
#include "tests/link-e2e/link_session.h"
#include "tests/support/emulator_operator.h"
#include "tests/support/scripted_presenter.h"

namespace {

using e2e::LinkSession;
using e2e::rs;
using e2e::waitFor;

// Every value a reply can write, to compare the whole received state.
std::vector<int32_t> receivedState() {
    std::vector<int32_t> v;
    for (const char* getter :
         {"RsGetSmeter", "RsGetCmeter", "RsGetDtmfr", "RsGetBusy", "RsGetAfopen", "RsGetVscbusy",
          "RsGetStereoDet", "RsGetExtspJackIn", "RsGetRxerr", "RsGetCmdStat", "RsGetVerSCI",
          "RsGetVerCPU", "RsGetUnitOption", "RsGetMatrixVersion", "RsGetScanStat",
          "RsGetPowerOnStat"}) {
        v.push_back(rs(getter));
    }
    for (int i = 0; i < 256; ++i) v.push_back(rs("RsGetScopeBuff", i));
    return v;
}

void expectPortErrorAndNoLink(const platform::ScriptedPresenter& presenter) {
    const auto shown = presenter.shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, " COM Port Error    ");
    EXPECT_EQ(shown[0].title, "Corvell");
    EXPECT_EQ(shown[0].icon, platform::MessageIcon::Warning);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(rs("RsGetPowerOnStat"), 0);
    // With no port the sends fail quietly and every call still returns.
    e2e::mustFinishWithin(5000, "calls without a port", [] {
        rs("RsSetAfgain", rs("RsGetAfgain") ^ 0x11);
        rs("RsSendFreq");
        rs("RsSendScan", 0);
        rs("RsPowerOff");
    });
    EXPECT_EQ(rs("RsGetPowerOnStat"), 0);
}

TEST(Faults, PortZeroShowsThePortErrorAndTheLinkNeverComesAlive) {
    platform::ScriptedPresenter presenter;
    e2e::library();
    rs("RsSetComportNum", 0);
    e2e::mustFinishWithin(5000, "RsPowerOn", [] { rs("RsPowerOn"); });
    expectPortErrorAndNoLink(presenter);
}

TEST(Faults, AnAbsentDeviceShowsThePortErrorAndTheLinkNeverComesAlive) {
    platform::ScriptedPresenter presenter;
    e2e::library();
    ::setenv("QUILLON_COM1", "/nonexistent/corvell-no-such-port", 1);
    rs("RsSetComportNum", 1);
    e2e::mustFinishWithin(5000, "RsPowerOn", [] { rs("RsPowerOn"); });
    expectPortErrorAndNoLink(presenter);
}

TEST(Faults, ASilentReceiverHearsEverythingButTheLinkNeverComesAlive) {
    LinkSession s;
    s.rx().setSilent(true);
    const size_t mark = s.mark();
    EXPECT_FALSE(s.powerOn());
    ASSERT_NO_FATAL_FAILURE(e2e::expectPowerOnSequenceFirst(s.linesSince(mark)));
    EXPECT_EQ(rs("RsGetVerSCI"), -1);
    EXPECT_EQ(rs("RsGetUnitOption"), 0);
}

TEST(Faults, AReceiverThatVanishesWhileOnHangsNothingAndALaterPowerOnWorks) {
    LinkSession s;
    ASSERT_TRUE(s.powerOn());
    s.settle();
    s.rx().stop();  // the receiver's end of the line is gone

    e2e::mustFinishWithin(10000, "calls after the receiver vanished", [] {
        rs("RsSetAfgain", rs("RsGetAfgain") ^ 0x22);
        rs("RsSetFrequency", 433920000);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the sender's sends fail
        rs("RsSendFreq");
        rs("RsSendScope", 1, 32, 3, 5000);
        rs("RsSendOneShotAfMute", 0);
        rs("RsPowerOff");
    });
    EXPECT_EQ(rs("RsGetPowerOnStat"), 0);

    s.replaceEmulator();
    const size_t mark = s.mark();
    ASSERT_TRUE(s.powerOn());
    s.settle();
    const std::vector<std::string> lines = s.linesSince(mark);
    ASSERT_NO_FATAL_FAILURE(e2e::expectPowerOnSequenceFirst(lines));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "K00433920000000000"), lines.end());
}

TEST(Faults, AChangeMadeWhileTheReceiverHoldsTheLineGoesOutOnceTheLineMoves) {
    LinkSession s;
    ASSERT_TRUE(s.powerOn());
    rs("RsSetAtt", 0);
    s.settle();
    char frequencyLine[32];
    std::snprintf(frequencyLine, sizeof frequencyLine, "K0%010d%02d%02d00", rs("RsGetFrequency"),
                  rs("RsGetMode"), rs("RsGetFilter"));
    corvell::test::EmulatorOperator operatorOf(s.rx());
    operatorOf.say("hold");
    const size_t mark = s.mark();

    // The program's own lines fill the line, until they are held: the library gives up on a
    // line only after three attempts of a write time-out each, in which the line took none of
    // it or only a part. Two held in a row: a send that a busy machine only slowed is no sign.
    const auto sendIsHeld = [&] {
        const auto start = std::chrono::steady_clock::now();
        rs("RsSendFreq");
        return std::chrono::steady_clock::now() - start >=
               3 * std::chrono::milliseconds(
                       platform::SerialDevice::writeTimeoutMs(38400, std::strlen(frequencyLine)));
    };
    bool full = false;
    for (int sends = 0; sends < 20000 && !full; ++sends) full = sendIsHeld() && sendIsHeld();
    ASSERT_TRUE(full) << "the line never filled";

    platform::NamedMutex command("Varnel_CCitCtrl_mt");
    rs("RsSetAtt", 0x5A);
    EXPECT_EQ(rs("RsGetAtt"), 0x5A);
    // The sender holds the command mutex while its line waits for room: once it lets go, its
    // attempt at the change has ended without the line taking it.
    const auto sending = [&] {
        if (!command.try_lock()) return true;
        command.unlock();
        return false;
    };
    ASSERT_TRUE(waitFor(sending, 5000)) << "the sender never tried the change";
    ASSERT_TRUE(waitFor([&] { return !sending(); }, 5000));
    EXPECT_EQ(s.mark(), mark);  // nothing was read meanwhile

    operatorOf.say("release");
    const auto attLines = [&] {
        std::vector<std::string> att;
        for (const std::string& line : s.linesSince(mark)) {
            if (line.rfind("J47", 0) == 0) att.push_back(line);
        }
        return att;
    };
    EXPECT_TRUE(waitFor([&] { return !attLines().empty(); }, 5000)) << "the change never went out";
    s.settle();
    EXPECT_EQ(rs("RsGetAtt"), 0x5A);
    const std::vector<std::string> att = attLines();
    ASSERT_FALSE(att.empty());
    EXPECT_EQ(att.back(), "J475A");
    // Every line came whole: a line the full line cut short was finished, not sent again.
    for (const std::string& line : s.linesSince(mark)) {
        EXPECT_TRUE(line == frequencyLine || line == "J475A") << "a garbled line: " << line;
    }
}

TEST(Faults, NoiseFromTheReceiverChangesNothingAndTheLinkRecoversAfterIt) {
    rxemu::EmulatorOptions options = e2e::fastOptions();
    options.noiseBurstBytes = 512;
    options.noisePeriodMs = 5;
    LinkSession s(options);
    std::array<uint8_t, 256> levels{};
    for (int i = 0; i < 256; ++i) levels[i] = static_cast<uint8_t>(i ^ 0x5A);
    s.rx().setScopeLevels(levels);
    s.rx().setSmeter(0x33);
    s.rx().setStatusBits(0x05);
    ASSERT_TRUE(s.powerOn());
    rs("RsSendScope", 1, 255, 3, 5000);
    ASSERT_TRUE(waitFor([] { return rs("RsGetScopeBuff", 255) == (255 ^ 0x5A); }));
    rs("RsSendScope", 0, 255, 3, 5000);
    s.rx().sendDtmf(0x0C);
    ASSERT_TRUE(waitFor([] { return rs("RsGetDtmfr") == 0x0C && rs("RsGetUnitOption") != 0; }));
    s.rx().setStatusReports(false);
    s.settle();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // the last replies are in
    const std::vector<int32_t> before = receivedState();

    s.rx().setNoise(true);
    ASSERT_TRUE(waitFor([&] { return s.rx().noiseBytesSent() >= 100000; }, 20000));
    s.rx().setNoise(false);
    // Replies come in order: once this status is in, so is all the noise before it.
    rs("RsSetDtmfr", 0);
    s.rx().sendDtmf(0x0C);
    ASSERT_TRUE(waitFor([] { return rs("RsGetDtmfr") == 0x0C; }));
    EXPECT_EQ(receivedState(), before);

    s.rx().setSmeter(0x44);
    s.rx().setStatusReports(true);
    EXPECT_TRUE(waitFor([] { return rs("RsGetSmeter") == 0x44; }));
    // The sender went on through the noise.
    const size_t mark = s.mark();
    rs("RsSetAfgain", rs("RsGetAfgain") ^ 0x01);
    EXPECT_EQ(s.expectLines(mark, 1).size(), 1u);
}

}  // namespace
