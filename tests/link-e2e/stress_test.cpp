// Several threads change settings at once, in bursts and rests, against the emulated receiver:
// every value that stands for 100 ms reaches the wire, no setting's line ever goes back to an
// older value, and the last line of each setting carries its last value. One case gives each
// setting a thread of its own; the other has every thread change settings that ride on another
// setting's line (mode, filter, VSC, monitor, plug, AF mute) and ones that a scan's
// RsSetScanRxData sets from one more thread at the same time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <optional>
#include <ostream>
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

// One setting: its setter and getter, how its value reads from a line, and where its values
// start. The values of a run count up from the start and never repeat, so a line names the
// change it carries; a setting that is only on or off (a toggle) tells by its line only its
// state.
struct Setting {
    const char* setter;
    const char* getter;
    std::optional<int32_t> (*valueOf)(const std::string& line);
    int32_t base;  // set before the run; the run's values follow it
    int32_t step;  // between one value and the next
    int32_t most;  // the largest value its line carries; the run stops changing it there
    bool toggles = false;
};

std::optional<int32_t> hexAfter(const std::string& line, const char* head, size_t digits) {
    const std::string h = head;
    if (line.size() != h.size() + digits || line.compare(0, h.size(), h) != 0) return {};
    return static_cast<int32_t>(std::strtol(line.c_str() + h.size(), nullptr, 16));
}

// A part of the frequency line "K0" frequency(10) mode(2) filter(2) "00", in decimal.
std::optional<int32_t> frequencyLinePart(const std::string& line, size_t at, size_t digits) {
    if (line.size() != 18 || line.compare(0, 2, "K0") != 0) return {};
    return static_cast<int32_t>(std::strtol(line.substr(at, digits).c_str(), nullptr, 10));
}

// The state of a toggle from the line it rides on: `on` while it is set, `off` otherwise.
std::optional<int32_t> toggleOf(const std::string& line, const char* on, const char* off) {
    if (line == on) return 1;
    if (line == off) return 0;
    return {};
}

constexpr int32_t kMostFrequency = 1300000000;

const Setting kFrequency = {"RsSetFrequency",
                            "RsGetFrequency",
                            [](const std::string& l) { return frequencyLinePart(l, 2, 10); },
                            100000000,
                            12500,
                            kMostFrequency};

const std::vector<Setting> kOwnLines = {
    kFrequency,
    {"RsSetAfgain", "RsGetAfgain", [](const std::string& l) { return hexAfter(l, "J40", 2); }, 0, 1,
     255},
    {"RsSetSql", "RsGetSql", [](const std::string& l) { return hexAfter(l, "J41", 2); }, 1, 1, 255},
    {"RsSetIfshift", "RsGetIfshift", [](const std::string& l) { return hexAfter(l, "J43", 2); }, 0,
     1, 255},
    {"RsSetAgc", "RsGetAgc", [](const std::string& l) { return hexAfter(l, "J45", 2); }, 0, 1, 255},
    {"RsSetNb", "RsGetNb", [](const std::string& l) { return hexAfter(l, "J45", 6); }, 0, 1, 255},
    {"RsSetBfoshift", "RsGetBfoshift", [](const std::string& l) { return hexAfter(l, "J4A", 2); },
     0, 1, 255},
    {"RsSetAtt", "RsGetAtt", [](const std::string& l) { return hexAfter(l, "J47", 2); }, 0, 1, 255},
    {"RsSetBpftune", "RsGetBpftune", [](const std::string& l) { return hexAfter(l, "LD820", 2); },
     0, 1, 255},
    {"RsSetExtOutLevel", "RsGetExtOutLevel",
     [](const std::string& l) { return hexAfter(l, "JA1", 2); }, 0, 1, 255},
    {"RsSetDspNr", "RsGetDspNr", [](const std::string& l) { return hexAfter(l, "J82", 2); }, 0, 1,
     255},
    {"RsSetCtcss", "RsGetCtcss", [](const std::string& l) { return hexAfter(l, "J51", 2); }, 0, 1,
     255},
};

