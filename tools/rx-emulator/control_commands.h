// The control input of a running emulator: command lines an operator or a test types to make
// the receiver fall silent or speak again, hold the line or read it again, send line noise, show a
// fixed S-meter or one that follows the tuned frequency, report DTMF keys, or end the emulator.
// Thread contract: parseControlLine is a pure function; a ControlInput is used by one thread
// at a time and reaches its emulator only through the emulator's thread-safe operations.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace rxemu {

class RxEmulator;

// The commands, one a line, words separated by blanks; the same text serves --help.
extern const char* const kControlHelp;

struct ControlCommand {
    enum class Kind {
        Silent,
        Speak,
        Hold,
        Release,
        NoiseOn,
        NoiseOff,
        Smeter,
        SmeterFollows,
        Dtmf,
        Quit
    };
    Kind kind = Kind::Quit;
    int value = 0;     // Smeter: 0..255
    std::string keys;  // Dtmf: the keys, each one of "0123456789ABCD*#"
};

struct ParsedControl {
    std::optional<ControlCommand> command;
    std::string error;  // why the line is no command; empty for a blank line
};

// One control line, without its line feed (a carriage return before it is allowed).
ParsedControl parseControlLine(std::string_view line);

// A byte value as written on a command line or in an option: decimal or 0x hexadecimal,
// 0..255, nothing else around it.
std::optional<int> parseByteValue(std::string_view text);

class ControlInput {
  public:
    using Sink = std::function<void(const std::string&)>;
    // `done` hears what each accepted command did, `errors` why a line was refused.
    ControlInput(RxEmulator& emulator, Sink done, Sink errors);

    // Takes the bytes as they arrive and runs every complete line, in order. Lines after a
    // quit are not run.
    void feed(std::string_view bytes);
    // The input has ended: a last line without a line feed is run too.
    void finish();
    bool quitRequested() const { return quit_; }

  private:
    void runLine(std::string_view line);
    void apply(const ControlCommand& command);

    RxEmulator& emulator_;
    Sink done_;
    Sink errors_;
    std::string partial_;
    bool overlong_ = false;  // the line being read is too long and is dropped
    bool quit_ = false;
};

}  // namespace rxemu
