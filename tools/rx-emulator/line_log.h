// Every command line the receiver has received, in order, each with the monotonic time in µs
// at which its line feed was read. Lines are numbered from 0 for the life of the log, so a
// caller can take a mark and later ask for what came after it. An optional file gets each
// line as "<µs> <text>".
// Thread contract: every operation may be called from any thread; waits block only the caller.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rxemu {

struct ReceivedLine {
    int64_t timeUs = 0;
    std::string text;  // without the line feed
};

class LineLog {
  public:
    // The oldest lines are forgotten beyond this many.
    static constexpr size_t kMaxKept = 100000;

    LineLog() = default;
    ~LineLog();
    LineLog(const LineLog&) = delete;
    LineLog& operator=(const LineLog&) = delete;

    // Also writes every line to `path` (appending); false when it cannot be opened.
    bool openFile(const std::string& path);

    void append(ReceivedLine line);

    // Number of lines received so far; use it as a mark.
    size_t count() const;
    // The lines numbered `from` onwards that are still kept.
    std::vector<ReceivedLine> since(size_t from) const;
    std::vector<std::string> textsSince(size_t from) const;

    // Waits until a line numbered `from` or later equals `text`; gives it and its number.
    std::optional<ReceivedLine> waitFor(std::string_view text, size_t from, int timeoutMs,
                                        size_t* number = nullptr) const;
    // Waits until at least `total` lines have been received.
    bool waitForCount(size_t total, int timeoutMs) const;
    // Waits until `done` holds for the lines numbered `from` onwards.
    bool waitUntil(size_t from, int timeoutMs,
                   const std::function<bool(const std::vector<ReceivedLine>&)>& done) const;

  private:
    std::vector<ReceivedLine> sinceLocked(size_t from) const;

    mutable std::mutex mutex_;
    mutable std::condition_variable grown_;
    std::deque<ReceivedLine> lines_;
    size_t first_ = 0;  // number of the oldest kept line
    std::FILE* file_ = nullptr;
};

}  // namespace rxemu
