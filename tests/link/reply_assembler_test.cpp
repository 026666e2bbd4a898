#include "link/reply_assembler.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "link/hex_pair.h"
#include "link/receiver_state.h"
#include "tests/link/link_fixture.h"

namespace {

using quillon::ReceiverState;
using quillon::ReplyAssembler;

// Every value the replies can write, for comparing whole stores.
std::vector<int32_t> snapshot(const ReceiverState& s) {
    std::vector<int32_t> v = {s.smeter(),     s.cmeter(),       s.dtmfr(),         s.busy(),
                              s.vscbusy(),    s.afopen(),       s.stereoDet(),     s.rxerr(),
                              s.scanStat(),   s.scanStatFlag(), s.cmdStat(),       s.verSCI(),
                              s.verCPU(),     s.unitOption(),   s.matrixVersion(), s.powerOnStat(),
                              s.extspJackIn()};
    for (int i = 0; i < 256; ++i) v.push_back(s.scopeBuff(i));
    return v;
}

class ReplyAssemblerTest : public ::testing::Test {
  protected:
    void feed(const std::string& bytes) {
        assembler_.Feed(reinterpret_cast<const uint8_t*>(bytes.data()),
                        static_cast<int32_t>(bytes.size()));
    }
    link_test::TestNames names_;
    ReceiverState state_{names_.relayMapping, names_.relayMutex};
    ReplyAssembler assembler_{state_};
};

TEST(HexPair, CountsUpperCaseDigits) {
    EXPECT_EQ(quillon::HexPair('0', '0'), 0);
    EXPECT_EQ(quillon::HexPair('8', '0'), 128);
    EXPECT_EQ(quillon::HexPair('F', 'F'), 255);
    EXPECT_EQ(quillon::HexPair('A', '5'), 0xA5);
}

TEST_F(ReplyAssemblerTest, StreamsSetTheStoreAsTheirCompleteFramesSay) {
    struct Case {
        const char* bytes;
        int32_t (ReceiverState::*get)() const;
        int32_t expected;
        int32_t alive;
    };
    const Case cases[] = {
        {"I180\n", &ReceiverState::smeter, 128, 1},
        {"I18\n0", &ReceiverState::smeter, 0, 0},    // abandoned at the line feed
        {"I18I10F", &ReceiverState::smeter, 15, 1},  // the second letter restarts
        {"I1a0", &ReceiverState::smeter, 0, 0},      // lower case abandons
        {"I1A", &ReceiverState::smeter, 0, 0},       // truncated
        {"80I1", &ReceiverState::smeter, 0, 0},      // digits with no letter first
        {"I1801", &ReceiverState::smeter, 128, 1},   // extra digit after completion
        {"I27F", &ReceiverState::cmeter, 0x7F, 1},
        {"I305", &ReceiverState::dtmfr, 5, 1},
        {"I0FF", &ReceiverState::busy, 1, 1},
        {"I002", &ReceiverState::afopen, 1, 1},
        {"I004", &ReceiverState::vscbusy, 1, 1},
        {"I010", &ReceiverState::stereoDet, 1, 1},
        {"I040", &ReceiverState::extspJackIn, 1, 1},
        {"I080", &ReceiverState::rxerr, 1, 1},
        {"I028", &ReceiverState::busy, 0, 1},    // bits 3 and 5 are not used
        {"I4FF", &ReceiverState::smeter, 0, 0},  // another I frame: nothing
        {"G042", &ReceiverState::cmdStat, 0x42, 1},
        {"G205", &ReceiverState::verSCI, 5, 0},
        {"G412", &ReceiverState::verCPU, 0x12, 0},
        {"GD11", &ReceiverState::unitOption, 0x11, 0},
        {"GE03", &ReceiverState::matrixVersion, 3, 0},
        {"G1FF", &ReceiverState::cmdStat, 0, 0},
        {"H101", &ReceiverState::powerOnStat, 1, 1},
        {"H100", &ReceiverState::powerOnStat, 0, 0},
        {"H902", &ReceiverState::scanStat, 2, 1},
        {"H5FF", &ReceiverState::scanStat, 0, 0},
        {"J4080K00145000000050200LD82000M00000000000000000000", &ReceiverState::powerOnStat, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        link_test::TestNames names;
        ReceiverState state(names.relayMapping, names.relayMutex);
        ReplyAssembler assembler(state);
        const std::string bytes = c.bytes;
        assembler.Feed(reinterpret_cast<const uint8_t*>(bytes.data()),
                       static_cast<int32_t>(bytes.size()));
        EXPECT_EQ((state.*c.get)(), c.expected);
        EXPECT_EQ(state.powerOnStat(), c.alive);
    }
}

TEST_F(ReplyAssemblerTest, ScopeFramesFillSixteenLevelsAndSkipPastTheEnd) {
    feed(
        "NE110"
        "0102030405060708090A0B0C0D0E0F10");
    for (int i = 0; i < 16; ++i) EXPECT_EQ(state_.scopeBuff(0x10 + i), i + 1);
    EXPECT_EQ(state_.scopeBuff(0x0F), 0);
    EXPECT_EQ(state_.scopeBuff(0x20), 0);
    EXPECT_EQ(state_.powerOnStat(), 1);

    feed(
        "NE1F8"
        "A1A2A3A4A5A6A7A8B1B2B3B4B5B6B7B8");
    for (int i = 0; i < 8; ++i) EXPECT_EQ(state_.scopeBuff(248 + i), 0xA1 + i);
    EXPECT_EQ(state_.scopeBuff(0), 0);  // the last eight did not wrap round

    state_.setPowerOnStat(0);
    feed("NE20000000000000000000000000000000000");  // another head: ignored
    EXPECT_EQ(state_.powerOnStat(), 0);
    EXPECT_EQ(state_.scopeBuff(0), 0);
}

TEST_F(ReplyAssemblerTest, DataFramesWithBlockZeroReachTheRelay) {
    link_test::RelayView view(names_);
    ASSERT_TRUE(view.ok());
    std::string payload;
    for (int i = 0; i < 24; ++i) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", 0xD0 + i);
        payload += pair;
    }
    feed("OE301" + payload);  // another block: alive, but nothing for the relay
    EXPECT_EQ(state_.powerOnStat(), 1);
    EXPECT_EQ(view.word(quillon::DarcRelay::ByteCounter), 0u);

    feed("OE300" + payload);
    EXPECT_EQ(view.word(quillon::DarcRelay::ByteCounter), 24u);
    EXPECT_EQ(view.word(quillon::DarcRelay::DataValid), 1u);
    for (uint32_t i = 0; i < 24; ++i) EXPECT_EQ(view.ring(i), 0xD0 + i);

    state_.setPowerOnStat(0);
    feed("OE400" + payload);  // another head: ignored entirely
    EXPECT_EQ(state_.powerOnStat(), 0);
    EXPECT_EQ(view.word(quillon::DarcRelay::ByteCounter), 24u);
}

// Frames of one chunk are written under one hold of the buffer; the result must be the same as
// frame by frame, also when the chunk wraps the ring and holds more than one ring's worth.
TEST_F(ReplyAssemblerTest, ManyDataFramesInOneChunkLandAsIfWrittenOneByOne) {
    using quillon::DarcRelay;
    link_test::TestNames refNames;
    DarcRelay reference(refNames.relayMapping, refNames.relayMutex);
    link_test::RelayView view(names_);
    link_test::RelayView refView(refNames);
    state_.relay().Reset();
    reference.Reset();
    view.setWord(DarcRelay::WriteIndex, 239990);  // the first frame already wraps
    refView.setWord(DarcRelay::WriteIndex, 239990);
    std::string chunk;
    for (int f = 0; f < 10500; ++f) {
        uint8_t bytes[24];
        std::string frame = "OE300";
        for (int i = 0; i < 24; ++i) {
            bytes[i] = static_cast<uint8_t>(f * 7 + i);
            char pair[3];
            std::snprintf(pair, sizeof pair, "%02X", bytes[i]);
            frame += pair;
        }
        chunk += frame + "\n";
        reference.Write(bytes);
    }
    feed(chunk);
    for (auto w : {DarcRelay::TotalSize, DarcRelay::WriteIndex, DarcRelay::ByteCounter,
                   DarcRelay::CounterAtWrap, DarcRelay::Fill, DarcRelay::DataValid}) {
        EXPECT_EQ(view.word(w), refView.word(w)) << "word " << w;
    }
    EXPECT_TRUE(view.wholeRing() == refView.wholeRing());
}

TEST_F(ReplyAssemblerTest, LongDigitRunsStayInsideTheBufferAndLaterFramesStillWork) {
    feed("I1" + std::string(5000, '7'));  // the first two digits complete a frame, no more
    EXPECT_EQ(state_.smeter(), 0x77);
    EXPECT_LE(assembler_.CurrentLength(), ReplyAssembler::kBufferSize);
    const auto before = snapshot(state_);
    feed("N" + std::string(300, 'E'));  // completes with a wrong head, then only counts
    feed("O" + std::string(255, '0'));  // fills the buffer to its last place
    EXPECT_EQ(assembler_.CurrentLength(), ReplyAssembler::kBufferSize);
    feed(std::string(5, '1'));  // one past the end starts over
    EXPECT_EQ(assembler_.CurrentLength(), 0);
    EXPECT_EQ(snapshot(state_), before);
    feed("I1C3");
    EXPECT_EQ(state_.smeter(), 0xC3);
}

TEST_F(ReplyAssemblerTest, NoiseWithoutStartLettersChangesNothing) {
    std::mt19937 random(12345);
    std::vector<uint8_t> alphabet;
    for (int b = 0; b < 256; ++b) {
        if (b < 'G' || b > 'O') alphabet.push_back(static_cast<uint8_t>(b));
    }
    const auto before = snapshot(state_);
    for (int i = 0; i < 200000; ++i) assembler_.Feed(alphabet[random() % alphabet.size()]);
    EXPECT_EQ(snapshot(state_), before);
}

TEST_F(ReplyAssemblerTest, RandomBytesNeverBreakTheFramesAroundThem) {
    std::mt19937 random(777);
    for (int round = 0; round < 2000; ++round) {
        std::string noise;
        const int length = static_cast<int>(random() % 80);
        for (int i = 0; i < length; ++i) noise += static_cast<char>(random() % 256);
        feed(noise);
        feed("\nI1" + std::string(1, "0123456789ABCDEF"[round % 16]) + "5");
        ASSERT_EQ(state_.smeter(), (round % 16) * 16 + 5) << round;
    }
}

TEST(ReplyAssemblerUnmapped, WithoutTheSharedBufferDataFramesAreDroppedAndTheRestWorks) {
    ReceiverState state("no/such/mapping", "corvell_test_unmapped_relay_mt");
    ASSERT_FALSE(state.relay().IsMapped());
    ReplyAssembler assembler(state);
    const std::string bytes = "OE300" + std::string(48, 'A') + "I1FE";
    assembler.Feed(reinterpret_cast<const uint8_t*>(bytes.data()),
                   static_cast<int32_t>(bytes.size()));
    EXPECT_EQ(state.powerOnStat(), 1);
    EXPECT_EQ(state.smeter(), 0xFE);
}

// A decoder program that keeps the buffer's mutex must not hold up the replies: the frame that
// cannot get into the buffer is dropped and the next reply is read at once.
TEST_F(ReplyAssemblerTest, ABufferHeldByAnotherUserDropsTheFrameInsteadOfStallingTheReplies) {
    using W = quillon::DarcRelay::Word;
    link_test::RelayView view(names_);
    std::mutex m;
    std::condition_variable changed;
    bool held = false;
    bool done = false;
    std::thread holder([&] {
        platform::NamedMutex buffer(names_.relayMutex);
        buffer.lock();
        {
            std::unique_lock lock(m);
            held = true;
            changed.notify_all();
            // Released when the feed came back, or after a generous while so that a stalled
            // feed ends too (and then shows as a written frame).
            changed.wait_for(lock, std::chrono::seconds(5), [&] { return done; });
        }
        buffer.unlock();
    });
    {
        std::unique_lock lock(m);
        changed.wait(lock, [&] { return held; });
    }
    feed("OE300" + std::string(48, 'A') + "I1FE");
    {
        std::lock_guard lock(m);
        done = true;
    }
    changed.notify_all();
    holder.join();
    EXPECT_EQ(state_.smeter(), 0xFE);
    EXPECT_EQ(view.word(W::Fill), 0u) << "the frame waited for the buffer";

    feed("OE300" + std::string(48, 'B'));  // free again: frames flow as before
    EXPECT_EQ(view.word(W::Fill), 24u);
    EXPECT_EQ(view.ring(0), 0xBB);
}

}  // namespace
