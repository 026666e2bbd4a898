// The end signals arrive through the pipe in the order they came, and their earlier handling
// comes back with the object.
#include "platform/end_signals.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>

namespace {

using platform::EndSignals;

TEST(EndSignals, EachCaughtSignalWaitsInThePipeInOrder) {
    EndSignals signals;
    ASSERT_TRUE(signals.valid());
    EXPECT_EQ(signals.take(), 0);  // none yet, and no blocking
    for (int s : {SIGTERM, SIGINT, SIGHUP, SIGTERM}) ::raise(s);
    pollfd p{signals.readFd(), POLLIN, 0};
    ASSERT_EQ(::poll(&p, 1, 1000), 1);
    EXPECT_EQ(signals.take(), SIGTERM);
    EXPECT_EQ(signals.take(), SIGINT);
    EXPECT_EQ(signals.take(), SIGHUP);
    EXPECT_EQ(signals.take(), SIGTERM);
    EXPECT_EQ(signals.take(), 0);
}

TEST(EndSignals, TheEarlierHandlingComesBack) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigemptyset(&ignore.sa_mask);
    struct sigaction saved[3];
    for (std::size_t i = 0; i < EndSignals::kCaught.size(); ++i) {
        ::sigaction(EndSignals::kCaught[i], &ignore, &saved[i]);
    }
    {
        EndSignals signals;
        struct sigaction now {};
        ::sigaction(SIGTERM, nullptr, &now);
        EXPECT_NE(now.sa_handler, SIG_IGN);
    }
    for (std::size_t i = 0; i < EndSignals::kCaught.size(); ++i) {
        struct sigaction now {};
        ::sigaction(EndSignals::kCaught[i], nullptr, &now);
        EXPECT_EQ(now.sa_handler, SIG_IGN) << EndSignals::kCaught[i];
        ::sigaction(EndSignals::kCaught[i], &saved[i], nullptr);
    }
}

}  // namespace
