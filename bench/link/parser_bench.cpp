// Throughput of the reply assembler and parser on the byte streams a receiver sends: status
// reports, band-scope sweeps and data-broadcast frames (whose chunks take the shared buffer's
// mutex), fed whole and in the chunks the serial reader hands on.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <string>

#include "link/receiver_state.h"
#include "link/reply_assembler.h"
#include "link/serial_port.h"
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

void Parse(benchmark::State& state, std::string (*make)(), int32_t chunk) {
    const std::string id = std::to_string(::getpid());
    const std::string mapping = "corvell_bench_relay_" + id;
    const std::string mutex = "corvell_bench_relay_mt_" + id;
    {
        quillon::ReceiverState store(mapping, mutex);
        quillon::ReplyAssembler assembler(store);
        const std::string stream = make();
        const auto* bytes = reinterpret_cast<const uint8_t*>(stream.data());
        for (auto _ : state) {
            const auto size = static_cast<int32_t>(stream.size());
            for (int32_t at = 0; at < size; at += chunk) {
                assembler.Feed(bytes + at, std::min(chunk, size - at));
            }
            benchmark::DoNotOptimize(store.smeter());
        }
        state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                                static_cast<int64_t>(stream.size()));
    }
    platform::SharedMemory::remove(mapping);
    ::unlink(platform::NamedMutex::lockFilePath(mutex).c_str());
}

constexpr int32_t kWhole = 1 << 30;
constexpr int32_t kReaderChunk = quillon::SerialPort::kReadChunk;

BENCHMARK_CAPTURE(Parse, status_reports, statusStream, kWhole)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, scope_sweeps, scopeStream, kWhole)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, data_broadcast, darcStream, kWhole)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, data_broadcast_reader_chunks, darcStream, kReaderChunk)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, data_broadcast_4k_chunks, darcStream, 4096)->Unit(benchmark::kMillisecond);

}  // namespace
