// A serial device on termios: raw 8N1 with RTS/CTS handshake, speed changes in place, writes
// bounded by a time-out, and a blocking wait for data, modem-line changes or a wake-up.
// Thread contract: one thread (the reader) calls waitEvent() and read(); writes come from one
// thread at a time (callers serialise them); wake() may be called from any thread at any time.
// open(), close() and setSpeed() must not overlap a running waitEvent() except through wake().
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

struct ModemLines {
    bool cts = false;
    bool dsr = false;
};

// What woke a waitEvent(). Several members can be set at once.
struct SerialEvent {
    bool woken = false;       // wake() was called
    bool data = false;        // bytes are waiting in the input queue
    bool ctsChanged = false;  // `lines.cts` differs from the last report
    bool dsrChanged = false;  // `lines.dsr` differs from the last report
    bool hungUp = false;      // the other end is gone; later waits only watch for wake()
    bool failed = false;      // the wait itself failed; the caller may simply wait again
    ModemLines lines;
};

class SerialDevice {
  public:
    // How often modem lines are sampled while waiting, on devices that can report them at all.
    static constexpr int kLineSampleMs = 50;

    SerialDevice();
    ~SerialDevice();
    SerialDevice(const SerialDevice&) = delete;
    SerialDevice& operator=(const SerialDevice&) = delete;

    // "COMn:" (colon optional) → $QUILLON_COMn when set, else /dev/ttyS{n-1}. Empty when the
    // name is no port name or names COM0.
    static std::string devicePath(std::string_view portName);

    // Milliseconds a write of `count` bytes may take at `baud`: 200 + 100000 / baud per byte.
    static uint32_t writeTimeoutMs(int32_t baud, size_t count);

    // Opens the device exclusively (O_NOCTTY, TIOCEXCL and an advisory lock), raw 8N1, CRTSCTS,
    // DTR then RTS raised. On failure the device stays closed and lastError() says why.
    bool open(std::string_view portName, int32_t baud);
    bool isOpen() const { return fd_.load(std::memory_order_acquire) >= 0; }
    // Drops RTS, then DTR, and closes. Nothing when closed.
    void close();

    // Waits until queued output has gone out, at most the write time-out of what is queued.
    bool drain();
    // Drains the output, then sets the new speed and the same line settings. False (with
    // lastError()) when any step fails.
    bool setSpeed(int32_t baud);
    int32_t speed() const { return baud_.load(std::memory_order_relaxed); }

    // Writes all bytes within writeTimeoutMs(); returns the number written, -1 on a device error.
    // A count below `count` means the time ran out.
    long write(const void* bytes, size_t count);
    // Reads at most `max` bytes that are already queued; never blocks. -1 on error, after
    // which the device counts as hung up.
    long read(void* buffer, size_t max);
    // Bytes waiting in the input queue (0 when closed or unknown).
    int queuedInput() const;
    // Throws away queued input and/or output.
    bool purge(bool input, bool output);

    void setDtr(bool on);
    void setRts(bool on);
    // The lines as the device reports them now; false when it cannot report them (e.g. a
    // pseudo-terminal), in which case `lines` is left as it was.
    bool modemLines(ModemLines& lines) const;
    // Whether the device opened last can report its modem lines, and the lines as open() found
    // them. Meant for the thread that opened it, before the reader starts.
    bool canReportLines() const { return canReportLines_; }
    ModemLines linesAtOpen() const { return linesAtOpen_; }

    // Blocks until data arrive, a modem line changes, the other end hangs up, or wake() is
    // called. Never returns without one of these (or a failed wait) being reported.
    SerialEvent waitEvent();
    // Makes a current or the next waitEvent() return with `woken` set.
    void wake();

    std::string lastError() const { return lastError_; }

  private:
    bool configure(int fd, int32_t baud);
    bool drainOutput(uint32_t timeoutMs);
    void fail(std::string what, int error);

    std::atomic<int> fd_{-1};
    int wakeFd_ = -1;
    std::atomic<int32_t> baud_{0};
    bool canReportLines_ = false;
    bool hungUp_ = false;
    ModemLines reported_;
    ModemLines linesAtOpen_;
    std::string lastError_;
};

}  // namespace platform
