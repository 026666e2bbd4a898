// The receiver's end of a pseudo-terminal: the master side, raw, non-blocking. The slave path
// is what a program opens as its serial port; line settings made here apply to that side too.
// Thread contract: open() and close() on one thread while no other uses the object; read,
// write and setSpeed() from the emulator's thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace rxemu {

class PseudoTerminal {
  public:
    PseudoTerminal() = default;
    ~PseudoTerminal() { close(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Creates the pair at 9600 baud, raw. False with lastError() on failure.
    bool open();
    void close();
    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const std::string& slavePath() const { return slavePath_; }
    std::string lastError() const { return lastError_; }

    // The line speed of the pair, in baud; only the speed changes, every other setting stays as
    // the far end made it.
    bool setSpeed(int32_t baud);
    int32_t speed() const;

    // Reads what is there without waiting: the count, 0 when nothing, -1 when the far end has
    // closed the slave side.
    long read(void* buffer, size_t max);
    // Writes all bytes, waiting at most `waitMs` for room; returns the count written.
    size_t write(const void* bytes, size_t count, int waitMs);

  private:
    int fd_ = -1;
    std::string slavePath_;
    std::string lastError_;
};

}  // namespace rxemu
