// Time from a setter call to its line fully received by the emulated receiver, over many
// changes made at random moments of the sender's rotation. Reported as counters in ms: the
// median, the 99th percentile and the worst case.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "bench/link/bench_library.h"
#include "tools/rx-emulator/monotonic_clock.h"
#include "tools/rx-emulator/rx_emulator.h"

namespace {

std::string hex2(int v) {
    char text[16];
    std::snprintf(text, sizeof text, "%02X", v);
    return text;
}

// One setter, the getter of the same value, and the line that carries a value.
struct Change {
    const char* setter;
    const char* getter;
    std::function<std::string(int32_t)> line;
    int32_t (*argument)(int) = [](int v) { return static_cast<int32_t>(v); };
};

std::string frequencyLine(int32_t hz, int mode) {
    char text[32];
    std::snprintf(text, sizeof text, "K0%010d%02d0000", static_cast<int>(hz), mode);
    return text;
}

const std::vector<Change>& everySetter() {
    static const std::vector<Change> changes = {
        {"RsSetAfgain", "RsGetAfgain", [](int32_t v) { return "J40" + hex2(v); }},
        {"RsSetSql", "RsGetSql", [](int32_t v) { return "J41" + hex2(v == 0 ? 1 : v); }},
        {"RsSetIfshift", "RsGetIfshift", [](int32_t v) { return "J43" + hex2(v); }},
        {"RsSetAgc", "RsGetAgc", [](int32_t v) { return "J45" + hex2(v); }},
        {"RsSetNb", "RsGetNb", [](int32_t v) { return "J450000" + hex2(v); }},
        {"RsSetAtt", "RsGetAtt", [](int32_t v) { return "J47" + hex2(v); }},
        {"RsSetAnl", "RsGetAnl", [](int32_t v) { return "J4D" + hex2(v); }},
        {"RsSetBfoshift", "RsGetBfoshift", [](int32_t v) { return "J4A" + hex2(v); }},
        {"RsSetVsc", "RsGetVsc", [](int32_t v) { return "J50" + hex2(v); }},
        {"RsSetCtcss", "RsGetCtcss", [](int32_t v) { return "J51" + hex2(v); }},
        {"RsSetBpftune", "RsGetBpftune", [](int32_t v) { return "LD820" + hex2(v); }},
        {"RsSetExtPlug", "RsGetExtPlug", [](int32_t v) { return "JA0" + hex2(v); }},
        {"RsSetExtOutLevel", "RsGetExtOutLevel", [](int32_t v) { return "JA1" + hex2(v); }},
        {"RsSetDspOn", "RsGetDspOn", [](int32_t v) { return "J81" + hex2(v); }},
        {"RsSetDspNr", "RsGetDspNr", [](int32_t v) { return "J82" + hex2(v); }},
        {"RsSetDspAn", "RsGetDspAn", [](int32_t v) { return "J83" + hex2(v); }},
        {"RsSetMode", "RsGetMode", [](int32_t v) { return frequencyLine(145000000, v); }},
    };
    return changes;
}

const std::vector<Change>& frequencyOnly() {
    static const std::vector<Change> changes = {
        {"RsSetFrequency", "RsGetFrequency", [](int32_t hz) { return frequencyLine(hz, 0); },
         [](int v) { return static_cast<int32_t>(145000000 + 12500 * v); }},
    };
    return changes;
}

const std::vector<Change>& squelchOnly() {
    static const std::vector<Change> changes = {everySetter()[1]};
    return changes;
}

// The same setting again after a pause: the case where the group just sent is the one wanted.
const std::vector<Change>& afOnly() {
    static const std::vector<Change> changes = {everySetter()[0]};
    return changes;
}

double percentile(std::vector<double> sorted, double p) {
    if (sorted.empty()) return 0;
    std::sort(sorted.begin(), sorted.end());
    const size_t at = std::min(sorted.size() - 1, static_cast<size_t>(p * sorted.size()));
    return sorted[at];
}

void SetterToWire(benchmark::State& state, const std::vector<Change>& (*changes)()) {
    linkdemo::QuillonLibrary& q = linkbench::library();
    if (!q.loaded()) {
        state.SkipWithError(("cannot load the link library: " + q.error()).c_str());
        return;
    }
    rxemu::RxEmulator rx;
    if (!rx.start()) {
        state.SkipWithError(rx.lastError().c_str());
        return;
    }
    ::setenv("QUILLON_COM1", rx.devicePath().c_str(), 1);
    q.call("RsSetComportNum", 1);
    q.call("RsSetFrequency", 145000000);
    q.call("RsSetMode", 0);
    q.call("RsSetFilter", 0);
    q.call("RsPowerOn");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the power-on lines go out

    std::mt19937 random(7);
    std::vector<double> samples;
    size_t turn = 0;
    int value = 1;
    for (auto _ : state) {
        const Change& c = changes()[turn++ % changes().size()];
        // A value other than the stored one, so that the setter changes something.
        int32_t argument = c.argument(value);
        while (argument == q.call(c.getter)) argument = c.argument(value = value % 6 + 1);
        value = value % 6 + 1;
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 50000));
        const size_t mark = rx.log().count();
        const std::string expected = c.line(argument);
        const int64_t start = rxemu::monotonicUs();
        q.call(c.setter, argument);
        const auto line = rx.log().waitFor(expected, mark, 2000);
        if (!line) {
            state.SkipWithError(("no line " + expected + " after " + c.setter).c_str());
            break;
        }
        const double ms = static_cast<double>(line->timeUs - start) / 1000.0;
        state.SetIterationTime(ms / 1000.0);
        samples.push_back(ms);
    }
    q.call("RsPowerOff");
    rx.stop();
    state.counters["p50_ms"] = percentile(samples, 0.50);
    state.counters["p99_ms"] = percentile(samples, 0.99);
    state.counters["max_ms"] = percentile(samples, 1.0);
}

BENCHMARK_CAPTURE(SetterToWire, any_setter, everySetter)
    ->Iterations(340)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SetterToWire, frequency, frequencyOnly)
    ->Iterations(300)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SetterToWire, squelch, squelchOnly)
    ->Iterations(300)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SetterToWire, af_again, afOnly)
    ->Iterations(300)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
