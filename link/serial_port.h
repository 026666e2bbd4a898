// One serial port of the link: opened and configured by name, speed changed in place, command
// text written with retries, and a reader thread that hands received bytes to OnData() and
// follows the CTS and DSR lines (see line_state.h for a device without them). A line cut short
// by a line that the receiver holds is finished before the next one, so the receiver only ever
// sees whole lines.
// Thread contract: Open/SetSpeed/Close and writes come from threads that serialise them (the
// command mutex); OnData() runs on the reader thread only; IsDsrOn/IsCtsOn from any thread.
#pragma once

#include <cstdint>
#include <string>

#include "link/line_state.h"
#include "link/link_thread.h"
#include "link/relaxed.h"
#include "platform/serial_device.h"

namespace quillon {

class SerialPort : public LinkThread {
  public:
    static constexpr int kReadChunk = 64;

    SerialPort();
    ~SerialPort() override;

    // Nothing when open. A failure is reported by OnError() and leaves the port closed.
    void Open(const char* name, int32_t speed);
    // Nothing when closed. A failure closes the port.
    void SetSpeed(int32_t speed);
    // Nothing when closed. Stops the reader before the device is closed.
    void Close();

    // How a line fared. Held: the line did not take it within the write time-outs (the
    // receiver is not reading); it may move again later. Failed: the port is closed or the
    // device failed.
    enum class LineResult { Sent, Held, Failed };

    // 1 when every byte went out within the write time-out, else 0 (at once when closed).
    int32_t Write(const void* bytes, int32_t count);
    // Up to three attempts at the text up to its NUL; the result of the last one. What a
    // line cut short left unsent goes first, and each attempt sends only what is still
    // unsent. A line that stays cut keeps its rest for the next call; one that never began is
    // not kept. A close drops the rest: the next open starts a new line.
    LineResult SendLine(const char* text);

    int32_t IsDsrOn() const { return IsOpen() ? lines_.Dsr() : 0; }
    // On a device without modem lines: whether the receiver answered within the watch period.
    int32_t IsCtsOn() const { return IsOpen() ? lines_.Cts() : 0; }
    bool HasModemLines() const { return lines_.LinesKnown(); }
    bool IsOpen() const { return device_.isOpen(); }
    const std::string& Name() const { return name_; }
    int32_t Speed() const { return speed_.get(); }

  protected:
    // The reader: waits for the device, then passes bytes on and follows the modem lines.
    void Turn() override;
    void Wake() override;
    virtual void OnData(const uint8_t* bytes, int32_t count);
    // Called by OnData() of a derived port when a complete reply has come in.
    void Answered() { lines_.Answered(); }
    // Shows the port message box; the reason goes to stderr.
    virtual void OnError(const char* context, const std::string& reason);

  private:
    // One attempt at what is unsent.
    LineResult WriteUnsent();

    platform::SerialDevice device_;
    std::string unsent_;  // the rest of a line cut short, then the line being sent; writers only
    std::string name_ = "COM1:";
    Relaxed<int32_t> speed_{9600};
    LineState lines_;
};

}  // namespace quillon
