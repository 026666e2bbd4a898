#include "tools/rx-emulator/control_commands.h"

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "tools/rx-emulator/dtmf_sequence.h"
#include "tools/rx-emulator/rx_emulator.h"

namespace rxemu {
namespace {

// Longest control line taken; a longer one is refused as a whole.
constexpr size_t kMaxControlLine = 1024;

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

ParsedControl command(ControlCommand::Kind kind, int value = 0, std::string keys = {}) {
    return {ControlCommand{kind, value, std::move(keys)}, {}};
}

ParsedControl refused(std::string why) {
    return {std::nullopt, std::move(why)};
}

}  // namespace

const char* const kControlHelp =
    "Control commands, one a line:\n"
    "  silent        answer and report nothing, as a dead receiver (lines are still logged;\n"
    "                DTMF keys that fall due meanwhile are lost)\n"
    "  speak         answer and report again\n"
    "  hold          stop reading the line, as a receiver that has stopped: what the program\n"
    "                sends waits until the line is full, and then its writes wait too\n"
    "  release       read the line again, everything that waited first\n"
    "  noise on|off  send line noise between the replies, or stop it\n"
    "  smeter N      report the S-meter as N (0..255, decimal or 0x hexadecimal)\n"
    "  smeter auto   let the S-meter follow the tuned frequency again\n"
    "  dtmf KEYS     report KEYS (from 0-9 A-D * #) one by one, 200 ms apart\n"
    "  quit          end the emulator\n";

std::optional<int> parseByteValue(std::string_view text) {
    const std::string copy(text);  // strtol needs the end of the text
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(copy.c_str(), &end, 0);
    if (copy.empty() || copy.front() < '0' || copy.front() > '9' || errno != 0 ||
        end != copy.c_str() + copy.size() || value > 255) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

ParsedControl parseControlLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::vector<std::string_view> w = words(line);
    if (w.empty()) return {};
    const std::string_view verb = w[0];
    const auto arguments = [&](size_t count) { return w.size() == count + 1; };
    using Kind = ControlCommand::Kind;

    if (verb == "silent" || verb == "speak" || verb == "hold" || verb == "release" ||
        verb == "quit") {
        if (!arguments(0)) return refused(std::string(verb) + " takes nothing after it");
        return command(verb == "silent"    ? Kind::Silent
                       : verb == "speak"   ? Kind::Speak
                       : verb == "hold"    ? Kind::Hold
                       : verb == "release" ? Kind::Release
                                           : Kind::Quit);
    }
    if (verb == "noise") {
        if (arguments(1) && w[1] == "on") return command(Kind::NoiseOn);
        if (arguments(1) && w[1] == "off") return command(Kind::NoiseOff);
        return refused("noise needs on or off");
    }
    if (verb == "smeter") {
        if (!arguments(1)) return refused("smeter needs a value 0..255 or auto");
        if (w[1] == "auto") return command(Kind::SmeterFollows);
        const std::optional<int> value = parseByteValue(w[1]);
        if (!value) return refused("smeter needs a value 0..255 or auto, not " + std::string(w[1]));
        return command(Kind::Smeter, *value);
    }
    if (verb == "dtmf") {
        if (!arguments(1)) return refused("dtmf needs one word of keys from 0-9 A-D * #");
        for (char key : w[1]) {
            if (!dtmfCode(key)) {
                return refused("dtmf: '" + std::string(1, key) +
                               "' is no DTMF key (use 0-9 A-D * #)");
            }
        }
        return command(Kind::Dtmf, 0, std::string(w[1]));
    }
    return refused("unknown command " + std::string(verb) +
                   " (silent, speak, hold, release, noise on|off, smeter N|auto, dtmf KEYS, quit)");
}

ControlInput::ControlInput(RxEmulator& emulator, Sink done, Sink errors)
    : emulator_(emulator), done_(std::move(done)), errors_(std::move(errors)) {}

void ControlInput::feed(std::string_view bytes) {
    for (char c : bytes) {
        if (quit_) return;
        if (c == '\n') {
            if (overlong_) {
                errors_("a control line longer than " + std::to_string(kMaxControlLine) +
                        " characters was ignored");
            } else {
                runLine(partial_);
            }
            partial_.clear();
            overlong_ = false;
        } else if (partial_.size() < kMaxControlLine) {
            partial_.push_back(c);
        } else {
            overlong_ = true;
        }
    }
}

void ControlInput::finish() {
    if (!partial_.empty() || overlong_) feed("\n");
}

void ControlInput::runLine(std::string_view line) {
    const ParsedControl parsed = parseControlLine(line);
    if (parsed.command) {
        apply(*parsed.command);
    } else if (!parsed.error.empty()) {
        errors_(parsed.error + "; ignored");
    }
}

void ControlInput::apply(const ControlCommand& command) {
    using Kind = ControlCommand::Kind;
    switch (command.kind) {
        case Kind::Silent:
            emulator_.setSilent(true);
            done_("silent");
            break;
        case Kind::Speak:
            emulator_.setSilent(false);
            done_("speaking");
            break;
        case Kind::Hold:
            emulator_.setHolding(true);
            done_("holding the line");
            break;
        case Kind::Release:
            emulator_.setHolding(false);
            done_("reading the line");
            break;
        case Kind::NoiseOn:
            emulator_.setNoise(true);
            done_("noise on");
            break;
        case Kind::NoiseOff:
            emulator_.setNoise(false);
            done_("noise off");
            break;
        case Kind::Smeter:
            emulator_.setSmeter(command.value);
            emulator_.setSignalModel(false);
            done_("S-meter fixed at " + std::to_string(command.value));
            break;
        case Kind::SmeterFollows:
            emulator_.setSignalModel(true);
            done_("S-meter follows the frequency");
            break;
        case Kind::Dtmf:
            emulator_.sendDtmfKeys(command.keys);
            done_("DTMF " + command.keys + " queued");
            break;
        case Kind::Quit:
            quit_ = true;
            done_("quitting");
            break;
    }
}

}  // namespace rxemu
