// The serial port of the link: every byte it receives goes, in order, to the reply assembler,
// whose state it holds; a complete reply counts as the receiver answering.
// Thread contract: as SerialPort; the assembler runs on the reader thread only.
#pragma once

#include "link/reply_assembler.h"
#include "link/serial_port.h"

namespace quillon {

class LinkPort : public SerialPort {
  public:
    explicit LinkPort(ReceiverState& state) : assembler_(state) {}
    ~LinkPort() override { Close(); }  // the reader must not outlive the assembler

  protected:
    void OnData(const uint8_t* bytes, int32_t count) override {
        if (assembler_.Feed(bytes, count) > 0) Answered();
    }

  private:
    ReplyAssembler assembler_;
};

}  // namespace quillon
