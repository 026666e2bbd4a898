// Several threads change settings at once, in bursts and rests, against the emulated receiver:
// every value that stands for 100 ms reaches the wire, no setting's line ever goes back to an
// older value, and the last line of each setting carries its last value.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "tests/link-e2e/link_session.h"
#include "tools/rx-emulator/monotonic_clock.h"

namespace {

using e2e::LinkSession;
using e2e::rs;

constexpr int64_t kStandsUs = 100000;
constexpr int kThreads = 4;
constexpr int kRoundsPerThread = 10;
constexpr int kMostChangesPerBurst = 12;

// One setting: its setter, how its value reads from a line, and where its values start. The
// values of a run count up from the start and never repeat, so a line names the change it
// carries.
struct Setting {
    const char* setter;
    std::optional<int32_t> (*valueOf)(const std::string& line);
    int32_t base;  // set before the run; the run's values follow it
    int32_t step;  // between one value and the next
};

std::optional<int32_t> hexAfter(const std::string& line, const char* head, size_t digits) {
    const std::string h = head;
    if (line.size() != h.size() + digits || line.compare(0, h.size(), h) != 0) return {};
    return static_cast<int32_t>(std::strtol(line.c_str() + h.size(), nullptr, 16));
}

const Setting kSettings[] = {
    {"RsSetFrequency",
     [](const std::string& l) -> std::optional<int32_t> {
         if (l.size() != 18 || l.compare(0, 2, "K0") != 0) return {};
         return static_cast<int32_t>(std::strtol(l.substr(2, 10).c_str(), nullptr, 10));
     },
     100000000, 12500},
    {"RsSetAfgain", [](const std::string& l) { return hexAfter(l, "J40", 2); }, 0, 1},
    {"RsSetSql", [](const std::string& l) { return hexAfter(l, "J41", 2); }, 1, 1},
    {"RsSetIfshift", [](const std::string& l) { return hexAfter(l, "J43", 2); }, 0, 1},
    {"RsSetAgc", [](const std::string& l) { return hexAfter(l, "J45", 2); }, 0, 1},
    {"RsSetNb", [](const std::string& l) { return hexAfter(l, "J45", 6); }, 0, 1},
    {"RsSetBfoshift", [](const std::string& l) { return hexAfter(l, "J4A", 2); }, 0, 1},
    {"RsSetAtt", [](const std::string& l) { return hexAfter(l, "J47", 2); }, 0, 1},
    {"RsSetBpftune", [](const std::string& l) { return hexAfter(l, "LD820", 2); }, 0, 1},
    {"RsSetExtOutLevel", [](const std::string& l) { return hexAfter(l, "JA1", 2); }, 0, 1},
    {"RsSetDspNr", [](const std::string& l) { return hexAfter(l, "J82", 2); }, 0, 1},
    {"RsSetCtcss", [](const std::string& l) { return hexAfter(l, "J51", 2); }, 0, 1},
};
constexpr int kSettingCount = sizeof kSettings / sizeof kSettings[0];

struct Change {
    int32_t value;
    int64_t atUs;
};

TEST(Stress, ChangesFromSeveralThreadsInBurstsAndRestsAreNeverLost) {
    LinkSession s;
    ASSERT_TRUE(s.powerOn());
    // Values the run's lines cannot be mistaken for: the AF and squelch lines carry the gain
    // and the level only while mute and monitor are off.
    rs("RsSetAfmute", 0);
    rs("RsSetMoni", 0);
    for (const Setting& setting : kSettings) rs(setting.setter, setting.base);
    s.settle();
    const size_t mark = s.mark();

    // Bound once: the threads call the library itself, with nothing between them.
    using Setter = int32_t (*)(int32_t);
    std::vector<Setter> setters;
    for (const Setting& setting : kSettings) {
        setters.push_back(reinterpret_cast<Setter>(e2e::library().symbol(setting.setter)));
        ASSERT_NE(setters.back(), nullptr) << setting.setter;
    }

    // Each setting belongs to one thread, so "its last value" means one thing.
    std::vector<std::vector<Change>> changes(kSettingCount);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            std::mt19937 random(1000 + t);
            std::vector<int> mine;
            for (int i = t; i < kSettingCount; i += kThreads) mine.push_back(i);
            for (int round = 0; round < kRoundsPerThread; ++round) {
                const int burst = 1 + static_cast<int>(random() % kMostChangesPerBurst);
                for (int n = 0; n < burst; ++n) {
                    const int i = mine[random() % mine.size()];
                    const Setting& setting = kSettings[i];
                    const int32_t value =
                        setting.base + setting.step * static_cast<int32_t>(changes[i].size() + 1);
                    changes[i].push_back({value, rxemu::monotonicUs()});
                    setters[i](value);
                    std::this_thread::sleep_for(std::chrono::microseconds(random() % 2000));
                }
                // A short rest overtakes the sender; a long one lets the burst's values stand.
                const int restMs = random() % 2 ? static_cast<int>(random() % 30)
                                                : 110 + static_cast<int>(random() % 50);
                std::this_thread::sleep_for(std::chrono::milliseconds(restMs));
            }
        });
    }
    for (std::thread& thread : threads) thread.join();

    // What each setting's lines carried, in order.
    auto sent = [&] {
        std::vector<std::vector<int32_t>> values(kSettingCount);
        for (const std::string& line : s.linesSince(mark)) {
            for (int i = 0; i < kSettingCount; ++i) {
                if (auto v = kSettings[i].valueOf(line)) values[i].push_back(*v);
            }
        }
        return values;
    };
    auto lastValuesOut = [&] {
        const auto values = sent();
        for (int i = 0; i < kSettingCount; ++i) {
            if (!changes[i].empty() &&
                (values[i].empty() || values[i].back() != changes[i].back().value)) {
                return false;
            }
        }
        return true;
    };
    e2e::waitFor(lastValuesOut, 5000);
    s.settle();

    const auto values = sent();
    int stood = 0;
    for (int i = 0; i < kSettingCount; ++i) {
        SCOPED_TRACE(kSettings[i].setter);
        const std::vector<Change>& made = changes[i];
        const std::vector<int32_t>& out = values[i];
        if (made.empty()) continue;
        ASSERT_FALSE(out.empty());
        EXPECT_EQ(out.back(), made.back().value) << "the last line is not the last value";
        for (size_t k = 1; k < out.size(); ++k) {
            EXPECT_GE(out[k], out[k - 1]) << "an older value went out after a newer one";
        }
        for (size_t k = 0; k < made.size(); ++k) {
            const bool last = k + 1 == made.size();
            if (!last && made[k + 1].atUs - made[k].atUs < kStandsUs) continue;
            ++stood;
            EXPECT_TRUE(std::find(out.begin(), out.end(), made[k].value) != out.end())
                << "value " << made[k].value << " stood but never went out";
        }
        for (int32_t v : out) {
            const bool wasSet = std::any_of(made.begin(), made.end(),
                                            [&](const Change& c) { return c.value == v; });
            EXPECT_TRUE(wasSet) << "a line carried " << v << ", which was never set";
        }
    }
    // The run is only a test when values both stood and were overtaken.
    size_t total = 0;
    for (const auto& made : changes) total += made.size();
    EXPECT_GT(stood, kSettingCount);
    EXPECT_LT(static_cast<size_t>(stood), total);
}

}  // namespace
