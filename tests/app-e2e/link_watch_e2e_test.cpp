// The whole program against the emulated receiver with a one-second link watch, as a user runs
// it: an answering receiver is never taken for lost, a silent or vanished one prompts once,
// Retry links again, and what the error flag stopped runs again once it is cleared.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Program.h"
#include "core/ProgramObjects.h"
#include "core/QuillonApi.h"
#include "core/ReceiverCodes.h"
#include "core/clsScopeDATA.h"
#include "core/frmTesselbase.h"
#include "link/line_state.h"
#include "memory/clsMEMORY.h"
#include "platform/message_box.h"
#include "scan/frmSCANctrl.h"
#include "shell/frmMain.h"
#include "tests/support/emulator_operator.h"
#include "tests/support/fast_emulator.h"
#include "tests/support/temp_home.h"
#include "tools/rx-emulator/rx_emulator.h"

namespace corvell::test {
namespace {

using platform::MessageResult;

constexpr int kPeriodMs = 1000;
constexpr const char* kLinkFailed = "Communication failed.\r\nCannot access Receiver.   ";

// Records every box with the time it came up and answers it from a function.
class Prompts : public platform::MessagePresenter {
  public:
    Prompts() {
        clock_.start();
        platform::setMessagePresenter(this);
    }
    ~Prompts() override { platform::setMessagePresenter(nullptr); }
    MessageResult present(const platform::MessageRequest& r) override {
        texts.push_back(r.text);
        atMs.push_back(clock_.elapsed());
        return answer ? answer(r) : MessageResult::Cancel;
    }
    qint64 now() const { return clock_.elapsed(); }
    std::function<MessageResult(const platform::MessageRequest&)> answer;
    std::vector<std::string> texts;
    std::vector<qint64> atMs;

  private:
    QElapsedTimer clock_;
};

double processCpuSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

class ProgramOnEmulator : public ::testing::Test {
  protected:
    ProgramOnEmulator() : emu(fastEmulatorOptions()), control(emu) {
        // The library's CTS on the emulator's pseudo-terminal holds for one watch period.
        ::setenv(quillon::LineState::kWatchPeriodVariable, std::to_string(kPeriodMs).c_str(), 1);
        ResetProgramObjects();
        ResetProgramMemory();
        home.write("Corvell.ini", "[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n[DTMF]\r\nDTMFON=1\r\n");
        platform::clearProfileCache();
    }
    ~ProgramOnEmulator() override {
        program.reset();
        ::unsetenv(quillon::LineState::kWatchPeriodVariable);
        ResetProgramMemory();
        ResetProgramObjects();
        emu.stop();
        for (QProcess* p : {&outside, &outsideAgain}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(3000);
            }
        }
    }

    void useInProcessEmulator() {
        if (!emu.start()) ADD_FAILURE() << "emulator: " << emu.lastError();
        ::setenv("QUILLON_COM1", emu.devicePath().c_str(), 1);
    }
    // The emulator as a program of its own, its device behind a link in the program directory.
    bool startOutsideEmulator(QProcess& process) {
        const std::string link = home.path("rx");
        process.start(CORVELL_EMULATOR_EXE, {"--link", QString::fromStdString(link)});
        if (!process.waitForStarted(3000)) return false;
        ::setenv("QUILLON_COM1", link.c_str(), 1);
        // The emulator prints its device once the link points at it.
        return QTest::qWaitFor(
            [&] {
                struct stat info {};
                return process.canReadLine() && ::stat(link.c_str(), &info) == 0;
            },
            3000);
    }

