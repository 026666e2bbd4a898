#include "link/darc_relay.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <string>
#include <thread>

#include "tests/link/link_fixture.h"
#include "tests/platform/fork_child.h"

namespace {

using quillon::DarcRelay;
using W = quillon::DarcRelay::Word;

class DarcRelayTest : public ::testing::Test {
  protected:
    std::array<uint8_t, 24> frame(uint8_t first) {
        std::array<uint8_t, 24> bytes;
        for (int i = 0; i < 24; ++i) bytes[i] = static_cast<uint8_t>(first + i);
        return bytes;
    }
    link_test::TestNames names_;
    DarcRelay relay_{names_.relayMapping, names_.relayMutex};
    link_test::RelayView view_{names_};
};

TEST_F(DarcRelayTest, ANewMappingIsZeroAndAResetWritesTheTotalSize) {
    ASSERT_TRUE(relay_.IsMapped());
    EXPECT_TRUE(relay_.Created());
    ASSERT_TRUE(view_.ok());
    for (W w : {W::TotalSize, W::Frequency, W::WriteIndex, W::ByteCounter, W::Fill, W::DataValid,
                W::Producer}) {
        EXPECT_EQ(view_.word(w), 0u);
    }
    relay_.SetProducer(1);
    relay_.Reset();
    EXPECT_EQ(view_.word(W::TotalSize), 240032u);
    EXPECT_EQ(view_.word(W::Producer), 1u);  // a reset leaves it
}

TEST_F(DarcRelayTest, FramesGoInOrderAndTheRingWrapsAfterItsSize) {
    relay_.Reset();
    const auto first = frame(1);
    relay_.Write(first.data());
    EXPECT_EQ(view_.word(W::WriteIndex), 24u);
    EXPECT_EQ(view_.word(W::ByteCounter), 24u);
    EXPECT_EQ(view_.word(W::Fill), 24u);
    EXPECT_EQ(view_.word(W::DataValid), 1u);
    EXPECT_EQ(view_.ring(0), 1);
    EXPECT_EQ(view_.ring(23), 24);

    relay_.Reset();
    for (int i = 0; i < 10000; ++i) relay_.Write(frame(static_cast<uint8_t>(i)).data());
    EXPECT_EQ(view_.word(W::WriteIndex), 0u);
    EXPECT_EQ(view_.word(W::Fill), 240000u);
    EXPECT_EQ(view_.word(W::CounterAtWrap), 240000u);
    EXPECT_EQ(view_.word(W::ByteCounter), 240000u);

    relay_.Write(frame(0xA0).data());
    EXPECT_EQ(view_.word(W::WriteIndex), 24u);
    EXPECT_EQ(view_.word(W::Fill), 240000u);  // stays full
    EXPECT_EQ(view_.ring(0), 0xA0);
    EXPECT_EQ(view_.word(W::CounterAtWrap), 240000u);
}

TEST_F(DarcRelayTest, TheByteCounterWrapsToZeroPastItsLimit) {
    relay_.Reset();
    view_.setWord(W::ByteCounter, 23999990);
    relay_.Write(frame(0).data());
    // Ten bytes reach the limit, the eleventh wraps to 0, thirteen follow.
    EXPECT_EQ(view_.word(W::ByteCounter), 13u);
}

TEST_F(DarcRelayTest, AWriteIndexOutsideTheRingStartsAgainAtZero) {
    relay_.Reset();
    view_.setWord(W::WriteIndex, 0xFFFFFFF0u);  // damaged by someone else
    relay_.Write(frame(0x50).data());
    EXPECT_EQ(view_.word(W::WriteIndex), 24u);
    EXPECT_EQ(view_.ring(0), 0x50);
}

TEST_F(DarcRelayTest, OnlyADifferentFrequencyEmptiesTheRing) {
    relay_.Reset();
    relay_.SetFrequency(145000000);
    relay_.Write(frame(0).data());
    relay_.SetFrequency(145000000);
    EXPECT_EQ(view_.word(W::Fill), 24u);
    EXPECT_EQ(view_.word(W::Frequency), 145000000u);
    relay_.SetFrequency(82500000);
    EXPECT_EQ(view_.word(W::Fill), 0u);
    EXPECT_EQ(view_.word(W::WriteIndex), 0u);
    EXPECT_EQ(view_.word(W::ByteCounter), 0u);
    EXPECT_EQ(view_.word(W::DataValid), 0u);
    EXPECT_EQ(view_.word(W::Frequency), 82500000u);
}

TEST_F(DarcRelayTest, TheWatchdogDropsDataValidAfterTenTicksAndResetsAtThreeHundred) {
    relay_.Reset();
    relay_.SetFrequency(77000000);
    relay_.Write(frame(0).data());
    for (int tick = 1; tick < 10; ++tick) relay_.WatchTick();
    EXPECT_EQ(view_.word(W::DataValid), 1u);
    relay_.WatchTick();
    EXPECT_EQ(relay_.IdleTicks(), 10);
    EXPECT_EQ(view_.word(W::DataValid), 0u);
    view_.setWord(W::DataValid, 1);  // from now on only the reset may touch it
    for (int tick = 11; tick < 300; ++tick) relay_.WatchTick();
    EXPECT_EQ(view_.word(W::DataValid), 1u);
    EXPECT_EQ(view_.word(W::Fill), 24u);
    relay_.WatchTick();
    EXPECT_EQ(view_.word(W::Fill), 0u);
    EXPECT_EQ(view_.word(W::Frequency), 0u);
    EXPECT_EQ(view_.word(W::DataValid), 0u);

    view_.setWord(W::Fill, 5);
    for (int tick = 0; tick < 400; ++tick) relay_.WatchTick();
    EXPECT_EQ(relay_.IdleTicks(), 300);  // held there: nothing further happens
    EXPECT_EQ(view_.word(W::Fill), 5u);

    relay_.Write(frame(0).data());
    EXPECT_EQ(relay_.IdleTicks(), 0);
}

TEST_F(DarcRelayTest, ASecondUserOpensTheMappingWithoutClearingIt) {
    relay_.Reset();
    relay_.Write(frame(9).data());
    DarcRelay second(names_.relayMapping, names_.relayMutex);
    ASSERT_TRUE(second.IsMapped());
    EXPECT_FALSE(second.Created());
    EXPECT_EQ(view_.word(W::Fill), 24u);
    second.Write(frame(100).data());
    EXPECT_EQ(view_.word(W::Fill), 48u);
    EXPECT_EQ(view_.ring(24), 100);
}

// Another program of the same user can resize the shared object at will; doing so must never
// bring this one down, and once the size is back the relay carries on.
TEST_F(DarcRelayTest, AnObjectShrunkByAnotherProgramRelaysNothingAndCannotCrashUs) {
    relay_.Reset();
    relay_.SetFrequency(145000000);
    relay_.Write(frame(1).data());
    auto resize = [&](off_t size) {
        const int fd = ::shm_open(("/" + names_.relayMapping).c_str(), O_RDWR, 0600);
        const bool ok = fd >= 0 && ::ftruncate(fd, size) == 0;
        if (fd >= 0) ::close(fd);
        return ok;
    };
    ASSERT_TRUE(resize(16));
    // In a child, so that a fault shows as a failed test instead of ending the test program.
    const int code = testing_fork::runInChild([&] {
        relay_.Write(frame(2).data());
        relay_.SetFrequency(82500000);
        relay_.Reset();
        relay_.SetProducer(1);
        for (int tick = 0; tick < 10; ++tick) relay_.WatchTick();
        return 0;
    });
    ASSERT_EQ(code, 0) << "the relay faulted on a shrunk object";

    testing::internal::CaptureStderr();
    relay_.Write(frame(3).data());
    relay_.SetFrequency(82500000);
    relay_.Write(frame(4).data());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("too small"), std::string::npos) << said;
    EXPECT_EQ(said.find("too small"), said.rfind("too small")) << "reported once: " << said;

