// One receiver link for an end-to-end test: the real libquillon.so (loaded once per process,
// as the program loads it), an emulated receiver on a pseudo-terminal that the library reaches
// as COM1, and helpers to switch on, wait for the wire, and read values back.
// Thread contract: used from the test's main thread.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/quillon_library.h"
#include "tools/rx-emulator/rx_emulator.h"

namespace e2e {

// The link's named mutexes are system-wide: lock files in $XDG_RUNTIME_DIR. While this object
// lives, they go to a private directory instead, so other programs that use the library on
// this machine cannot hold up a test (its second process inherits the directory). The named
// shared memory stays shared.
class PrivateLockDirectory {
  public:
    PrivateLockDirectory();
    ~PrivateLockDirectory();
    PrivateLockDirectory(const PrivateLockDirectory&) = delete;
    PrivateLockDirectory& operator=(const PrivateLockDirectory&) = delete;

  private:
    std::string path_;
};

// Options of an emulator that reports quickly, so tests do not wait long for replies.
rxemu::EmulatorOptions fastOptions();

// The library of this process; loads it on first use and fails the test when it cannot.
linkdemo::QuillonLibrary& library();

// Whether this process has switched the library on before (its rotation then no longer starts
// at the first step, and the stored values may differ from the defaults).
bool libraryUsed();

// Calls an export of the library.
template <typename... Args>
int32_t rs(const std::string& name, Args... args) {
    return library().call(name, args...);
}

// Polls `condition` every 2 ms until it holds or `timeoutMs` passed; the result of the last poll.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 3000);

// Runs `work` and ends the whole test program if it does not return within `timeoutMs`: a
// call into the link must never hang, and a hung one must not hold up the run.
void mustFinishWithin(int timeoutMs, const char* what, const std::function<void()>& work);

class LinkSession {
  public:
    explicit LinkSession(rxemu::EmulatorOptions options = fastOptions());
    ~LinkSession();

    rxemu::RxEmulator& rx() { return *rx_; }
    // Number of lines the emulator has received so far.
    size_t mark() const { return rx_->log().count(); }
    std::vector<std::string> linesSince(size_t mark) const { return rx_->log().textsSince(mark); }
    // Waits until exactly `count` lines have come since `mark`, then a little longer to see that
    // no more follow; the lines received.
    std::vector<std::string> expectLines(size_t mark, size_t count, int timeoutMs = 3000);
    // Waits until no line has arrived for `quietMs`.
    void settle(int quietMs = 150);

    // Points COM1 at the emulator and switches on; true when the link became alive.
    bool powerOn(bool waitAlive = true);
    void powerOff();
    // Replaces the emulator by a new one on a new pseudo-terminal (the old one vanishes).
    void replaceEmulator(rxemu::EmulatorOptions options = fastOptions());

  private:
    std::unique_ptr<rxemu::RxEmulator> rx_;
    bool on_ = false;
};

// The lines the sender sends for the flags raised at power-on, with the library's defaults,
// in the order of the send steps from step 0.
std::vector<std::string> defaultPowerOnFlagLines();
// The fixed lines of the power-on sequence.
std::vector<std::string> powerOnSequence();
// Checks that `lines` open with the fixed lines of the power-on sequence. Fewer lines than the
// sequence is a fatal failure (wrap the call in ASSERT_NO_FATAL_FAILURE to stop the test there);
// other lines than the sequence's are not.
void expectPowerOnSequenceFirst(const std::vector<std::string>& lines);

}  // namespace e2e
