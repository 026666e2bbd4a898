#include "platform/serial_device.h"

#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "tests/platform/pty_pair.h"

namespace {

using platform::SerialDevice;
using testing_pty::PtyPair;

class SerialDeviceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pty_.ok());
        ::setenv("QUILLON_COM7", pty_.slavePath().c_str(), 1);
    }
    void TearDown() override { ::unsetenv("QUILLON_COM7"); }

    speed_t masterSpeed() {
        termios t{};
        ::tcgetattr(pty_.master(), &t);
        return ::cfgetospeed(&t);
    }

    PtyPair pty_;
    SerialDevice device_;
};

TEST(SerialDevicePath, PortNamesResolveToTheEnvironmentOrTheSerialDevices) {
    ::setenv("QUILLON_COM3", "/dev/ttyUSB0", 1);
    ::unsetenv("QUILLON_COM1");
    ::unsetenv("QUILLON_COM10");
    const std::pair<const char*, std::string> cases[] = {
        {"COM1:", "/dev/ttyS0"},
        {"COM1", "/dev/ttyS0"},
        {"COM10:", "/dev/ttyS9"},
        {"COM3:", "/dev/ttyUSB0"},
        {"COM0:", ""},
        {"COM:", ""},
        {"LPT1:", ""},
        {"COM1x:", ""},
        {"com1:", ""},
        {"COM-1:", ""},
        {"", ""},
    };
    for (const auto& [name, path] : cases) EXPECT_EQ(SerialDevice::devicePath(name), path) << name;
    ::unsetenv("QUILLON_COM3");
}

TEST(SerialDevicePath, WriteTimeOutIsAConstantPlusATimePerByte) {
    EXPECT_EQ(SerialDevice::writeTimeoutMs(9600, 0), 200u);
    EXPECT_EQ(SerialDevice::writeTimeoutMs(9600, 5), 250u);    // 10 ms a byte
    EXPECT_EQ(SerialDevice::writeTimeoutMs(38400, 10), 220u);  // 2 ms a byte
    EXPECT_EQ(SerialDevice::writeTimeoutMs(115200, 1000), 200u);
}

TEST_F(SerialDeviceTest, OpensRawAndHandshakingAndChangesSpeedInPlace) {
    ASSERT_TRUE(device_.open("COM7:", 9600)) << device_.lastError();
    termios t{};
    ASSERT_EQ(::tcgetattr(pty_.master(), &t), 0);
    EXPECT_EQ(::cfgetospeed(&t), B9600);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB), 0u);
    EXPECT_NE(t.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);

    const std::string line = "K00145000000050200\n";
    ASSERT_EQ(device_.write(line.data(), line.size()), static_cast<long>(line.size()));
    EXPECT_EQ(pty_.readMaster(line.size()), line);  // no CR added, nothing echoed

    ASSERT_TRUE(device_.setSpeed(38400)) << device_.lastError();
    EXPECT_EQ(masterSpeed(), B38400);
    EXPECT_EQ(device_.speed(), 38400);
    ASSERT_EQ(device_.write("G2?\n", 4), 4);
    EXPECT_EQ(pty_.readMaster(4), "G2?\n");
    EXPECT_FALSE(device_.setSpeed(12345));
}

TEST_F(SerialDeviceTest, OpenFailuresSayWhy) {
    EXPECT_FALSE(device_.open("COM0:", 9600));
    EXPECT_NE(device_.lastError().find("COM0:"), std::string::npos);

    ::setenv("QUILLON_COM7", "/nonexistent/tty", 1);
    EXPECT_FALSE(device_.open("COM7:", 9600));
    EXPECT_NE(device_.lastError().find("/nonexistent/tty"), std::string::npos);

    char file[] = "/tmp/corvell-not-a-tty-XXXXXX";
    const int fd = ::mkstemp(file);
    ASSERT_GE(fd, 0);
    ::setenv("QUILLON_COM7", file, 1);
    EXPECT_FALSE(device_.open("COM7:", 9600));
    EXPECT_NE(device_.lastError().find("not a serial device"), std::string::npos);
    ::close(fd);
    ::unlink(file);
    EXPECT_FALSE(device_.isOpen());
    EXPECT_EQ(device_.write("x", 1), -1);
}

TEST_F(SerialDeviceTest, ASecondOpenOfAPortInUseFailsAndAClosedPortIsFreeAgain) {
    ASSERT_TRUE(device_.open("COM7:", 9600));
    SerialDevice other;
    EXPECT_FALSE(other.open("COM7:", 9600));
    EXPECT_NE(other.lastError().find("in use"), std::string::npos);
    device_.close();
    EXPECT_TRUE(other.open("COM7:", 9600)) << other.lastError();
    other.close();

    // Closed, the line must not stay exclusive while the far end keeps it open: a user without
    // privileges could never open it again.
    const int probe = ::open(pty_.slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(probe, 0) << std::strerror(errno);
    int exclusive = -1;
    EXPECT_EQ(::ioctl(probe, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
    ::close(probe);
}

TEST_F(SerialDeviceTest, WaitReportsDataAndWakesOnRequest) {
    ASSERT_TRUE(device_.open("COM7:", 38400));
    ASSERT_TRUE(pty_.writeMaster("I180"));
    platform::SerialEvent event = device_.waitEvent();
    EXPECT_TRUE(event.data);
    EXPECT_EQ(device_.queuedInput(), 4);
    char buffer[64];
    ASSERT_EQ(device_.read(buffer, sizeof buffer), 4);
    EXPECT_EQ(std::string(buffer, 4), "I180");
    EXPECT_EQ(device_.read(buffer, sizeof buffer), 0);  // nothing queued: no blocking

    auto waiting = std::async(std::launch::async, [&] { return device_.waitEvent(); });
    EXPECT_EQ(waiting.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
    device_.wake();
    event = waiting.get();
    EXPECT_TRUE(event.woken);
    EXPECT_FALSE(event.data);
}

TEST_F(SerialDeviceTest, AVanishedFarEndIsReportedOnceThenOnlyWakeUpsEndAWait) {
    ASSERT_TRUE(device_.open("COM7:", 38400));
    pty_.closeMaster();
    platform::SerialEvent event = device_.waitEvent();
    EXPECT_TRUE(event.hungUp);
    EXPECT_EQ(device_.write("H100\n", 5), -1);  // fails at once, does not wait out the time-out

    auto waiting = std::async(std::launch::async, [&] { return device_.waitEvent(); });
    EXPECT_EQ(waiting.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
    device_.wake();
    EXPECT_TRUE(waiting.get().woken);
}

TEST_F(SerialDeviceTest, AWriteNobodyTakesGivesUpAtItsTimeOut) {
    ASSERT_TRUE(device_.open("COM7:", 115200));  // 200 ms for any count at this speed
    const std::vector<char> block(1 << 20, 'A');
    const long written = device_.write(block.data(), block.size());
    EXPECT_GE(written, 0);
    EXPECT_LT(written, static_cast<long>(block.size()));
    EXPECT_TRUE(device_.purge(true, true));
}

TEST_F(SerialDeviceTest, PseudoTerminalsReportNoModemLines) {
    ASSERT_TRUE(device_.open("COM7:", 9600));
    platform::ModemLines lines;
    EXPECT_FALSE(device_.modemLines(lines));
    EXPECT_FALSE(lines.cts);
    EXPECT_FALSE(lines.dsr);
    device_.setDtr(false);  // harmless on a device without lines
    device_.setRts(false);
    EXPECT_TRUE(device_.isOpen());
}

}  // namespace
