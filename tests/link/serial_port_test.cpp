#include "link/serial_port.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "link/link_port.h"
#include "link/receiver_state.h"
#include "platform/tick_count.h"
#include "tests/link/link_fixture.h"
#include "tests/platform/pty_pair.h"
#include "tests/support/scripted_presenter.h"

namespace {

using link_test::waitFor;
using Result = quillon::SerialPort::LineResult;
constexpr Result Sent = Result::Sent;
constexpr Result Held = Result::Held;
constexpr Result Failed = Result::Failed;

// A port that records what it receives and counts the reader's turns.
class RecordingPort : public quillon::SerialPort {
  public:
    ~RecordingPort() override { Close(); }
    std::atomic<int> turns{0};
    std::string received() {
        std::lock_guard guard(lock_);
        return received_;
    }

  protected:
    void Turn() override {
        turns.fetch_add(1);
        SerialPort::Turn();
    }
    void OnData(const uint8_t* bytes, int32_t count) override {
        std::lock_guard guard(lock_);
        received_.append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(count));
    }

  private:
    std::mutex lock_;
    std::string received_;
};

class SerialPortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pty_.ok());
        ::setenv("QUILLON_COM6", pty_.slavePath().c_str(), 1);
    }
    void TearDown() override { ::unsetenv("QUILLON_COM6"); }
    testing_pty::PtyPair pty_;
    RecordingPort port_;
};

TEST_F(SerialPortTest, OpenSendsLinesAndHandsReceivedBytesOn) {
    port_.Open("COM6:", 9600);
    ASSERT_TRUE(port_.IsOpen());
    EXPECT_TRUE(port_.HasThread());
    port_.Open("COM6:", 9600);  // open already: nothing
    EXPECT_EQ(port_.SendLine("H101\n"), Sent);
    EXPECT_EQ(pty_.readMaster(5), "H101\n");

    // More than one read's worth arrives in pieces, in order.
    std::string reply;
    for (int i = 0; i < 50; ++i) reply += "I1" + std::to_string(10 + i) + "\n";
    ASSERT_TRUE(pty_.writeMaster(reply));
    EXPECT_TRUE(waitFor([&] { return port_.received() == reply; }));

    port_.SetSpeed(38400);
    EXPECT_TRUE(port_.IsOpen());
    EXPECT_EQ(port_.Speed(), 38400);
    EXPECT_EQ(port_.SendLine("G2?\n"), Sent);
    EXPECT_EQ(pty_.readMaster(4), "G2?\n");

    port_.Close();
    EXPECT_FALSE(port_.IsOpen());
    EXPECT_FALSE(port_.HasThread());
    port_.Close();  // closed already: nothing
}

TEST_F(SerialPortTest, AClosedPortFailsEveryWriteAndIgnoresSpeedChanges) {
    EXPECT_EQ(port_.Write("x", 1), 0);
    EXPECT_EQ(port_.SendLine("H100\n"), Failed);  // three attempts, then gives up
    port_.SetSpeed(38400);
    EXPECT_FALSE(port_.IsOpen());
    EXPECT_EQ(port_.IsCtsOn(), 0);
    EXPECT_EQ(port_.IsDsrOn(), 0);
}

TEST_F(SerialPortTest, APortThatCannotBeOpenedShowsTheBoxAndSaysWhyOnStderr) {
    platform::ScriptedPresenter presenter;
    ::setenv("QUILLON_COM6", "/nonexistent/tty", 1);
    testing::internal::CaptureStderr();
    port_.Open("COM6:", 9600);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(port_.IsOpen());
    EXPECT_FALSE(port_.HasThread());
    const auto shown = presenter.shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, " COM Port Error    ");
    EXPECT_EQ(shown[0].title, "Corvell");
    EXPECT_EQ(shown[0].icon, platform::MessageIcon::Warning);
    EXPECT_EQ(shown[0].buttons, platform::MessageButtons::Ok);
    EXPECT_NE(err.find("/nonexistent/tty"), std::string::npos) << err;
}

// The lines in `text`, and whether it ends in the middle of one.
std::vector<std::string> linesOf(const std::string& text, bool& cut) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    cut = start != text.size();
    return lines;
}

