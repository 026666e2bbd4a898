// The codes the receiver, the link library and every file share, named once: modes, filters,
// link states, scan kinds and scan status, and the band scope's sweep modes.
// Stateless. Thread contract: any thread.
#pragma once

#include <cstdint>

namespace corvell {

// Mode codes (4 is not used).
inline constexpr int32_t kModeLSB = 0;
inline constexpr int32_t kModeUSB = 1;
inline constexpr int32_t kModeAM = 2;
inline constexpr int32_t kModeCW = 3;
inline constexpr int32_t kModeFM = 5;
inline constexpr int32_t kModeWFM = 6;

// Filter codes, by bandwidth.
inline constexpr int32_t kFilter3k = 0;
inline constexpr int32_t kFilter6k = 1;
inline constexpr int32_t kFilter15k = 2;
inline constexpr int32_t kFilter50k = 3;
inline constexpr int32_t kFilter230k = 4;

// The receiver object's LinkStat: from power-on until the receiver's first accepted reply,
// then from that reply on.
inline constexpr int32_t kLinkStatConnecting = 8;
inline constexpr int32_t kLinkStatLinked = 6;

// Scan kinds of the scan controller.
inline constexpr int16_t kScanNone = 0;
inline constexpr int16_t kScanProgram = 1;
inline constexpr int16_t kScanAutoWrite = 2;
inline constexpr int16_t kScanMemory = 3;

// Scan status codes: not scanning, running (set by the program when it sends a scan command),
// and the receiver's reports, of which 16 is a signal found.
inline constexpr int16_t kScanStatusIdle = 0;
inline constexpr int16_t kScanStatusMoveOn = 1;  // go to the next step at once
inline constexpr int16_t kScanStatusRunning = 2;
inline constexpr int16_t kScanStatusHold = 3;  // wait; an auto-write scan skips what it stored
inline constexpr int16_t kScanStatusSignal = 16;

// Band scope sweep modes (the level buffer's mode): off, continuous sweeps, and single sweeps
// in LSB, USB and CW.
inline constexpr int16_t kScopeOff = 0;
inline constexpr int16_t kScopeContinuous = 1;
inline constexpr int16_t kScopeSingle = 2;

}  // namespace corvell
