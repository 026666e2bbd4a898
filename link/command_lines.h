// The command lines the link sends to the receiver, each formatted from its values and ended
// with a line feed.
// Thread contract: pure functions, callable from any thread.
#pragma once

#include <cstdint>
#include <string_view>

namespace quillon {

struct CommandLine {
    static constexpr int kCapacity = 64;
    char text[kCapacity] = {};
    int length = 0;
    std::string_view view() const { return {text, static_cast<size_t>(length)}; }
};

// printf-style text plus the line feed; cut to fit (no line of the protocol comes near).
CommandLine FormatLine(const char* format, ...) __attribute__((format(printf, 1, 2)));
// A fixed line of the power sequences ("H101", "G105", ...).
CommandLine FixedLine(const char* text);

CommandLine FrequencyLine(int32_t hz, int32_t mode, int32_t filter);
// The gain, or 0 while muted.
CommandLine AfLine(int32_t afgain, int32_t afmute);
// 0 while the monitor is on; otherwise the level, a level of 0 going out as 1.
CommandLine SquelchLine(int32_t sql, int32_t moni);
CommandLine IfshiftLine(int32_t ifshift);
CommandLine AgcLine(int32_t agc);
CommandLine NbLine(int32_t nb);
CommandLine AttLine(int32_t att);
CommandLine AnlLine(int32_t anl);
CommandLine BfoLine(int32_t bfoshift);
CommandLine VscLine(int32_t vsc);
CommandLine CtcssLine(int32_t ctcss);
CommandLine BpfLine(int32_t bpftune);
CommandLine PlugLine(int32_t extPlug);
CommandLine LevelLine(int32_t extOutLevel);
CommandLine DspUnitLine();
CommandLine DspOnLine(int32_t dspOn);
CommandLine NrLine(int32_t dspNr);
CommandLine AnLine(int32_t dspAn);
CommandLine ScanLine(int32_t code);
CommandLine ScopeLine(int32_t mode, int32_t span, int32_t speed, int32_t step);

}  // namespace quillon
