#include "tools/rx-emulator/noise_source.h"

namespace rxemu {
namespace {

constexpr char kStartLetters[] = "GHIJKLMNO";
constexpr char kDigits[] = "0123456789ABCDEF";
constexpr char kOthers[] = "abcdefPQZ\r\n ?";

}  // namespace

uint8_t NoiseSource::pick() {
    if (abandonNext_) {
        abandonNext_ = false;
        return '\n';
    }
    if (digitRun_ > 0) {
        --digitRun_;
        return static_cast<uint8_t>(kDigits[random_() % 16]);
    }
    const uint32_t kind = random_() % 100;
    if (kind < 25) return static_cast<uint8_t>(kStartLetters[random_() % 9]);
    if (kind < 65) return static_cast<uint8_t>(kDigits[random_() % 16]);
    if (kind < 80) return static_cast<uint8_t>(kOthers[random_() % (sizeof kOthers - 1)]);
    if (kind < 82) {
        // An abandoned frame whose digits run on past any frame buffer: the far end keeps
        // counting them until its overflow rule drops them.
        abandonNext_ = true;
        digitRun_ = 256 + static_cast<int>(random_() % 64);
        return static_cast<uint8_t>(kStartLetters[random_() % 9]);
    }
    return static_cast<uint8_t>(random_() & 0xFF);
}

std::string NoiseSource::burst(FrameTracker& tracker, size_t count) {
    std::string out;
    out.reserve(count);
    while (out.size() < count) {
        uint8_t byte = pick();
        // The one digit that would finish a frame becomes a lower-case letter, which abandons it.
        if (tracker.wouldComplete(byte)) byte = 'a';
        tracker.observe(byte);
        out.push_back(static_cast<char>(byte));
    }
    return out;
}

}  // namespace rxemu
