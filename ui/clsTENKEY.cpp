#include "ui/clsTENKEY.h"

#include <cmath>

#include "platform/leading_number.h"

namespace corvell::ui {
namespace {

constexpr int64_t kEntryLimit = 2'000'000'000;

std::string right(const std::string& s, size_t n) {
    return n >= s.size() ? s : s.substr(s.size() - n);
}
std::string left(const std::string& s, size_t n) {
    return s.substr(0, n);
}
// Characters from place `from` (1-based) on; empty past the end.
std::string mid(const std::string& s, size_t from) {
    return from > s.size() ? "" : s.substr(from - 1);
}
std::string mid(const std::string& s, size_t from, size_t n) {
    return from > s.size() ? "" : s.substr(from - 1, n);
}

}  // namespace

void clsTENKEY::setDigit(int16_t digit) {
    if (digit == 9 || digit == 10) digit_ = digit;
    active_ = false;
}

std::string clsTENKEY::buff() const {
    return left(buffer_, static_cast<size_t>(digit_));
}

std::string clsTENKEY::InputPos() const {
    return std::to_string(position_);
}

std::string clsTENKEY::Operation_k(int16_t character, int32_t frequencyHz) {
    int16_t key = kCE;
    if (character >= '0' && character <= '9') {
        key = static_cast<int16_t>(character - '0');
    } else if (character == '.') {
        key = kDP;
    } else if (character == 13) {
        key = active_ ? kENT : kFINP;
    }
    return Operation(key, frequencyHz);
}

std::string clsTENKEY::Operation_s(const std::string& name, int32_t frequencyHz) {
    int16_t key = kCE;
    if (name >= "0" && name <= "9") {
        key = static_cast<int16_t>(name[0] - '0');
    } else if (name == "DP") {
        key = kDP;
    } else if (name == "ENT") {
        key = kENT;
    } else if (name == "MCH") {
        key = kMCH;
    } else if (name == "FINP") {
        key = kFINP;
    }
    return Operation(key, frequencyHz);
}

std::string clsTENKEY::Operation(int16_t key, int32_t frequencyHz) {
    return active_ ? operateActive(key, frequencyHz) : operateIdle(key, frequencyHz);
}

void clsTENKEY::openWithMegahertz(int32_t frequencyHz) {
    const auto megahertz = static_cast<int64_t>(std::floor(frequencyHz / 1'000'000.0));
    buffer_ = right("   " + std::to_string(megahertz), 4) + std::string(digit_ - 4, ' ');
    position_ = 10;
    active_ = true;
}

std::string clsTENKEY::operateIdle(int16_t key, int32_t frequencyHz) {
    if (key >= 0 && key <= 9) {
        // A digit opens the entry itself, so it counts from the same place as after FINP.
        operateIdle(kFINP, frequencyHz);
        return operateActive(key, frequencyHz);
    } else if (key == kDP) {
        openWithMegahertz(frequencyHz);
    } else if (key == kCE || key == kENT) {
        return "CE";
    } else if (key == kFINP) {
        buffer_ = std::string(10, ' ');
        position_ = 0;
        active_ = true;
    }
    return "";
}

std::string clsTENKEY::operateActive(int16_t key, int32_t frequencyHz) {
    const auto places = static_cast<size_t>(digit_);
    if (key >= 0 && key <= 9) {
        const char d = static_cast<char>('0' + key);
        if (position_ < 10) {
            buffer_ = right(buffer_ + d, places);
            if (position_ < digit_ - 1) ++position_;
        } else {
            buffer_ = left(buffer_, 4) + right(mid(buffer_, 5) + d, places - 4);
            if (position_ < (digit_ == 10 ? 16 : 15)) ++position_;
        }
        return "";
    }
    switch (key) {
        case kDP:
            if (position_ == 0) {
                openWithMegahertz(frequencyHz);
            } else if (position_ <= 4) {
                buffer_ = right(buffer_, 4) + std::string(places - 4, ' ');
                position_ = 10;
            }
            return "";
        case kCE:
            active_ = false;
            return "CE";
        case kENT:
            return enter();
        case kMCH:
            active_ = false;
            return position_ == 10 ? "CE" : "MCH";
        default:  // FINP and unknown codes
            return "";
    }
}

std::string clsTENKEY::enter() {
    const auto places = static_cast<size_t>(digit_);
    if (position_ < 5) {
        buffer_ = left(right(buffer_, 4) + "000000", 10);
    } else if (position_ >= 10) {
        const auto start = static_cast<size_t>(digit_ - position_ + 7);
        buffer_ = left(buffer_, 4) + mid(mid(buffer_, 5) + "000000", start, places - 4);
    }
    active_ = false;
    return platform::LeadingNumber(buffer_) < kEntryLimit ? "ENT" : "";
}

}  // namespace corvell::ui
