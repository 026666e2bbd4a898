// Data-broadcast bytes from the receiver reach another process through the shared buffer
// that it opens by name.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <mutex>
#include <random>
#include <string>
#include <thread>

#include "platform/named_mutex.h"
#include "platform/shared_memory.h"
#include "tests/link-e2e/darc_reader.h"
#include "tests/link-e2e/link_session.h"

extern char** environ;

namespace {

using e2e::LinkSession;
using e2e::rs;

std::array<uint8_t, 24> randomFrame() {
    std::mt19937 random(
        static_cast<uint32_t>(::getpid()) ^
        static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::array<uint8_t, 24> bytes{};
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
    return bytes;
}

uint32_t byteCounter() {
    platform::NamedMutex mutex(e2e::kDarcMutexName);
    platform::SharedMemory memory;
    if (!memory.open(e2e::kDarcMappingName, 240032)) return 0;
    std::lock_guard guard(mutex);
    const auto* p = static_cast<const uint8_t*>(memory.data()) + 12;
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

TEST(DataBroadcast, FramesReachASecondProcessThatOpensTheBufferByName) {
    LinkSession s;
    rs("RsSetFrequency", 82500000);
    ASSERT_TRUE(s.powerOn());
    s.settle();  // the frequency line is out, so the buffer says which frequency the data are

    const std::array<uint8_t, 24> frame = randomFrame();
    const std::string hex = e2e::toHex(frame);
    std::string program = "test_link_e2e", flag = e2e::kDarcReaderFlag, hz = "82500000",
                timeout = "8000";
    char* argv[] = {program.data(), flag.data(),    const_cast<char*>(hex.c_str()),
                    hz.data(),      timeout.data(), nullptr};
    pid_t child = 0;
    ASSERT_EQ(::posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, argv, environ), 0);

    int status = 0;
    pid_t done = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(12);
    while ((done = ::waitpid(child, &status, WNOHANG)) == 0 &&
           std::chrono::steady_clock::now() < deadline) {
        // Another process that loads the library or switches it on resets the buffer; sending
        // the frequency again this way gives it back to the buffer (and changes nothing else).
        rs("RsSetScanRxData", 82500000, rs("RsGetMode"), rs("RsGetFilter"), rs("RsGetAtt"),
           rs("RsGetCtcss"), rs("RsGetPllRefFrequency"));
        s.rx().sendDarc(frame);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (done == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        FAIL() << "the reading process did not finish";
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), e2e::kDarcSeen);

    // A frame with another head is no data: the buffer's byte counter stays.
    const uint32_t before = byteCounter();
    s.rx().sendDarc(frame, 1);
    rs("RsSetDtmfr", 0);
    s.rx().sendDtmf(0x07);  // replies are taken in order: once this is in, so is the frame
    EXPECT_TRUE(e2e::waitFor([] { return rs("RsGetDtmfr") == 0x07; }));
    EXPECT_EQ(byteCounter(), before);
}

}  // namespace