    app::Program& start() {
        app::Program::Options options;
        options.ended = [this] { ++ended; };
        options.executableDir = home.dir();
        options.watchPeriodMs = kPeriodMs;
        program = std::make_unique<app::Program>(std::move(options));
        EXPECT_TRUE(program->start());
        return *program;
    }
    frmTesselbase& rx() { return *program->receiver(); }
    shell::frmMain& main() { return *program->mainWindow(); }
    bool linked(int timeoutMs = 5000) {
        return QTest::qWaitFor([&] { return rx().LinkStat() == kLinkStatLinked; }, timeoutMs);
    }
    // Lets the program run as it does for the user: timers, heartbeat, link watch.
    void run(int ms) { QTest::qWait(ms); }
    size_t linkPrompts() const {
        size_t n = 0;
        for (const std::string& t : prompts.texts) n += t == kLinkFailed ? 1 : 0;
        return n;
    }
    void say(const std::string& line) { control.say(line); }

    TempHome home;
    Prompts prompts;
    rxemu::RxEmulator emu;
    EmulatorOperator control;
    QProcess outside;
    QProcess outsideAgain;
    std::unique_ptr<app::Program> program;
    int ended = 0;
};

TEST_F(ProgramOnEmulator, AnAnsweringReceiverIsNeverReportedLostOverManyWatchPeriods) {
    useInProcessEmulator();
    start();
    ASSERT_TRUE(linked());
    run(4 * kPeriodMs + kPeriodMs / 2);
    EXPECT_EQ(rx().Timer1Interval(), kPeriodMs);
    EXPECT_EQ(rx().Error(), 0);
    EXPECT_TRUE(prompts.texts.empty()) << prompts.texts.front();
    EXPECT_EQ(main().windowTitle(), "Corvell");
}

TEST_F(ProgramOnEmulator, ASilentReceiverPromptsOnceWithinTwoPeriodsAndRetryAfterSpeakLinks) {
    useInProcessEmulator();
    prompts.answer = [&](const platform::MessageRequest&) {
        say("speak");
        return MessageResult::Retry;
    };
    start();
    ASSERT_TRUE(linked());
    run(2 * kPeriodMs + kPeriodMs / 2);
    ASSERT_TRUE(prompts.texts.empty()) << "prompted while the receiver answered";
    const qint64 silentAt = prompts.now();
    say("silent");
    // The watch finds it at its second look at the latest; the heartbeat's once-a-second
    // check then prompts.
    ASSERT_TRUE(QTest::qWaitFor([&] { return linkPrompts() > 0; }, 2 * kPeriodMs + 2000));
    EXPECT_LE(prompts.atMs[0] - silentAt, 2 * kPeriodMs + 1000 + 300);
    ASSERT_TRUE(linked());
    run(3 * kPeriodMs);
    EXPECT_EQ(linkPrompts(), 1u);
    EXPECT_EQ(prompts.texts.size(), 1u);
    EXPECT_EQ(rx().Error(), 0);
    EXPECT_EQ(main().windowTitle(), "Corvell");
}

TEST_F(ProgramOnEmulator, AKilledEmulatorPromptsOnceWithoutSpinningAndANewOneLinksOnRetry) {
    ASSERT_TRUE(startOutsideEmulator(outside));
    start();
    ASSERT_TRUE(linked());
    double cpu = processCpuSeconds();
    run(2 * kPeriodMs);
    const double liveCpu = processCpuSeconds() - cpu;
    ASSERT_TRUE(prompts.texts.empty());

    bool restarted = false;
    prompts.answer = [&](const platform::MessageRequest&) {
        restarted = startOutsideEmulator(outsideAgain);  // the user starts a new one, then Retry
        return MessageResult::Retry;
    };
    cpu = processCpuSeconds();
    QElapsedTimer dead;
    dead.start();
    outside.kill();
    ASSERT_TRUE(outside.waitForFinished(3000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.texts.empty(); }, 2 * kPeriodMs + 2000));
    // Nothing busy-waits on the vanished device while the watch takes its time.
    const double deadCpu = processCpuSeconds() - cpu;
    const double deadSeconds = static_cast<double>(dead.elapsed()) / 1000.0;
    EXPECT_LT(deadCpu, liveCpu / 2 + 0.5 * deadSeconds)
        << deadCpu << " s of CPU in " << deadSeconds << " s";
    EXPECT_EQ(prompts.texts[0], kLinkFailed);
    ASSERT_TRUE(restarted);
    ASSERT_TRUE(linked());
    run(3 * kPeriodMs);
    EXPECT_EQ(prompts.texts.size(), 1u);
    EXPECT_EQ(rx().Error(), 0);
    EXPECT_EQ(main().windowTitle(), "Corvell");
}

