// CPU the link takes while switched on and idle, as a share of one core, measured with
// getrusage over 10 s of this process alone: against the emulator running as a process of its
// own (so its work is not counted), and with no port at all (every send fails). Wake-ups are the
// context switches of all the process's threads per second: each is a thread that slept and ran.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "bench/link/bench_library.h"

extern char** environ;

namespace {

constexpr int kMeasureSeconds = 10;

double cpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long contextSwitches() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_nvcsw + usage.ru_nivcsw;
}

// Runs the receiver emulator as a separate process with its device behind `link`.
class EmulatorProcess {
  public:
    explicit EmulatorProcess(const std::string& link) : link_(link) {
        const std::string program =
            linkdemo::QuillonLibrary::programDirectory() + "/corvell-rx-emulator";
        std::string flag = "--link", path = link;
        char* argv[] = {const_cast<char*>(program.c_str()), flag.data(), path.data(), nullptr};
        if (::posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv, environ) != 0) pid_ = 0;
        for (int i = 0; i < 100 && pid_ != 0 && ::access(link.c_str(), F_OK) != 0; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    ~EmulatorProcess() {
        if (pid_ == 0) return;
        ::kill(pid_, SIGTERM);
        int status;
        ::waitpid(pid_, &status, 0);
    }
    bool ready() const { return pid_ != 0 && ::access(link_.c_str(), F_OK) == 0; }

  private:
    std::string link_;
    pid_t pid_ = 0;
};

void measure(benchmark::State& state, linkdemo::QuillonLibrary& q) {
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // past the power-on lines
    for (auto _ : state) {
        const double cpu0 = cpuSeconds();
        const long switches0 = contextSwitches();
        const auto wall0 = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(kMeasureSeconds));
        const double cpu = cpuSeconds() - cpu0;
        const long switches = contextSwitches() - switches0;
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
        state.SetIterationTime(wall);
        state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / wall;
        state.counters["wakeups_per_s"] = static_cast<double>(switches) / wall;
    }
    state.counters["link_alive"] = q.call("RsGetPowerOnStat");
    q.call("RsPowerOff");
}

void IdleLink(benchmark::State& state) {
    linkdemo::QuillonLibrary& q = linkbench::library();
    if (!q.loaded()) {
        state.SkipWithError(("cannot load the link library: " + q.error()).c_str());
        return;
    }
    const std::string link = "/tmp/corvell-bench-rx-" + std::to_string(::getpid());
    EmulatorProcess emulator(link);
    if (!emulator.ready()) {
        state.SkipWithError("the emulator did not start");
        return;
    }
    ::setenv("QUILLON_COM1", link.c_str(), 1);
    q.call("RsSetComportNum", 1);
    q.call("RsPowerOn");
    measure(state, q);
}

void IdleLinkWithoutPort(benchmark::State& state) {
    linkdemo::QuillonLibrary& q = linkbench::library();
    if (!q.loaded()) {
        state.SkipWithError(("cannot load the link library: " + q.error()).c_str());
        return;
    }
    q.call("RsSetComportNum", 0);  // COM0 names no port: the open fails, every send fails
    q.call("RsPowerOn");
    q.call("RsSetAfgain", q.call("RsGetAfgain") ^ 1);  // a change whose send fails
    measure(state, q);
}

BENCHMARK(IdleLink)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(IdleLinkWithoutPort)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
