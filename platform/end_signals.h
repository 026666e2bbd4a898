// The signals that ask a program to end (SIGTERM, SIGINT, SIGHUP), caught through a self-pipe:
// the handler only writes the signal's number into a pipe, and the program reads it from its
// own event loop, where it may do anything.
// Thread contract: one object at a time in a process; construct, read and destroy it on one
// thread. The handler itself runs on whichever thread the signal hits.
#pragma once

#include <signal.h>

#include <array>

namespace platform {

class EndSignals {
  public:
    static constexpr std::array<int, 3> kCaught = {SIGTERM, SIGINT, SIGHUP};

    // Catches the signals from now on. valid() is false when the pipe could not be made; the
    // signals then keep their earlier handling.
    EndSignals();
    // Gives the signals back their earlier handling.
    ~EndSignals();
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

    bool valid() const { return readFd_ >= 0; }
    // Becomes readable when a caught signal waits.
    int readFd() const { return readFd_; }
    // The next caught signal, 0 when none waits. Never blocks.
    int take();

  private:
    int readFd_ = -1;
    int writeFd_ = -1;
    std::array<struct ::sigaction, 3> previous_{};
    bool caught_ = false;
};

}  // namespace platform
