// DTMF keys from a running emulator, as they arrive on the line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/rx-emulator/wire_reader.h"
#include "tools/rx-emulator/rx_emulator.h"

namespace {

class OnTheLine : public ::testing::Test {
  protected:
    void SetUp() override {
        rxemu::EmulatorOptions options;
        options.dtmfPeriodMs = 10;  // keeps the test short; the pace itself is tested apart
        emulator_ = std::make_unique<rxemu::RxEmulator>(options);
        ASSERT_TRUE(emulator_->start()) << emulator_->lastError();
        fd_ = rxtest::openRaw(emulator_->devicePath());
        ASSERT_GE(fd_, 0);
    }
    void TearDown() override {
        if (fd_ >= 0) ::close(fd_);
    }
    std::unique_ptr<rxemu::RxEmulator> emulator_;
    int fd_ = -1;
};

TEST_F(OnTheLine, KeysArriveAsI3ReportsInOrder) {
    rxtest::LineReader wire(fd_);
    ASSERT_TRUE(emulator_->sendDtmfKeys("90*#A"));
    ASSERT_TRUE(wire.readUntil([&](const auto&) { return wire.starting("I3").size() >= 5; }));
    EXPECT_EQ(wire.starting("I3"),
              (std::vector<std::string>{"I319", "I310", "I31E", "I31F", "I31A"}));
    EXPECT_FALSE(emulator_->sendDtmfKeys("1x"));
    EXPECT_EQ(emulator_->dtmfKeysWaiting(), 0u);
}

TEST_F(OnTheLine, KeysThatFallDueWhileSilentAreLost) {
    rxtest::LineReader wire(fd_);
    emulator_->setSilent(true);
    ASSERT_TRUE(emulator_->sendDtmfKeys("987"));
    ASSERT_TRUE(wire.readUntil([&](const auto&) { return emulator_->dtmfKeysWaiting() == 0; }));
    emulator_->setSilent(false);
    ASSERT_TRUE(emulator_->sendDtmfKeys("0"));
    ASSERT_TRUE(wire.readUntilLine("I310"));
    EXPECT_EQ(wire.starting("I3"), std::vector<std::string>{"I310"});
}

}  // namespace
