#include "tests/link-e2e/darc_reader.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "platform/named_mutex.h"
#include "platform/shared_memory.h"

namespace e2e {
namespace {

constexpr uint32_t kHeaderSize = 32;
constexpr uint32_t kRingSize = 240000;
constexpr uint32_t kTotalSize = kHeaderSize + kRingSize;

enum Word {
    TotalSize,
    Frequency,
    WriteIndex,
    ByteCounter,
    CounterAtWrap,
    Fill,
    DataValid,
    Producer
};

uint32_t word(const uint8_t* base, Word w) {
    const uint8_t* p = base + 4 * w;
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

bool parseHex(const char* text, std::array<uint8_t, 24>& out) {
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    for (size_t i = 0; i < out.size(); ++i) {
        const int high = digit(text[2 * i]);
        const int low = high < 0 ? -1 : digit(text[2 * i + 1]);
        if (low < 0) return false;
        out[i] = static_cast<uint8_t>(high * 16 + low);
    }
    return text[48] == '\0';
}

}  // namespace

std::string toHex(const std::array<uint8_t, 24>& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (uint8_t b : bytes) {
        out.push_back(kDigits[b >> 4]);
        out.push_back(kDigits[b & 0xF]);
    }
    return out;
}

int runDarcReader(int argc, char** argv) {
    std::array<uint8_t, 24> pattern{};
    if (argc != 3 || !parseHex(argv[0], pattern)) return kDarcBadArguments;
    const uint32_t frequency = static_cast<uint32_t>(std::strtoul(argv[1], nullptr, 10));
    const int timeoutMs = std::atoi(argv[2]);

    platform::NamedMutex mutex(kDarcMutexName);
    platform::SharedMemory memory;
    if (!memory.open(kDarcMappingName, kTotalSize)) {
        std::fprintf(stderr, "darc reader: %s\n", memory.lastError().c_str());
        return kDarcNoBuffer;
    }
    const auto* base = static_cast<const uint8_t*>(memory.data());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string last;
    while (std::chrono::steady_clock::now() < deadline) {
        {
            std::lock_guard guard(mutex);
            const uint32_t index = word(base, WriteIndex);
            bool atEnd = index < kRingSize && word(base, Fill) >= 24;
            for (uint32_t i = 0; atEnd && i < 24; ++i) {
                const uint32_t at = (index + kRingSize - 24 + i) % kRingSize;
                atEnd = base[kHeaderSize + at] == pattern[i];
            }
            if (atEnd && word(base, TotalSize) == kTotalSize &&
                word(base, Frequency) == frequency && word(base, DataValid) == 1 &&
                word(base, Producer) == 1 && word(base, ByteCounter) >= 24) {
                return kDarcSeen;
            }
            char state[200];
            std::snprintf(state, sizeof state,
                          "size %u, frequency %u, write index %u, counter %u, fill %u, valid %u, "
                          "producer %u, frame at end %d",
                          word(base, TotalSize), word(base, Frequency), index,
                          word(base, ByteCounter), word(base, Fill), word(base, DataValid),
                          word(base, Producer), atEnd ? 1 : 0);
            last = state;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::fprintf(stderr, "darc reader: frame not seen; last header: %s\n", last.c_str());
    return kDarcNotSeen;
}

}  // namespace e2e