TEST_F(SerialPortTest, ALineCutShortByAHeldLineIsFinishedBeforeTheNextSoOnlyWholeLinesArrive) {
    port_.Open("COM6:", 38400);
    ASSERT_TRUE(port_.IsOpen());
    // Nobody reads the far end: the line fills, and the line that no longer fits is held.
    const std::string line = "K00145000000000000\n";
    int sent = 0;
    Result result = Sent;
    while (sent < 100000 && (result = port_.SendLine(line.c_str())) == Sent) ++sent;
    ASSERT_EQ(result, Held) << "the line never filled";
    EXPECT_EQ(port_.SendLine("J475A\n"), Held);

    // The far end reads again: the next line goes out after the rest of the cut one.
    std::string got = pty_.readUntilQuiet(200);
    EXPECT_EQ(port_.SendLine("H100\n"), Sent);
    got += pty_.readUntilQuiet(200);
    bool cut = false;
    const std::vector<std::string> lines = linesOf(got, cut);
    EXPECT_FALSE(cut);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "H100");
    int whole = 0;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] == "K00145000000000000") {
            ++whole;
        } else {
            // Only a held line that had begun goes on; it cannot be anything but itself.
            EXPECT_EQ(lines[i], "J475A") << "line " << i << " of " << lines.size();
        }
    }
    // The held line may have begun (and then it is finished) or not (and then it is not sent).
    EXPECT_GE(whole, sent);
    EXPECT_LE(whole, sent + 1);
}

std::atomic<uint32_t> g_ticks{1000};
uint32_t fakeTicks() {
    return g_ticks.load();
}

TEST_F(SerialPortTest, APseudoTerminalHasNoModemLinesSoCtsFollowsTheReceiversAnswers) {
    platform::setTickSource(&fakeTicks);
    ::setenv(quillon::LineState::kWatchPeriodVariable, "1000", 1);
    link_test::TestNames names;
    quillon::ReceiverState state(names.relayMapping, names.relayMutex);
    quillon::LinkPort port(state);
    port.Open("COM6:", 9600);
    ::unsetenv(quillon::LineState::kWatchPeriodVariable);
    ASSERT_TRUE(port.IsOpen());
    EXPECT_FALSE(port.HasModemLines());
    EXPECT_EQ(port.IsDsrOn(), 0);
    EXPECT_EQ(port.IsCtsOn(), 0);  // nothing heard since the open

    // Half a reply is no answer; its last byte makes it one.
    ASSERT_TRUE(pty_.writeMaster("I1"));
    EXPECT_EQ(port.IsCtsOn(), 0);
    ASSERT_TRUE(pty_.writeMaster("80"));
    EXPECT_TRUE(waitFor([&] { return state.smeter() == 0x80; }));
    g_ticks += 1000;
    EXPECT_EQ(port.IsCtsOn(), 1);
    EXPECT_EQ(port.IsCtsOn(), 1);  // looking does not use the answer up
    g_ticks += 1;
    EXPECT_EQ(port.IsCtsOn(), 0);  // silent for longer than the period given at the open
    ASSERT_TRUE(pty_.writeMaster("I181I182"));
    EXPECT_TRUE(waitFor([&] { return state.smeter() == 0x82; }));
    EXPECT_EQ(port.IsCtsOn(), 1);
    port.Close();
    EXPECT_EQ(port.IsCtsOn(), 0);
    platform::setTickSource(nullptr);
}

TEST_F(SerialPortTest, AFarEndThatVanishesLeavesAQuietReaderAndQuickFailingWrites) {
    port_.Open("COM6:", 38400);
    ASSERT_TRUE(port_.IsOpen());
    pty_.closeMaster();
    ASSERT_TRUE(waitFor([&] { return port_.turns.load() >= 1; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const int settled = port_.turns.load();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_LE(port_.turns.load() - settled, 1) << "the reader spins on the hang-up";
    EXPECT_EQ(port_.SendLine("H100\n"), Failed);
    port_.Close();
    EXPECT_FALSE(port_.HasThread());

    testing_pty::PtyPair again;  // a later open of a new device works
    ::setenv("QUILLON_COM6", again.slavePath().c_str(), 1);
    port_.Open("COM6:", 9600);
    ASSERT_TRUE(port_.IsOpen());
    EXPECT_EQ(port_.SendLine("H101\n"), Sent);
    EXPECT_EQ(again.readMaster(5), "H101\n");
}

}  // namespace
