#include "tools/rx-emulator/receiver_model.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "tools/rx-emulator/reply_frames.h"

namespace rxemu {
namespace {

// Digits of `text` in `base`, all of them valid, at most `maxDigits`.
std::optional<uint32_t> number(std::string_view text, int base, size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) return std::nullopt;
    uint32_t value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
    }
    return value;
}

std::string line(const std::string& frame) {
    return frame + "\n";
}

}  // namespace

ReceiverModel::ReceiverModel(ReceiverConfig config) : config_(config) {}

ReceiverModel::Response ReceiverModel::handleLine(std::string_view text) {
    if (!on_) {
        // Switched off, the receiver only listens for the power command and its query.
        if (text == "H101") {
            on_ = true;
            reporting_ = false;
            return {line("H101"), 0, false};
        }
        if (text == "H1?") return {line("H100"), 0, false};
        return {};
    }
    return handleOn(text);
}

ReceiverModel::Response ReceiverModel::handleOn(std::string_view text) {
    Response r;
    if (text == "H101" || text == "H1?") {
        r.bytes = line("H101");
    } else if (text == "H100") {
        powerOff();
        r.bytes = line("H100");
        r.newSpeed = kStartSpeed;
    } else if (text == "G105") {
        speed_ = kFastSpeed;
        r.newSpeed = kFastSpeed;
    } else if (text == "G2?") {
        r.bytes = line(statusFrame('G', '2', config_.verSCI));
    } else if (text == "G4?") {
        r.bytes = line(statusFrame('G', '4', config_.verCPU));
    } else if (text == "GE?") {
        r.bytes = line(statusFrame('G', 'E', config_.matrixVersion));
    } else if (text == "GD?") {
        r.bytes = line(statusFrame('G', 'D', config_.unitOption));
    } else if (text == "G301" || text == "G300") {
        reporting_ = text == "G301";
        r.bytes = line(statusFrame('G', '0', 0));
    } else if (text.substr(0, 2) == "H8") {
        if (const auto code = number(text.substr(2), 16, 8)) {
            scanning_ = (*code & 0x7F) != 0;
            r.bytes = line(statusFrame('H', '9', scanning_ ? 2 : 0));
        }
    } else if (text.substr(0, 2) == "ME") {
        r.sweepNow = parseScopeLine(text) && scope_.mode != 0;
    } else if (text.substr(0, 2) == "K0") {
        parseFrequencyLine(text);
    }
    return r;
}

void ReceiverModel::powerOff() {
    on_ = false;
    reporting_ = false;
    scanning_ = false;
    scope_.mode = 0;
    speed_ = kStartSpeed;
}

bool ReceiverModel::parseFrequencyLine(std::string_view text) {
    // K0, the frequency in ten digits, then mode, filter and a zero in two digits each.
    if (text.size() != 18) return false;
    const auto hz = number(text.substr(2, 10), 10, 10);
    const auto mode = number(text.substr(12, 2), 10, 2);
    const auto filter = number(text.substr(14, 2), 10, 2);
    if (!hz || !mode || !filter || *hz > 2000000000u) return false;
    frequency_ = static_cast<int32_t>(*hz);
    mode_ = static_cast<int>(*mode);
    filter_ = static_cast<int>(*filter);
    return true;
}

bool ReceiverModel::parseScopeLine(std::string_view text) {
    // ME00001, span, speed and mode in two hexadecimal digits each, the step in eight digits.
    if (text.size() != 21 || text.substr(0, 7) != "ME00001") return false;
    const auto span = number(text.substr(7, 2), 16, 2);
    const auto speed = number(text.substr(9, 2), 16, 2);
    const auto mode = number(text.substr(11, 2), 16, 2);
    const auto step = number(text.substr(13, 8), 10, 8);
    if (!span || !speed || !mode || !step) return false;
    scope_ = {static_cast<int>(*span), static_cast<int>(*speed), static_cast<int>(*mode),
              static_cast<int32_t>(*step)};
    return true;
}

int ReceiverModel::smeter() const {
    if (!signalModel_) return smeter_;
    if (frequency_ <= 0) return 0;
    const int32_t offset = frequency_ % 100000;
    const int32_t distance = std::min(offset, 100000 - offset);
    if (distance <= 5000) return 230 - distance / 50;
    return 12 + (frequency_ / 1000) % 8;
}

std::string ReceiverModel::statusReport() const {
    const int meter = smeter();
    int bits = statusBits_;
    if (signalModel_) bits = (bits & ~0x03) | (meter >= 128 ? 0x03 : 0);  // busy, AF open
    return line(statusFrame('I', '0', bits)) + line(statusFrame('I', '1', meter)) +
           line(statusFrame('I', '2', cmeter_));
}

void ReceiverModel::setScopeLevels(const std::array<uint8_t, kScopePoints>& levels) {
    levels_ = levels;
    levelsGiven_ = true;
}

std::string ReceiverModel::sweep() const {
    // A sweep reports the points around the tuned frequency, which sits at index 128 of the
    // buffer, half the span on each side.
    constexpr int kCentre = kScopePoints / 2;
    std::array<uint8_t, kScopePoints + 16> levels{};
    if (levelsGiven_) {
        std::copy(levels_.begin(), levels_.end(), levels.begin());
    } else {
        // A noise floor with one carrier at the tuned frequency.
        for (int i = 0; i < kScopePoints; ++i) {
            const int fromCentre = std::abs(i - kCentre);
            const int floor = 0x18 + (i * 29) % 23;
            levels[i] = static_cast<uint8_t>(fromCentre <= 2 ? 0xC0 - 0x20 * fromCentre : floor);
        }
    }
    const int half = std::min(scope_.span / 2, kCentre);
    const int first = (kCentre - half) / 16 * 16;
    const int last = std::min(kCentre + half, kScopePoints - 1);
    std::string out;
    for (int start = first; start <= last; start += 16) {
        out += line(scopeFrame(start, levels.data() + start));
    }
    return out;
}

}  // namespace rxemu
