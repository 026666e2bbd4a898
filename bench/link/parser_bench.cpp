// Throughput of the reply assembler and parser on the byte streams a receiver sends: status
// reports, band-scope sweeps and data-broadcast frames (each of which takes the shared
// buffer's mutex).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <array>
#include <string>

#include "link/receiver_state.h"
#include "link/reply_assembler.h"
#include "platform/named_mutex.h"
#include "platform/shared_memory.h"
#include "tools/rx-emulator/receiver_model.h"
#include "tools/rx-emulator/reply_frames.h"

namespace {

constexpr size_t kStreamBytes = 1 << 20;

std::string statusStream() {
    rxemu::ReceiverModel model;
    model.handleLine("H101");
    std::string out;
    for (int i = 0; out.size() < kStreamBytes; ++i) {
        model.setSmeter(i);
        model.setStatusBits(i >> 3);
        out += model.statusReport();
        if (i % 16 == 0) out += rxemu::statusFrame('H', '9', i & 0x13) + "\n";
    }
    return out;
}

std::string scopeStream() {
    rxemu::ReceiverModel model;
    model.handleLine("H101");
    model.handleLine("ME00001FF030100005000");
    std::string out;
    while (out.size() < kStreamBytes) out += model.sweep();
    return out;
}

std::string darcStream() {
    std::array<uint8_t, 24> bytes{};
    std::string out;
    for (int i = 0; out.size() < kStreamBytes; ++i) {
        for (uint8_t& b : bytes) b = static_cast<uint8_t>(b * 31 + i);
        out += rxemu::darcFrame(bytes.data()) + "\n";
    }
    return out;
}

void Parse(benchmark::State& state, std::string (*make)()) {
    const std::string id = std::to_string(::getpid());
    const std::string mapping = "corvell_bench_relay_" + id;
    const std::string mutex = "corvell_bench_relay_mt_" + id;
    {
        quillon::ReceiverState store(mapping, mutex);
        quillon::ReplyAssembler assembler(store);
        const std::string stream = make();
        const auto* bytes = reinterpret_cast<const uint8_t*>(stream.data());
        for (auto _ : state) {
            assembler.Feed(bytes, static_cast<int32_t>(stream.size()));
            benchmark::DoNotOptimize(store.smeter());
        }
        state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                                static_cast<int64_t>(stream.size()));
    }
    platform::SharedMemory::remove(mapping);
    ::unlink(platform::NamedMutex::lockFilePath(mutex).c_str());
}

BENCHMARK_CAPTURE(Parse, status_reports, statusStream)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, scope_sweeps, scopeStream)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, data_broadcast, darcStream)->Unit(benchmark::kMillisecond);

}  // namespace
