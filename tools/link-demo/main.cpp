// corvell-link-demo: switches the receiver on through libquillon.so, tunes a few frequencies
// and modes, shows what the receiver reports, and switches it off again.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <thread>

#include "tests/support/quillon_library.h"

namespace {

using linkdemo::QuillonLibrary;

void sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

const char* modeName(int mode) {
    static const char* const kNames[] = {"LSB", "USB", "AM", "CW", "?", "FM", "WFM"};
    return mode >= 0 && mode <= 6 ? kNames[mode] : "?";
}

const char* filterName(int filter) {
    static const char* const kNames[] = {"3k", "6k", "15k", "50k", "230k"};
    return filter >= 0 && filter <= 4 ? kNames[filter] : "?";
}

struct Tuning {
    int32_t hz;
    int mode;
    int filter;
};

void showTuned(QuillonLibrary& q) {
    const int32_t hz = q.call("RsGetFrequency");
    std::printf("  %4d.%06d MHz  %-3s %-4s  S-meter %3d  %s\n", static_cast<int>(hz / 1000000),
                static_cast<int>(hz % 1000000), modeName(q.call("RsGetMode")),
                filterName(q.call("RsGetFilter")), static_cast<int>(q.call("RsGetSmeter")),
                q.call("RsGetBusy") ? "busy" : "quiet");
}

int run(int port, int seconds) {
    QuillonLibrary q;
    if (!q.load()) {
        std::fprintf(stderr, "corvell-link-demo: cannot load %s: %s\n", QuillonLibrary::kFileName,
                     q.error().c_str());
        return 1;
    }
    std::printf("Link library: %s\n", q.path().c_str());
    q.call("RsSetComportNum", port);
    std::printf("Switching the receiver on at COM%d ...\n", port);
    const auto start = std::chrono::steady_clock::now();
    q.call("RsPowerOn");
    bool alive = false;
    for (int i = 0; i < 30 && !alive; ++i) {
        alive = q.call("RsGetPowerOnStat") != 0;
        if (!alive) sleepMs(100);
    }
    const double took =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!alive) {
        std::printf("No answer from the receiver after %.1f s; switching off.\n", took);
        q.call("RsPowerOff");
        return 1;
    }
    sleepMs(200);  // the version answers follow the first reply closely
    const int units = q.call("RsGetUnitOption");
    std::printf(
        "Receiver answers after %.1f s: interface %d, CPU %d, matrix %d, units 0x%02X%s%s\n", took,
        static_cast<int>(q.call("RsGetVerSCI")), static_cast<int>(q.call("RsGetVerCPU")),
        static_cast<int>(q.call("RsGetMatrixVersion")), units, units & 1 ? " DSP" : "",
        units & 16 ? " data-broadcast" : "");

    q.call("RsSetAfgain", 0x60);
    q.call("RsSetSql", 0x20);
    const Tuning tunings[] = {
        {82500000, 6, 4}, {145000000, 5, 2}, {7050000, 0, 0}, {118725000, 2, 1}, {433920000, 5, 1}};
    std::printf("Tuning:\n");
    for (const Tuning& t : tunings) {
        q.call("RsSetFrequency", t.hz);
        q.call("RsSetMode", t.mode);
        q.call("RsSetFilter", t.filter);
        sleepMs(400);  // a few status reports of the new frequency
        showTuned(q);
    }

    std::printf("Link status:\n");
    for (int s = 0; s < seconds; ++s) {
        sleepMs(1000);
        std::printf("  %ds: link %s, S-meter %3d, centre %3d, DSR %d, CTS %d\n", s + 1,
                    q.call("RsGetPowerOnStat") ? "alive" : "lost ",
                    static_cast<int>(q.call("RsGetSmeter")),
                    static_cast<int>(q.call("RsGetCmeter")),
                    static_cast<int>(q.call("RsGetComportDSRstat")),
                    static_cast<int>(q.call("RsGetComportCTSstat")));
    }
    q.call("RsPowerOff");
    std::printf("Switched off.\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int port = 1;
    int seconds = 3;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--port" || arg == "--seconds") && i + 1 < argc) {
            const int value = std::atoi(argv[++i]);
            if (arg == "--port" && value >= 1 && value <= 10) {
                port = value;
            } else if (arg == "--seconds" && value >= 0 && value <= 3600) {
                seconds = value;
            } else {
                std::fprintf(stderr, "corvell-link-demo: bad value for %s\n", arg.c_str());
                return 2;
            }
        } else {
            std::fprintf(stderr,
                         "usage: corvell-link-demo [--port 1..10] [--seconds N]\n"
                         "The port COMn is the device in $QUILLON_COMn, else /dev/ttyS{n-1}.\n");
            return arg == "--help" || arg == "-h" ? 0 : 2;
        }
    }
    try {
        return run(port, seconds);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "corvell-link-demo: %s\n", e.what());
        return 1;
    }
}