// Settings that ride on another's line, and ones that a scan's RsSetScanRxData also sets. The
// squelch level and the AF gain stay as set before the run (0x30 and 0x40), so the squelch
// and AF lines tell the monitor and the mute.
constexpr int32_t kSquelch = 0x30;
constexpr int32_t kGain = 0x40;
const std::vector<Setting> kRidersAndShared = {
    kFrequency,
    {"RsSetMode", "RsGetMode", [](const std::string& l) { return frequencyLinePart(l, 12, 2); }, 0,
     1, 99},
    {"RsSetFilter", "RsGetFilter", [](const std::string& l) { return frequencyLinePart(l, 14, 2); },
     0, 1, 99},
    {"RsSetVsc", "RsGetVsc", [](const std::string& l) { return hexAfter(l, "J50", 2); }, 0, 1, 255},
    {"RsSetMoni", "RsGetMoni", [](const std::string& l) { return toggleOf(l, "J4100", "J4130"); },
     0, 1, 1, true},
    {"RsSetExtPlug", "RsGetExtPlug", [](const std::string& l) { return hexAfter(l, "JA0", 2); }, 0,
     1, 255},
    {"RsSetAfmute", "RsGetAfmute",
     [](const std::string& l) { return toggleOf(l, "J4000", "J4040"); }, 0, 1, 1, true},
    {"RsSetAtt", "RsGetAtt", [](const std::string& l) { return hexAfter(l, "J47", 2); }, 0, 1, 255},
    {"RsSetCtcss", "RsGetCtcss", [](const std::string& l) { return hexAfter(l, "J51", 2); }, 0, 1,
     255},
    {"RsSetAgc", "RsGetAgc", [](const std::string& l) { return hexAfter(l, "J45", 2); }, 0, 1, 255},
};

struct Change {
    int32_t value;
    int64_t atUs;
};

struct StressCase {
    const char* name;
    const std::vector<Setting>* settings;
    // Every thread changes every setting (one call at a time per setting, so the order of the
    // values is the order of the calls); otherwise each setting belongs to one thread.
    bool shared;
    // One thread more sets frequency, mode, filter, ATT and tone at once by RsSetScanRxData.
    bool scanRxData;
};

void PrintTo(const StressCase& run, std::ostream* out) {
    *out << run.name;
}

class Stress : public ::testing::TestWithParam<StressCase> {};

