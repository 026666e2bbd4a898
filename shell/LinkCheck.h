// The heartbeat's watch on the link: at most once per whole second of the time of day, and
// only on a change of the error value, it asks for the link-failure prompt. Edge-triggered: a
// failure prompts once; it must clear (link back or receiver off) before it prompts again.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace corvell::shell {

class LinkCheck {
  public:
    // The whole second of the time of day (seconds since midnight, rounded); injectable.
    using SecondSource = std::function<int32_t()>;

    explicit LinkCheck(SecondSource now = {});

    // The error value of one check: the receiver's error flag while it is on, else 0. Returns
    // true when the prompt is to be shown now.
    bool check(int32_t power, int32_t error);

    int32_t lastSecond() const { return lastSecond_; }
    int32_t lastError() const { return lastError_; }

    // Seconds since local midnight, rounded to the nearest whole second.
    static int32_t secondOfDay();

    // The line logged with the prompt: the port, its device and why the link counts as failed
    // (answered = the receiver replied at least once since it was switched on).
    static std::string failureReason(int32_t comPort, bool answered);

  private:
    SecondSource now_;
    int32_t lastSecond_ = 0;
    int32_t lastError_ = 0;
};

}  // namespace corvell::shell
