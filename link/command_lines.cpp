#include "link/command_lines.h"

#include <cstdarg>
#include <cstdio>

namespace quillon {
namespace {

// "%02X" takes the 32-bit value as unsigned: values above 255 give more digits, negative ones
// eight.
unsigned hex(int32_t v) {
    return static_cast<unsigned>(v);
}
long dec(int32_t v) {
    return static_cast<long>(v);
}

}  // namespace

CommandLine FormatLine(const char* format, ...) {
    CommandLine line;
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(line.text, CommandLine::kCapacity - 1, format, args);
    va_end(args);
    int length = n < 0 ? 0 : n;
    if (length > CommandLine::kCapacity - 2) length = CommandLine::kCapacity - 2;
    line.text[length++] = '\n';
    line.text[length] = '\0';
    line.length = length;
    return line;
}

CommandLine FixedLine(const char* text) {
    return FormatLine("%s", text);
}

CommandLine FrequencyLine(int32_t hz, int32_t mode, int32_t filter) {
    return FormatLine("K0%010ld%02ld%02ld%02ld", dec(hz), dec(mode), dec(filter), 0L);
}

CommandLine AfLine(int32_t afgain, int32_t afmute) {
    return FormatLine("J40%02X", hex(afmute != 0 ? 0 : afgain));
}

CommandLine SquelchLine(int32_t sql, int32_t moni) {
    const int32_t level = moni != 0 ? 0 : (sql == 0 ? 1 : sql);
    return FormatLine("J41%02X", hex(level));
}

CommandLine IfshiftLine(int32_t ifshift) {
    return FormatLine("J43%02X", hex(ifshift));
}
CommandLine AgcLine(int32_t agc) {
    return FormatLine("J45%02X", hex(agc));
}
// The noise blanker shares the AGC head, with six digits.
CommandLine NbLine(int32_t nb) {
    return FormatLine("J45%06X", hex(nb));
}
CommandLine AttLine(int32_t att) {
    return FormatLine("J47%02X", hex(att));
}
CommandLine AnlLine(int32_t anl) {
    return FormatLine("J4D%02X", hex(anl));
}
CommandLine BfoLine(int32_t bfoshift) {
    return FormatLine("J4A%02X", hex(bfoshift));
}
CommandLine VscLine(int32_t vsc) {
    return FormatLine("J50%02X", hex(vsc));
}
CommandLine CtcssLine(int32_t ctcss) {
    return FormatLine("J51%02X", hex(ctcss));
}
CommandLine BpfLine(int32_t bpftune) {
    return FormatLine("LD820%02X", hex(bpftune));
}
CommandLine PlugLine(int32_t extPlug) {
    return FormatLine("JA0%02X", hex(extPlug));
}
CommandLine LevelLine(int32_t extOutLevel) {
    return FormatLine("JA1%02X", hex(extOutLevel));
}
CommandLine DspUnitLine() {
    return FixedLine("J8001");
}
CommandLine DspOnLine(int32_t dspOn) {
    return FormatLine("J81%02X", hex(dspOn));
}
CommandLine NrLine(int32_t dspNr) {
    return FormatLine("J82%02X", hex(dspNr));
}
CommandLine AnLine(int32_t dspAn) {
    return FormatLine("J83%02X", hex(dspAn));
}
CommandLine ScanLine(int32_t code) {
    return FormatLine("H8%02X", hex(code));
}

CommandLine ScopeLine(int32_t mode, int32_t span, int32_t speed, int32_t step) {
    return FormatLine("ME00001%02X%02X%02X%08ld", hex(span), hex(speed), hex(mode), dec(step));
}

}  // namespace quillon
