// The program's window on the real link library and an emulated receiver: power on from the
// tool strip, a receiver that falls silent and speaks again, opening a real memory file (and
// what it leaves of the scan and the automatic mode), and closing with changed channels.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QTest>
#include <functional>

#include "core/ProgramObjects.h"
#include "core/QuillonApi.h"
#include "core/ReceiverCodes.h"
#include "core/clsAUTOMODE.h"
#include "core/clsMchDATA.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "platform/message_box.h"
#include "scan/ScanStop.h"
#include "scan/frmSCANctrl.h"
#include "shell/frmMain.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/emulator_operator.h"
#include "tests/support/fast_emulator.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/manual_clock.h"
#include "tests/support/temp_home.h"
#include "tools/rx-emulator/rx_emulator.h"
#include "ui/ImageHotZone.h"

namespace corvell::test {
namespace {

using platform::MessageResult;

// Answers each box from a function, on the thread that asks.
class Answering : public platform::MessagePresenter {
  public:
    explicit Answering(std::function<MessageResult(const platform::MessageRequest&)> answer)
        : answer_(std::move(answer)) {
        platform::setMessagePresenter(this);
    }
    ~Answering() override { platform::setMessagePresenter(nullptr); }
    MessageResult present(const platform::MessageRequest& r) override {
        texts.push_back(r.text);
        return answer_(r);
    }
    std::vector<std::string> texts;

  private:
    std::function<MessageResult(const platform::MessageRequest&)> answer_;
};

class ShellE2e : public ::testing::Test {
  protected:
    ShellE2e() : emu(fastEmulatorOptions()), control(emu) {
        ResetProgramObjects();
        ResetProgramMemory();
        if (!emu.start()) ADD_FAILURE() << "emulator: " << emu.lastError();
        ::setenv("QUILLON_COM1", emu.devicePath().c_str(), 1);
        home.write("Corvell.ini", "[DATA]\r\nCOMPORT=1\r\nCONNECT=0\r\n");
        platform::clearProfileCache();
    }
    ~ShellE2e() override {
        fx.reset();
        emu.stop();
    }

    // The emulator's operator types a control line.
    void say(const std::string& line) { control.say(line); }

    bool pumpUntil(const std::function<bool()>& condition, int timeoutMs = 5000) {
        return QTest::qWaitFor(condition, timeoutMs);
    }
    bool linked() {
        return pumpUntil([&] { return fx.rx->LinkStat() == kLinkStatLinked; });
    }
    void clickTool(int index) {
        ui::ImageHotZone* zone = fx.main->tool(index);
        QTest::mouseClick(zone, Qt::LeftButton, {}, QPoint(5, 5));
    }

