#include "tests/link-e2e/link_session.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <future>
#include <thread>

#include "tests/support/fast_emulator.h"

namespace e2e {
namespace {

bool g_used = false;

}  // namespace

PrivateLockDirectory::PrivateLockDirectory() {
    char pattern[] = "/tmp/corvell-e2e-locks-XXXXXX";
    if (::mkdtemp(pattern)) {
        path_ = pattern;
        ::setenv("XDG_RUNTIME_DIR", path_.c_str(), 1);
    }
}

PrivateLockDirectory::~PrivateLockDirectory() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

rxemu::EmulatorOptions fastOptions() {
    return corvell::test::fastEmulatorOptions();
}

linkdemo::QuillonLibrary& library() {
    static linkdemo::QuillonLibrary lib;
    if (!lib.loaded() && !lib.load()) {
        ADD_FAILURE() << "cannot load the link library: " << lib.error();
    }
    return lib;
}

bool libraryUsed() {
    return g_used;
}

bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

void mustFinishWithin(int timeoutMs, const char* what, const std::function<void()>& work) {
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    std::thread([work, done] {
        work();
        done->set_value();
    }).detach();
    if (finished.wait_for(std::chrono::milliseconds(timeoutMs)) != std::future_status::ready) {
        std::fprintf(stderr, "%s did not return within %d ms\n", what, timeoutMs);
        std::fflush(stderr);
        std::_Exit(3);
    }
}

LinkSession::LinkSession(rxemu::EmulatorOptions options) {
    library();
    replaceEmulator(std::move(options));
}

LinkSession::~LinkSession() {
    if (on_) powerOff();
    rx_->stop();
}

void LinkSession::replaceEmulator(rxemu::EmulatorOptions options) {
    if (rx_) rx_->stop();
    rx_ = std::make_unique<rxemu::RxEmulator>(std::move(options));
    if (!rx_->start()) ADD_FAILURE() << "emulator: " << rx_->lastError();
}

std::vector<std::string> LinkSession::expectLines(size_t mark, size_t count, int timeoutMs) {
    rx_->log().waitForCount(mark + count, timeoutMs);
    settle(60);
    return linesSince(mark);
}

void LinkSession::settle(int quietMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    size_t seen = mark();
    while (std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(quietMs));
        const size_t now = mark();
        if (now == seen) return;
        seen = now;
    }
}

bool LinkSession::powerOn(bool waitAlive) {
    ::setenv("QUILLON_COM1", rx_->devicePath().c_str(), 1);
    rs("RsSetComportNum", 1);
    rs("RsPowerOn");
    on_ = true;
    g_used = true;
    if (!waitAlive) return false;
    return waitFor([] { return rs("RsGetPowerOnStat") != 0; });
}

void LinkSession::powerOff() {
    rs("RsPowerOff");
    on_ = false;
}

std::vector<std::string> defaultPowerOnFlagLines() {
    return {
        "K00145000000000000",
        "J4101",
        "J5000",  // step 0: frequency, then squelch
        "J5100",
        "J4000",  // step 2: tone squelch, AF
        "J4380",
        "J4500",  // step 4: IF shift, AGC
        "J45000000",
        "J4A80",  // step 6: NB, BFO
        "J4101",
        "J5000",  // step 8: monitor
        "J4700",
        "J4D00",    // step 10: ATT, ANL
        "LD82000",  // step 12: BPF
        "JA100",
        "JA000",  // step 14: level, plug
        "J4101",
        "J5000",  // step 0 again: VSC
    };
}

std::vector<std::string> powerOnSequence() {
    return {"H101", "G105", "J4000", "J41FF", "H1?", "G2?", "G4?", "GE?", "GD?", "G301"};
}

void expectPowerOnSequenceFirst(const std::vector<std::string>& lines) {
    const std::vector<std::string> sequence = powerOnSequence();
    ASSERT_GE(lines.size(), sequence.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + sequence.size()), sequence);
}

}  // namespace e2e
