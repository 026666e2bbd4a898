// The emulator on its own: its answers to command lines, and its frames and noise as the
// link's real reply assembler cuts them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "link/receiver_state.h"
#include "link/reply_assembler.h"
#include "platform/named_mutex.h"
#include "platform/shared_memory.h"
#include "tools/rx-emulator/frame_tracker.h"
#include "tools/rx-emulator/noise_source.h"
#include "tools/rx-emulator/receiver_model.h"
#include "tools/rx-emulator/reply_frames.h"

namespace {

using rxemu::ReceiverModel;

// A store and an assembler of the link, with a relay of names no other process uses.
class Assembled : public ::testing::Test {
  protected:
    ~Assembled() override {
        platform::SharedMemory::remove(mapping_);
        ::unlink(platform::NamedMutex::lockFilePath(mutex_).c_str());
    }
    void feed(const std::string& bytes) {
        assembler_.Feed(reinterpret_cast<const uint8_t*>(bytes.data()),
                        static_cast<int32_t>(bytes.size()));
    }
    std::vector<int32_t> snapshot() const {
        std::vector<int32_t> v = {state_.smeter(),      state_.cmeter(),     state_.dtmfr(),
                                  state_.busy(),        state_.afopen(),     state_.rxerr(),
                                  state_.scanStat(),    state_.cmdStat(),    state_.verSCI(),
                                  state_.verCPU(),      state_.unitOption(), state_.matrixVersion(),
                                  state_.powerOnStat(), state_.extspJackIn()};
        for (int i = 0; i < 256; ++i) v.push_back(state_.scopeBuff(i));
        return v;
    }