    TempHome home;
    rxemu::RxEmulator emu;
    EmulatorOperator control;
    MainWindowFixture fx;
};

TEST_F(ShellE2e, PowerFromTheToolStripPutsThePowerOnSequenceOnTheWire) {
    fx.open();
    const size_t mark = emu.log().count();
    clickTool(5);
    ASSERT_TRUE(emu.log().waitForCount(mark + 10, 3000));
    const std::vector<std::string> lines = emu.log().textsSince(mark);
    const std::vector<std::string> sequence = {"H101", "G105", "J4000", "J41FF", "H1?",
                                               "G2?",  "G4?",  "GE?",   "GD?",   "G301"};
    ASSERT_GE(lines.size(), sequence.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 10), sequence);
    ASSERT_TRUE(linked());
    fx.main->Timer1_Timer();
    EXPECT_EQ(fx.main->windowTitle(), "Corvell");
    EXPECT_EQ(fx.main->tool(5)->imageId(), 1902);
    // Off again: the receiver hears the power-off.
    const size_t off = emu.log().count();
    clickTool(5);
    EXPECT_TRUE(emu.log().waitFor("H100", off, 3000).has_value());
    fx.main->Timer1_Timer();
    EXPECT_EQ(fx.main->windowTitle(), "Corvell  - Power OFF");
}

TEST_F(ShellE2e, ASilentReceiverPromptsExactlyOnceAndRetryAfterItSpeaksRecovers) {
    ManualClock clock;
    Answering presenter([&](const platform::MessageRequest&) {
        say("speak");  // the receiver is back before the user answers
        return MessageResult::Retry;
    });
    say("silent");
    fx.open();
    fx.main->KeyAction("POWER");
    fx.rx->Timer1_Timer();  // the first watch tick after power-on
    // The watch gives up after its wait; the heartbeat's check, once a second, prompts.
    for (int i = 0; i < 5 && presenter.texts.empty(); ++i) {
        clock.advance(frmTesselbase::kLinkWaitMs + 1);
        fx.rx->Timer1_Timer();
        for (int tick = 0; tick < 3; ++tick) {
            ++fx.second;
            fx.main->Timer1_Timer();
        }
    }
    ASSERT_EQ(presenter.texts.size(), 1u);
    EXPECT_EQ(presenter.texts[0], "Communication failed.\r\nCannot access Receiver.   ");
    // Retry switched off and on again: the receiver answers and the link is up.
    ASSERT_TRUE(linked());
    EXPECT_EQ(fx.rx->Error(), 0);
    for (int tick = 0; tick < 3; ++tick) {
        ++fx.second;
        fx.main->Timer1_Timer();
    }
    EXPECT_EQ(fx.main->windowTitle(), "Corvell");
    EXPECT_EQ(presenter.texts.size(), 1u);
}

TEST_F(ShellE2e, OpeningARealMemoryFileTunesToItsActiveChannel) {
    ScriptedFileDialogs chooser;
    chooser.answerNext(QString(CORVELL_SOURCE_DIR) + "/tests/fixtures/windows.MCH");
    fx.open();
    fx.main->KeyAction("POWER");
    ASSERT_TRUE(linked());
    const size_t mark = emu.log().count();
    fx.main->KeyAction("OPEN");
    clsMEMORY& memory = ProgramMemory();
    const int32_t f = memory.chData(memory.ActiveBank(), memory.ActiveCh()).lngFreq();
    ASSERT_GT(f, 0);
    EXPECT_TRUE(pumpUntil([&] { return emu.frequency() == f; }));
    char line[32];
    std::snprintf(line, sizeof line, "K0%010d", f);
    bool heard = false;
    for (const std::string& l : emu.log().textsSince(mark)) heard |= l.rfind(line, 0) == 0;
    EXPECT_TRUE(heard) << line;
}

// The opened file's active channel is a new place to listen: a scan started afterwards must
// begin afresh instead of going on from where the old one stopped, and the automatic mode must
// not retune the channel's own mode and filter.
TEST_F(ShellE2e, OpeningAMemoryFileSwitchesAutomaticModeOffAndForgetsWhereTheScanWas) {
    ScriptedFileDialogs chooser;
    const QString file = QString(CORVELL_SOURCE_DIR) + "/tests/fixtures/windows.MCH";
    chooser.answerNext(file);
    fx.open();
    fx.main->KeyAction("POWER");
    ASSERT_TRUE(linked());
    frmSCANctrl* scan = ScanCtrl();
    ASSERT_NE(scan, nullptr);

    // A program scan over 118.0 to 118.1 MHz, started on the linked receiver and stopped: the
    // controller remembers where it was, so the next start would go on from there.
    clsMchDATA& row = scan->pchData(1);
    row.setLngFreq(118000000);
    row.setLngFreqHigh(118100000);
    row.setModeText("AM");
    row.setFilterText("6k");
    row.setTsname("20kHz");
    ASSERT_TRUE(scan->scan_start(kScanProgram, 1));
    ASSERT_EQ(scan->scanning(), 1);
    ASSERT_TRUE(scan->scan_stop());
    ASSERT_EQ(scan->continueFlag(), 1);
    fx.rx->AutoMode().setMode(1);
    ASSERT_TRUE(fx.rx->AutoMode().mode());

    fx.main->KeyAction("OPEN");
    clsMEMORY& memory = ProgramMemory();
    ASSERT_EQ(QString::fromStdString(memory.filepath()), file);
    const int32_t f = memory.chData(memory.ActiveBank(), memory.ActiveCh()).lngFreq();
    ASSERT_GT(f, 0);
    EXPECT_EQ(fx.rx->Frequency(), f);  // the file's active channel was taken over
    EXPECT_EQ(scan->continueFlag(), 0);
    EXPECT_FALSE(fx.rx->AutoMode().mode());
}

TEST_F(ShellE2e, ClosingWithChangedChannelsOffersYesNoAndCancel) {
    const std::string file = home.path("MINE.MCH");
    for (MessageResult answer : {MessageResult::Cancel, MessageResult::No, MessageResult::Yes}) {
        SCOPED_TRACE(static_cast<int>(answer));
        Answering presenter([&](const platform::MessageRequest&) { return answer; });
        fx.open();
        fx.main->KeyAction("POWER");
        ASSERT_TRUE(linked());
        clsMEMORY& memory = ProgramMemory();
        ASSERT_EQ(memory.SaveAsMemory(file), 1);
        memory.setStrBankName(3, "Airband");  // changes the memory
        const size_t mark = emu.log().count();
        fx.main->close();
        ASSERT_EQ(presenter.texts.size(), 1u);
        EXPECT_EQ(presenter.texts[0], "Do You Want to save Memory-Channel Data ?");
        const std::string saved = home.read("MINE.MCH");
        if (answer == MessageResult::Cancel) {
            EXPECT_EQ(fx.endedCount, 0);
            EXPECT_TRUE(fx.main->isVisible());
            EXPECT_TRUE(memory.MemoryChanged());
            EXPECT_EQ(fx.rx->Power(), 1);
        } else {
            EXPECT_EQ(fx.endedCount, 1);
            EXPECT_EQ(saved.find("Airband") != std::string::npos, answer == MessageResult::Yes);
            EXPECT_TRUE(emu.log().waitFor("H100", mark, 3000).has_value());  // off at exit
        }
        fx.reset();
        home.write("Corvell.ini", "[DATA]\r\nCOMPORT=1\r\nCONNECT=0\r\n");
        platform::clearProfileCache();
    }
}

}  // namespace
}  // namespace corvell::test