TEST_F(ProgramOnEmulator, OnceTheErrorIsClearedTheScopeTheDtmfDecoderAndTheScanRunAgain) {
    useInProcessEmulator();
    start();
    ASSERT_TRUE(linked());
    clsScopeDATA& scope = rx().ScopeDATA();
    scope.setBwidth(200);
    scope.setSpeed(20);
    scope.setTs(5000);
    scope.setMode(kScopeContinuous);
    frmSCANctrl* scan = rx().ScanObjAs<frmSCANctrl>();
    ASSERT_NE(scan, nullptr);
    clsMchDATA& row = scan->pchData(1);
    row.setLngFreq(118000000);
    row.setLngFreqHigh(137000000);
    row.setModeText("AM");
    row.setFilterText("6k");
    row.setTsname("25kHz");
    const QuillonApi& rs = Quillon();
    // Each of the three is running: the scope levels change, a DTMF code is taken (the
    // decoder writes 0 back), the scan moves the frequency.
    uint8_t level = 10;
    auto allRun = [&] {
        std::array<uint8_t, 256> levels{};
        levels.fill(level += 7);
        emu.setScopeLevels(levels);
        emu.sendDtmf(0x15);
        const bool dtmfTaken = QTest::qWaitFor([&] { return rs.RsGetDtmfr() == 0; }, 2000);
        const int32_t f = rx().Frequency();
        const bool scanned = QTest::qWaitFor([&] { return rx().Frequency() != f; }, 4000);
        const bool swept = QTest::qWaitFor(
            [&] { return scope.SCOPE_buff_WoFlag(clsScopeDATA::kCentre) == level; }, 2000);
        if (!dtmfTaken) ADD_FAILURE() << "no DTMF code was taken";
        if (!scanned) ADD_FAILURE() << "the scan did not move";
        if (!swept) ADD_FAILURE() << "the scope levels did not change";
        return dtmfTaken && scanned && swept;
    };
    ASSERT_TRUE(scan->scan_start(kScanProgram, 1));
    EXPECT_TRUE(allRun());

    say("silent");  // the link fails; the user cancels the prompt
    ASSERT_TRUE(QTest::qWaitFor([&] { return linkPrompts() > 0; }, 2 * kPeriodMs + 2000));
    ASSERT_EQ(rx().Error(), 1);
    say("speak");
    emu.sendDtmf(0x16);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rs.RsGetDtmfr() == 0x16; }, 2000));
    const int32_t stoppedAt = rx().Frequency();
    std::array<uint8_t, 256> later{};
    later.fill(level + 3);
    emu.setScopeLevels(later);
    const int16_t stoppedLevel = scope.SCOPE_buff_WoFlag(clsScopeDATA::kCentre);
    run(kPeriodMs / 2);
    EXPECT_EQ(rs.RsGetDtmfr(), 0x16) << "the decoder ran while the link had failed";
    EXPECT_EQ(rx().Frequency(), stoppedAt) << "the scan ran while the link had failed";
    EXPECT_EQ(scope.SCOPE_buff_WoFlag(clsScopeDATA::kCentre), stoppedLevel) << "the scope ran";

    // Off and on again from the tool strip clears the error; everything runs again, and
    // keeps running over the next watch periods.
    main().KeyAction("POWER");
    main().KeyAction("POWER");
    ASSERT_TRUE(linked());
    EXPECT_EQ(rx().Error(), 0);
    ASSERT_TRUE(scan->scan_start(kScanProgram, 1));
    run(2 * kPeriodMs + kPeriodMs / 2);
    EXPECT_EQ(rx().Error(), 0);
    EXPECT_TRUE(allRun());
    EXPECT_EQ(linkPrompts(), 1u);
}

}  // namespace
}  // namespace corvell::test
