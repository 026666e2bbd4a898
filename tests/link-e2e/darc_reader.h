// The second process of the data-broadcast test: it opens the shared buffer and its mutex by
// name, as the decoder program does, and waits until the buffer holds a given 24-byte frame as
// the last one written, with a header that says the data are valid, come from a present
// producer and belong to a given frequency.
// Thread contract: runs alone in its own process.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace e2e {

inline constexpr const char* kDarcReaderFlag = "--darc-reader";
inline constexpr const char* kDarcMappingName = "Varnel_Skarnview_DARCDATABUFF_mf";
inline constexpr const char* kDarcMutexName = "Varnel_Skarnview_DARCDATABUFF_mt";

// Exit codes of the reader.
enum DarcReaderResult { kDarcSeen = 0, kDarcBadArguments = 2, kDarcNoBuffer = 3, kDarcNotSeen = 4 };

// Arguments: the 24 bytes as 48 hexadecimal digits, the frequency in Hz, the time-out in ms.
int runDarcReader(int argc, char** argv);

std::string toHex(const std::array<uint8_t, 24>& bytes);

}  // namespace e2e