    ASSERT_TRUE(resize(DarcRelay::kTotalSize));  // the lost part comes back as zeros
    relay_.Reset();
    relay_.Write(frame(5).data());
    EXPECT_EQ(view_.word(W::TotalSize), DarcRelay::kTotalSize);
    EXPECT_EQ(view_.word(W::Fill), 24u);
    EXPECT_EQ(view_.ring(0), 5);
}

TEST_F(DarcRelayTest, ABatchHoldsItsFramesUntilItEndsAndOnlyForItsOwnRelay) {
    link_test::TestNames otherNames;
    DarcRelay other(otherNames.relayMapping, otherNames.relayMutex);
    link_test::RelayView otherView(otherNames);
    relay_.Reset();
    other.Reset();
    {
        DarcRelay::Batch batch(relay_);
        relay_.Write(frame(1).data());
        {
            DarcRelay::Batch inner(relay_);  // nested: still one hold
            inner.Write(frame(2).data());
        }
        other.Write(frame(7).data());  // another relay is not part of this batch
        EXPECT_EQ(otherView.word(W::Fill), 24u);
        EXPECT_EQ(otherView.ring(0), 7);
    }
    EXPECT_EQ(view_.word(W::Fill), 48u);
    EXPECT_EQ(view_.ring(0), 1);
    EXPECT_EQ(view_.ring(24), 2);
}

TEST(DarcRelayUnmapped, WithoutTheMappingNothingIsWrittenAndNothingBreaks) {
    DarcRelay relay("no/such/name", "corvell_test_unmapped_mt");
    EXPECT_FALSE(relay.IsMapped());
    const uint8_t bytes[24] = {};
    relay.Reset();
    relay.Write(bytes);
    relay.SetFrequency(145000000);
    relay.SetProducer(1);
    for (int i = 0; i < 300; ++i) relay.WatchTick();
    relay.Start();
    relay.Stop();
    EXPECT_FALSE(relay.IsMapped());
}

TEST_F(DarcRelayTest, AfterTheResetTheWatchdogRestsUntilDataComeAgain) {
    link_test::TurnCounting<DarcRelay> relay(names_.relayMapping, names_.relayMutex);
    for (int tick = 0; tick < DarcRelay::kResetTicks; ++tick) relay.WatchTick();
    relay.Start();
    std::this_thread::sleep_for(std::chrono::milliseconds(350));
    EXPECT_LE(relay.turns.load(), 1) << "the watchdog ticks with nothing left to count";
    EXPECT_EQ(relay.IdleTicks(), DarcRelay::kResetTicks);

    // Data again: counted from the write, so data valid still drops after ten ticks.
    relay.Write(frame(0).data());
    EXPECT_TRUE(link_test::waitFor([&] { return relay.IdleTicks() >= 2; }, 1000));
    EXPECT_TRUE(link_test::waitFor([&] { return view_.word(W::DataValid) == 0; }, 3000));
    relay.Stop();
}

TEST_F(DarcRelayTest, TheWatchdogThreadStopsPromptly) {
    relay_.Start();
    EXPECT_TRUE(relay_.HasThread());
    EXPECT_TRUE(link_test::waitFor([&] { return relay_.IdleTicks() >= 1; }));
    relay_.Stop();
    EXPECT_FALSE(relay_.HasThread());
}

}  // namespace
