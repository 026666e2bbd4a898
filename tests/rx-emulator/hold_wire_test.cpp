// A receiver that holds the line reads nothing: the program's bytes wait in the line until it
// is full, and a release reads every one of them, in order.
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <string>
#include <thread>

#include "tests/rx-emulator/wire_reader.h"
#include "tools/rx-emulator/rx_emulator.h"

namespace {

TEST(HeldLine, FillsUpAndIsReadWholeAndInOrderOnceReleased) {
    rxemu::RxEmulator emulator;
    ASSERT_TRUE(emulator.start()) << emulator.lastError();
    const int fd = rxtest::openRaw(emulator.devicePath());
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(rxtest::writeAll(fd, "G2?\n"));
    rxtest::LineReader wire(fd);
    ASSERT_TRUE(wire.readUntil([&](const auto&) { return emulator.log().count() == 1; }));

    emulator.setHolding(true);
    // Numbered lines until the line takes no more, even after the kernel has moved what it
    // holds to the reader's side.
    std::string text;
    for (int i = 0; text.size() < 4000000; ++i) text += "J40" + std::to_string(i) + "\n";
    size_t written = 0;
    const auto roomLeft = [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        pollfd p{fd, POLLOUT, 0};
        return ::poll(&p, 1, 0) != 0;
    };
    do {
        ssize_t n;
        while (written < text.size() &&
               (n = ::write(fd, text.data() + written, text.size() - written)) > 0) {
            written += static_cast<size_t>(n);
        }
        ASSERT_EQ(errno, EAGAIN);
    } while (roomLeft());
    ASSERT_LT(written, text.size()) << "the line never filled";
    EXPECT_EQ(emulator.log().count(), 1u) << "a holding receiver read the line";
    EXPECT_TRUE(emulator.holding());

    // The rest of the line that was cut, then the release.
    const size_t end = text.find('\n', written) + 1;
    const auto lines = static_cast<size_t>(std::count(text.begin(), text.begin() + end, '\n'));
    emulator.setHolding(false);
    ASSERT_TRUE(rxtest::writeAll(fd, text.substr(written, end - written)));
    ASSERT_TRUE(wire.readUntil([&](const auto&) { return emulator.log().count() == 1 + lines; }));
    const auto texts = emulator.log().textsSince(1);
    ASSERT_EQ(texts.size(), lines);
    for (size_t i = 0; i < lines; ++i) {
        ASSERT_EQ(texts[i], "J40" + std::to_string(i)) << "line " << i;
    }
    ::close(fd);
}

}  // namespace