TEST_P(Stress, ChangesFromSeveralThreadsInBurstsAndRestsAreNeverLost) {
    const StressCase& run = GetParam();
    const std::vector<Setting>& settings = *run.settings;
    const int count = static_cast<int>(settings.size());
    LinkSession s;
    ASSERT_TRUE(s.powerOn());
    // Values the run's lines cannot be mistaken for: the AF and squelch lines carry the gain
    // and the level only while mute and monitor are off.
    rs("RsSetAfmute", 0);
    rs("RsSetMoni", 0);
    rs("RsSetSql", kSquelch);
    rs("RsSetAfgain", kGain);
    for (const Setting& setting : settings) rs(setting.setter, setting.base);
    s.settle();
    const size_t mark = s.mark();

    // Bound once: the threads call the library itself, with nothing between them.
    using Setter = int32_t (*)(int32_t);
    std::vector<Setter> setters;
    for (const Setting& setting : settings) {
        setters.push_back(reinterpret_cast<Setter>(e2e::library().symbol(setting.setter)));
        ASSERT_NE(setters.back(), nullptr) << setting.setter;
    }
    using ScanRxData = int32_t (*)(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t);
    const auto scanRxData = reinterpret_cast<ScanRxData>(e2e::library().symbol("RsSetScanRxData"));
    ASSERT_NE(scanRxData, nullptr);
    const auto indexOf = [&](const char* setter) {
        for (int i = 0; i < count; ++i) {
            if (std::string(settings[i].setter) == setter) return i;
        }
        return -1;
    };

    // One call at a time per setting: its values and their calls stay in one order.
    std::vector<std::vector<Change>> changes(count);
    std::vector<std::mutex> calls(count);
    // The next value of setting i, recorded; none once its line could not carry it.
    const auto nextValue = [&](int i) -> std::optional<int32_t> {
        const Setting& setting = settings[i];
        const int32_t last = changes[i].empty() ? setting.base : changes[i].back().value;
        const int32_t value = setting.toggles ? 1 - last : last + setting.step;
        if (value > setting.most) return {};
        changes[i].push_back({value, rxemu::monotonicUs()});
        return value;
    };
    const auto paced = [&](int seed, const std::function<void()>& change) {
        std::mt19937 random(seed);
        for (int round = 0; round < kRoundsPerThread; ++round) {
            const int burst = 1 + static_cast<int>(random() % kMostChangesPerBurst);
            for (int n = 0; n < burst; ++n) {
                change();
                std::this_thread::sleep_for(std::chrono::microseconds(random() % 2000));
            }
            // A short rest overtakes the sender; a long one lets the burst's values stand.
            const int restMs = random() % 2 ? static_cast<int>(random() % 30)
                                            : 110 + static_cast<int>(random() % 50);
            std::this_thread::sleep_for(std::chrono::milliseconds(restMs));
        }
    };
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            std::mt19937 pick(2000 + t);
            std::vector<int> mine;
            for (int i = run.shared ? 0 : t; i < count; i += run.shared ? 1 : kThreads) {
                mine.push_back(i);
            }
            paced(1000 + t, [&] {
                const int i = mine[pick() % mine.size()];
                std::lock_guard one(calls[i]);
                if (const auto value = nextValue(i)) setters[i](*value);
            });
        });
    }
    if (run.scanRxData) {
        threads.emplace_back([&] {
            const int rx[] = {indexOf("RsSetFrequency"), indexOf("RsSetMode"),
                              indexOf("RsSetFilter"), indexOf("RsSetAtt"), indexOf("RsSetCtcss")};
            for (int i : rx) ASSERT_GE(i, 0);
            paced(3000, [&] {
                std::lock_guard a(calls[rx[0]]), b(calls[rx[1]]), c(calls[rx[2]]), d(calls[rx[3]]),
                    e(calls[rx[4]]);
                int32_t v[5];
                for (int k = 0; k < 5; ++k) {
                    const auto value = nextValue(rx[k]);
                    if (!value) return;  // values to the end of the line: the scan stops
                    v[k] = *value;
                }
                scanRxData(v[0], v[1], v[2], v[3], v[4], 5000);
            });
        });
    }
    for (std::thread& thread : threads) thread.join();

    // What each setting's lines carried, in order.
    auto sent = [&] {
        std::vector<std::vector<int32_t>> values(count);
        for (const std::string& line : s.linesSince(mark)) {
            for (int i = 0; i < count; ++i) {
                if (auto v = settings[i].valueOf(line)) values[i].push_back(*v);
            }
        }
        return values;
    };
    auto lastValuesOut = [&] {
        const auto values = sent();
        for (int i = 0; i < count; ++i) {
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
    size_t total = 0;
    for (int i = 0; i < count; ++i) {
        const Setting& setting = settings[i];
        SCOPED_TRACE(setting.setter);
        const std::vector<Change>& made = changes[i];
        const std::vector<int32_t>& out = values[i];
        if (made.empty()) continue;
        EXPECT_EQ(rs(setting.getter), made.back().value) << "the library holds another value";
        ASSERT_FALSE(out.empty());
        EXPECT_EQ(out.back(), made.back().value) << "the last line is not the last value";
        if (setting.toggles) continue;  // its lines tell its state, not which change
        total += made.size();
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
            const bool wasSet =
                v == setting.base || std::any_of(made.begin(), made.end(),
                                                 [&](const Change& c) { return c.value == v; });
            EXPECT_TRUE(wasSet) << "a line carried " << v << ", which was never set";
        }
    }
    // The run is only a test when values both stood and were overtaken.
    EXPECT_GT(stood, count);
    EXPECT_LT(static_cast<size_t>(stood), total);
}

INSTANTIATE_TEST_SUITE_P(
    , Stress,
    ::testing::Values(StressCase{"EachSettingOnItsOwnThread", &kOwnLines, false, false},
                      StressCase{"RidersSharedByAllThreadsBesideScanRxData", &kRidersAndShared,
                                 true, true}),
    [](const ::testing::TestParamInfo<StressCase>& info) { return info.param.name; });

}  // namespace