    const std::string id_ = std::to_string(::getpid());
    const std::string mapping_ = "corvell_e2e_relay_" + id_;
    const std::string mutex_ = "corvell_e2e_relay_mt_" + id_;
    quillon::ReceiverState state_{mapping_, mutex_};
    quillon::ReplyAssembler assembler_{state_};
};

TEST(ReceiverModelAnswers, CommandLinesGetTheReceiversReplies) {
    ReceiverModel model({0x12, 0x34, 0x05, 0x11});
    const struct {
        const char* line;
        const char* reply;
    } cases[] = {
        {"G2?", ""},  // switched off, only the power command and its query are heard
        {"H1?", "H100\n"},
        {"H101", "H101\n"},
        {"H1?", "H101\n"},
        {"G105", ""},
        {"G2?", "G212\n"},
        {"G4?", "G434\n"},
        {"GE?", "GE05\n"},
        {"GD?", "GD11\n"},
        {"G301", "G000\n"},
        {"H881", "H902\n"},
        {"H800", "H900\n"},
        {"H880", "H900\n"},  // speed 0 is no scan
        {"H8FFFFFFFF", "H902\n"},
        {"H8XY", ""},
        {"K00145000000050200", ""},
        {"ME00001200301", ""},  // cut short: ignored
        {"J407F", ""},
        {"H100", "H100\n"},
        {"G4?", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(model.handleLine(c.line).bytes, c.reply) << c.line;
    }
}

TEST(ReceiverModelAnswers, FollowsSpeedFrequencyAndScope) {
    ReceiverModel model;
    model.handleLine("H101");
    EXPECT_EQ(model.handleLine("G105").newSpeed, 38400);
    EXPECT_EQ(model.speed(), 38400);
    model.handleLine("K00433920000050100");
    EXPECT_EQ(model.frequency(), 433920000);
    EXPECT_EQ(model.mode(), 5);
    EXPECT_EQ(model.filter(), 1);
    EXPECT_TRUE(model.handleLine("ME00001C8030100012500").sweepNow);
    EXPECT_EQ(model.scope().span, 200);
    EXPECT_EQ(model.scope().speed, 3);
    EXPECT_EQ(model.scope().step, 12500);
    EXPECT_TRUE(model.sweeping());
    EXPECT_FALSE(model.handleLine("ME00001C8030000012500").sweepNow);
    EXPECT_FALSE(model.sweeping());
    EXPECT_EQ(model.handleLine("H100").newSpeed, 9600);
    EXPECT_FALSE(model.poweredOn());
}

TEST(ReplyFrames, HaveTheFixedLengthOfTheirLetter) {
    const uint8_t bytes[24] = {0x00, 0xFF, 0x10};
    EXPECT_EQ(rxemu::statusFrame('I', '1', 0x80), "I180");
    EXPECT_EQ(rxemu::statusFrame('H', '9', 0x10).size(), 4u);
    const std::string scope = rxemu::scopeFrame(0xF0, bytes);
    EXPECT_EQ(scope.substr(0, 5), "NE1F0");
    EXPECT_EQ(static_cast<int>(scope.size()), rxemu::frameLength('N'));
    const std::string darc = rxemu::darcFrame(bytes);
    EXPECT_EQ(darc.substr(0, 11), "OE30000FF10");
    EXPECT_EQ(static_cast<int>(darc.size()), rxemu::frameLength('O'));
}

TEST_F(Assembled, ASweepCoversTheRequestedSpanInFramesOfSixteen) {
    std::array<uint8_t, 256> levels{};
    for (int i = 0; i < 256; ++i) levels[i] = static_cast<uint8_t>(i + 1);
    for (const int span : {0, 1, 16, 200, 255}) {
        SCOPED_TRACE(span);
        ReceiverModel model;
        model.setScopeLevels(levels);
        model.handleLine("H101");
        char line[32];
        std::snprintf(line, sizeof line, "ME00001%02X0301%08d", span, 5000);
        model.handleLine(line);
        const std::string sweep = model.sweep();
        // Half the span on each side of the tuned frequency at index 128, in whole frames.
        const int first = (128 - span / 2) / 16 * 16;
        const int last = std::min(128 + span / 2, 255);
        const size_t frames = static_cast<size_t>((last - first) / 16 + 1);
        EXPECT_EQ(sweep.size(), frames * 38);  // 37 characters and a line feed each
        for (int i = 0; i < 256; ++i) state_.setScopeBuff(i, 0);
        feed(sweep);
        const int end = first + static_cast<int>(frames) * 16;
        for (int i = 0; i < 256; ++i) {
            ASSERT_EQ(state_.scopeBuff(i), i >= first && i < end ? levels[i] : 0) << i;
        }
    }
}

TEST_F(Assembled, StatusReportsAndRequestedFramesParseIntoTheStore) {
    ReceiverModel model;
    model.handleLine("H101");
    model.setStatusBits(0x81);
    model.setSmeter(0x9A);
    model.setCmeter(0x70);
    feed(model.statusReport());
    EXPECT_EQ(state_.smeter(), 0x9A);
    EXPECT_EQ(state_.cmeter(), 0x70);
    EXPECT_EQ(state_.busy(), 1);
    EXPECT_EQ(state_.powerOnStat(), 1);
    feed(rxemu::statusFrame('I', '3', 0x0B) + "\n");
    EXPECT_EQ(state_.dtmfr(), 0x0B);
}

TEST_F(Assembled, NoiseNeverCompletesAFrameWhateverCameBefore) {
    // Start from every kind of half-sent frame, so the noise has to know where the line is.
    const std::vector<std::string> prefixes = {"", "I1", "I18", "O", "NE1F", "K00", "\n", "I1a"};
    const std::vector<int32_t> before = snapshot();
    size_t letters = 0, lowerCase = 0, longestRun = 0;
    for (size_t p = 0; p < prefixes.size(); ++p) {
        rxemu::FrameTracker tracker;
        tracker.observe(reinterpret_cast<const uint8_t*>(prefixes[p].data()), prefixes[p].size());
        rxemu::NoiseSource noise(static_cast<uint32_t>(p + 1));
        feed(prefixes[p]);
        std::string all;
        for (int burst = 0; burst < 200; ++burst) all += noise.burst(tracker, 257);
        feed(all);
        size_t run = 0;
        for (char c : all) {
            letters += c >= 'G' && c <= 'O';
            lowerCase += c >= 'a' && c <= 'z';
            run = rxemu::isHexDigit(c) ? run + 1 : 0;
            longestRun = std::max(longestRun, run);
        }
    }
    EXPECT_EQ(snapshot(), before);
    // It is noise worth the name: frame starts, lower-case letters, digit runs past any frame.
    EXPECT_GT(letters, 1000u);
    EXPECT_GT(lowerCase, 100u);
    EXPECT_GT(longestRun, 256u);
    // And a real frame right after it is still understood.
    feed("I1C3\n");
    EXPECT_EQ(state_.smeter(), 0xC3);
}

}  // namespace
