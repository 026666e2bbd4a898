#include "tools/rx-emulator/rx_emulator.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <optional>

#include "tools/rx-emulator/monotonic_clock.h"
#include "tools/rx-emulator/reply_frames.h"

namespace rxemu {
namespace {

// While nobody holds the slave side, the master reports a hang-up at once on every wait; it is
// then looked at again only this often.
constexpr int kReopenCheckMs = 20;
// How long a reply may wait for room on the line before the rest of it is dropped.
constexpr int kWriteWaitMs = 20;
// Longest command line kept; the rest of a longer one is dropped until its line feed.
constexpr size_t kMaxLine = 1024;

// An I3 report of one DTMF code, as the receiver sends it.
std::string dtmfReport(int code) {
    return statusFrame('I', '3', code) + "\n";
}

}  // namespace

RxEmulator::RxEmulator(EmulatorOptions options)
    : options_(std::move(options)),
      model_(options_.receiver),
      dtmfKeys_(int64_t{options_.dtmfPeriodMs} * 1000),
      noiseSource_(options_.noiseSeed) {
    model_.setSignalModel(options_.signalModel);
    wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

RxEmulator::~RxEmulator() {
    stop();
    if (wakeFd_ >= 0) ::close(wakeFd_);
}

bool RxEmulator::start() {
    if (running()) return true;
    if (!options_.logFile.empty() && !log_.openFile(options_.logFile)) {
        std::lock_guard lock(mutex_);
        lastError_ = "cannot open the log file " + options_.logFile;
        return false;
    }
    if (wakeFd_ < 0) {
        std::lock_guard lock(mutex_);
        lastError_ = "cannot create the wake-up event";
        return false;
    }
    if (!pty_.open()) {
        std::lock_guard lock(mutex_);
        lastError_ = pty_.lastError();
        return false;
    }
    stopping_ = false;
    farEndGone_ = false;
    partial_.clear();
    tracker_ = FrameTracker();
    thread_ = std::thread([this] { run(); });
    return true;
}

void RxEmulator::stop() {
    if (!running()) return;
    stopping_ = true;
    wake();
    thread_.join();
    pty_.close();
}

std::string RxEmulator::devicePath() const {
    return pty_.slavePath();
}

std::string RxEmulator::lastError() const {
    std::lock_guard lock(mutex_);
    return lastError_;
}

void RxEmulator::wake() {
    const uint64_t one = 1;
    if (wakeFd_ < 0) return;
    [[maybe_unused]] const ssize_t n = ::write(wakeFd_, &one, sizeof one);
}

bool RxEmulator::poweredOn() const {
    std::lock_guard lock(mutex_);
    return model_.poweredOn();
}

int32_t RxEmulator::speed() const {
    std::lock_guard lock(mutex_);
    return model_.speed();
}

bool RxEmulator::scanning() const {
    std::lock_guard lock(mutex_);
    return model_.scanning();
}

bool RxEmulator::sweeping() const {
    std::lock_guard lock(mutex_);
    return model_.sweeping();
}

ScopeRequest RxEmulator::scope() const {
    std::lock_guard lock(mutex_);
    return model_.scope();
}

int32_t RxEmulator::frequency() const {
    std::lock_guard lock(mutex_);
    return model_.frequency();
}

void RxEmulator::setVersions(int verSCI, int verCPU, int matrixVersion) {
    std::lock_guard lock(mutex_);
    model_.config().verSCI = verSCI;
    model_.config().verCPU = verCPU;
    model_.config().matrixVersion = matrixVersion;
}

void RxEmulator::setUnitOption(int units) {
    std::lock_guard lock(mutex_);
    model_.config().unitOption = units;
}

void RxEmulator::setStatusBits(int bits) {
    std::lock_guard lock(mutex_);
    model_.setStatusBits(bits);
}

void RxEmulator::setSmeter(int value) {
    std::lock_guard lock(mutex_);
    model_.setSmeter(value);
}

void RxEmulator::setSignalModel(bool on) {
    std::lock_guard lock(mutex_);
    model_.setSignalModel(on);
}

int RxEmulator::reportedSmeter() const {
    std::lock_guard lock(mutex_);
    return model_.smeter();
}

void RxEmulator::setCmeter(int value) {
    std::lock_guard lock(mutex_);
    model_.setCmeter(value);
}

void RxEmulator::setScopeLevels(const std::array<uint8_t, ReceiverModel::kScopePoints>& levels) {
    std::lock_guard lock(mutex_);
    model_.setScopeLevels(levels);
}

void RxEmulator::setStatusReports(bool on) {
    {
        std::lock_guard lock(mutex_);
        statusReports_ = on;
        nextStatusUs_ = monotonicUs();
    }
    wake();
}

void RxEmulator::setSilent(bool on) {
    {
        std::lock_guard lock(mutex_);
        silent_ = on;
    }
    wake();
}

bool RxEmulator::silent() const {
    std::lock_guard lock(mutex_);
    return silent_;
}

void RxEmulator::setHolding(bool on) {
    {
        std::lock_guard lock(mutex_);
        holding_ = on;
    }
    wake();
}

bool RxEmulator::holding() const {
    std::lock_guard lock(mutex_);
    return holding_;
}

bool RxEmulator::noise() const {
    std::lock_guard lock(mutex_);
    return noise_;
}

void RxEmulator::setNoise(bool on) {
    {
        std::lock_guard lock(mutex_);
        noise_ = on;
        nextNoiseUs_ = monotonicUs();
    }
    wake();
}

void RxEmulator::queue(std::string bytes) {
    {
        std::lock_guard lock(mutex_);
        outbox_.push_back(std::move(bytes));
    }
    wake();
}

void RxEmulator::sendDtmf(int code) {
    queue(dtmfReport(code));
}

bool RxEmulator::sendDtmfKeys(std::string_view keys) {
    {
        std::lock_guard lock(mutex_);
        if (!dtmfKeys_.append(keys)) return false;
    }
    wake();
    return true;
}

size_t RxEmulator::dtmfKeysWaiting() const {
    std::lock_guard lock(mutex_);
    return dtmfKeys_.waiting();
}

void RxEmulator::sendDarc(const std::array<uint8_t, 24>& bytes, int head) {
    queue(darcFrame(bytes.data(), head) + "\n");
}

void RxEmulator::sendScanStatus(int code) {
    queue(statusFrame('H', '9', code) + "\n");
}

void RxEmulator::sendRaw(std::string bytes) {
    queue(std::move(bytes));
}

void RxEmulator::send(const std::string& bytes) {
    if (bytes.empty()) return;
    const size_t done = pty_.write(bytes.data(), bytes.size(), kWriteWaitMs);
    tracker_.observe(reinterpret_cast<const uint8_t*>(bytes.data()), done);
}

void RxEmulator::takeBytes(const char* bytes, long count, int64_t timeUs) {
    for (long i = 0; i < count; ++i) {
        if (bytes[i] == '\n') {
            handleLine(std::move(partial_), timeUs);
            partial_.clear();
        } else if (partial_.size() < kMaxLine) {
            partial_.push_back(bytes[i]);
        }
    }
}

void RxEmulator::handleLine(std::string line, int64_t timeUs) {
    ReceiverModel::Response response;
    bool silent;
    {
        std::lock_guard lock(mutex_);
        const bool wasReporting = model_.reporting();
        response = model_.handleLine(line);
        if (!wasReporting && model_.reporting()) nextStatusUs_ = timeUs;
        silent = silent_;
        if (response.sweepNow) {
            nextSweepUs_ = timeUs + int64_t{options_.sweepPeriodMs} * 1000;
            if (!silent) response.bytes += model_.sweep();
        }
    }
    log_.append({timeUs, std::move(line)});
    if (!silent) send(response.bytes);
    if (response.newSpeed != 0) pty_.setSpeed(response.newSpeed);
}

int RxEmulator::nextTimeoutMs(int64_t nowUs) {
    std::lock_guard lock(mutex_);
    int64_t due = INT64_MAX;
    if (model_.reporting() && statusReports_ && !silent_) due = std::min(due, nextStatusUs_);
    if (model_.sweeping() && !silent_) due = std::min(due, nextSweepUs_);
    if (noise_) due = std::min(due, nextNoiseUs_);
    if (const std::optional<int64_t> key = dtmfKeys_.nextDueUs()) due = std::min(due, *key);
    if (due == INT64_MAX) return -1;
    if (due <= nowUs) return 0;
    return static_cast<int>(std::min<int64_t>((due - nowUs + 999) / 1000, INT_MAX));
}

void RxEmulator::runDueWork(int64_t nowUs) {
    std::string out;
    bool noiseDue = false;
    {
        std::lock_guard lock(mutex_);
        if (model_.reporting() && statusReports_ && !silent_ && nowUs >= nextStatusUs_) {
            out += model_.statusReport();
            nextStatusUs_ = nowUs + int64_t{options_.statusPeriodMs} * 1000;
        }
        if (model_.sweeping() && !silent_ && nowUs >= nextSweepUs_) {
            out += model_.sweep();
            nextSweepUs_ = nowUs + int64_t{options_.sweepPeriodMs} * 1000;
        }
        if (const std::optional<int> key = dtmfKeys_.takeDue(nowUs); key && !silent_) {
            out += dtmfReport(*key);
        }
        if (noise_ && nowUs >= nextNoiseUs_) {
            noiseDue = true;
            nextNoiseUs_ = nowUs + int64_t{options_.noisePeriodMs} * 1000;
        }
    }
    send(out);
    if (noiseDue) {
        // The tracker must follow only what really left, or later noise could finish a frame.
        const FrameTracker before = tracker_;
        const std::string burst =
            noiseSource_.burst(tracker_, static_cast<size_t>(options_.noiseBurstBytes));
        const size_t done = pty_.write(burst.data(), burst.size(), kWriteWaitMs);
        tracker_ = before;
        tracker_.observe(reinterpret_cast<const uint8_t*>(burst.data()), done);
        noiseBytes_ += done;
    }
}

void RxEmulator::run() {
    char buffer[4096];
    while (!stopping_) {
        int timeout = nextTimeoutMs(monotonicUs());
        pollfd fds[2] = {{wakeFd_, POLLIN, 0}, {pty_.fd(), POLLIN, 0}};
        // A holding receiver leaves the line unread; a release wakes this wait, so what waited
        // is read at once.
        const bool watchLine = !farEndGone_ && !holding();
        if (farEndGone_) {
            timeout = timeout < 0 ? kReopenCheckMs : std::min(timeout, kReopenCheckMs);
        }
        const int r = ::poll(fds, watchLine ? 2 : 1, timeout);
        if (r < 0 && errno != EINTR) {
            ::usleep(10000);  // a failing wait is retried, but not in a tight loop
            continue;
        }
        if (fds[0].revents & POLLIN) {
            uint64_t count;
            [[maybe_unused]] const ssize_t n = ::read(wakeFd_, &count, sizeof count);
        }
        if (farEndGone_) {
            farEndGone_ = false;  // look at the line again on the next wait
        } else if (watchLine && r > 0 && fds[1].revents != 0) {
            long got = 0;
            {
                // Read under the lock, so once a hold is set no read begins.
                std::lock_guard lock(mutex_);
                if (!holding_)
                    got = (fds[1].revents & POLLIN) ? pty_.read(buffer, sizeof buffer) : -1;
            }
            if (got > 0) {
                takeBytes(buffer, got, monotonicUs());
            } else if (got < 0) {
                farEndGone_ = true;
            }
        }
        std::deque<std::string> out;
        {
            std::lock_guard lock(mutex_);
            out.swap(outbox_);
        }
        for (const std::string& bytes : out) send(bytes);
        runDueWork(monotonicUs());
    }
}

}  // namespace rxemu
