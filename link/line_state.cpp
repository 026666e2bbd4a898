#include "link/line_state.h"

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/message_box.h"
#include "platform/tick_count.h"

namespace quillon {

uint32_t LineState::WatchPeriodFromEnvironment() {
    const char* text = std::getenv(kWatchPeriodVariable);
    if (text == nullptr || *text == '\0') return kDefaultWatchPeriodMs;
    char* end = nullptr;
    errno = 0;
    const unsigned long ms = std::strtoul(text, &end, 10);
    if (errno == 0 && *end == '\0' && *text >= '0' && *text <= '9' && ms >= 1 &&
        ms <= 0xFFFFFFFFul) {
        return static_cast<uint32_t>(ms);
    }
    platform::logLine("Quillon", std::string(kWatchPeriodVariable) + "=\"" + text +
                                     "\" is no period in ms; the link watch keeps " +
                                     std::to_string(kDefaultWatchPeriodMs));
    return kDefaultWatchPeriodMs;
}

void LineState::Opened(bool linesKnown, bool cts, bool dsr, uint32_t watchPeriodMs) {
    linesKnown_.set(linesKnown ? 1 : 0);
    cts_.set(linesKnown && cts ? 1 : 0);
    dsr_.set(linesKnown && dsr ? 1 : 0);
    periodMs_.set(watchPeriodMs);
    answered_.set(0);
}

void LineState::Answered() {
    lastAnswerTick_.set(platform::tickCount());
    if (answered_.get() == 0) answered_.set(1);
}

int32_t LineState::Cts() const {
    if (LinesKnown()) return cts_.get();
    if (answered_.get() == 0) return 0;
    // The reply's tick first (published by it), then the clock, so the clock is never behind
    // the reply: the age is the difference whatever the wrap, and one past half the tick
    // range is a silence of weeks, not a reply from the future.
    const uint32_t last = lastAnswerTick_.get();
    const uint32_t age = platform::tickCount() - last;
    return age <= periodMs_.get() ? 1 : 0;
}

}  // namespace quillon
