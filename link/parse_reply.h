// Turns one complete reply frame into values of the state store: status words, meters and
// flags, band-scope levels, the link-alive flag, and data-broadcast bytes for the relay.
// Thread contract: runs on the port's reader thread; writes the store without a lock.
#pragma once

#include <cstdint>

namespace quillon {

class ReceiverState;

// `frame` holds `length` characters starting with the frame's letter. A frame shorter than its
// letter needs is ignored.
void ParseReply(const char* frame, int length, ReceiverState& state);

}  // namespace quillon
