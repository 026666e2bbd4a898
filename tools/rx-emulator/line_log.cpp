#include "tools/rx-emulator/line_log.h"

#include <chrono>

namespace rxemu {

LineLog::~LineLog() {
    if (file_) std::fclose(file_);
}

bool LineLog::openFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "a");
    if (!file) return false;
    std::lock_guard lock(mutex_);
    if (file_) std::fclose(file_);
    file_ = file;
    return true;
}

void LineLog::append(ReceivedLine line) {
    {
        std::lock_guard lock(mutex_);
        if (file_) {
            std::fprintf(file_, "%lld %s\n", static_cast<long long>(line.timeUs),
                         line.text.c_str());
            std::fflush(file_);
        }
        lines_.push_back(std::move(line));
        if (lines_.size() > kMaxKept) {
            lines_.pop_front();
            ++first_;
        }
    }
    grown_.notify_all();
}

size_t LineLog::count() const {
    std::lock_guard lock(mutex_);
    return first_ + lines_.size();
}

std::vector<ReceivedLine> LineLog::sinceLocked(size_t from) const {
    std::vector<ReceivedLine> out;
    const size_t start = from > first_ ? from - first_ : 0;
    for (size_t i = start; i < lines_.size(); ++i) out.push_back(lines_[i]);
    return out;
}

std::vector<ReceivedLine> LineLog::since(size_t from) const {
    std::lock_guard lock(mutex_);
    return sinceLocked(from);
}

std::vector<std::string> LineLog::textsSince(size_t from) const {
    std::vector<std::string> out;
    for (auto& line : since(from)) out.push_back(std::move(line.text));
    return out;
}

std::optional<ReceivedLine> LineLog::waitFor(std::string_view text, size_t from, int timeoutMs,
                                             size_t* number) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::unique_lock lock(mutex_);
    size_t next = from;
    for (;;) {
        const size_t total = first_ + lines_.size();
        for (size_t n = std::max(next, first_); n < total; ++n) {
            const ReceivedLine& line = lines_[n - first_];
            if (line.text == text) {
                if (number) *number = n;
                return line;
            }
        }
        next = total;
        if (grown_.wait_until(lock, deadline) == std::cv_status::timeout &&
            first_ + lines_.size() == next) {
            return std::nullopt;
        }
    }
}

bool LineLog::waitForCount(size_t total, int timeoutMs) const {
    std::unique_lock lock(mutex_);
    return grown_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [&] { return first_ + lines_.size() >= total; });
}

bool LineLog::waitUntil(size_t from, int timeoutMs,
                        const std::function<bool(const std::vector<ReceivedLine>&)>& done) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::unique_lock lock(mutex_);
    for (;;) {
        if (done(sinceLocked(from))) return true;
        const size_t seen = first_ + lines_.size();
        grown_.wait_until(lock, deadline, [&] { return first_ + lines_.size() != seen; });
        if (first_ + lines_.size() == seen) return done(sinceLocked(from));
    }
}

}  // namespace rxemu
