// Control lines as an operator types them: what each one means, why a bad one is refused, and
// what a run of them does to the emulator.
#include "tools/rx-emulator/control_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/rx-emulator/rx_emulator.h"

namespace {

using rxemu::ControlCommand;
using Kind = rxemu::ControlCommand::Kind;

TEST(ControlLine, CommandsAreRead) {
    const struct {
        const char* line;
        Kind kind;
        int value;
        const char* keys;
    } cases[] = {
        {"silent", Kind::Silent, 0, ""},
        {"speak", Kind::Speak, 0, ""},
        {"hold", Kind::Hold, 0, ""},
        {" release\r", Kind::Release, 0, ""},
        {"  noise   on ", Kind::NoiseOn, 0, ""},
        {"noise\toff\r", Kind::NoiseOff, 0, ""},
        {"smeter 0", Kind::Smeter, 0, ""},
        {"smeter 255", Kind::Smeter, 255, ""},
        {"smeter 0xC8", Kind::Smeter, 200, ""},
        {"smeter auto", Kind::SmeterFollows, 0, ""},
        {"dtmf 0123456789ABCD*#", Kind::Dtmf, 0, "0123456789ABCD*#"},
        {"quit", Kind::Quit, 0, ""},
    };
    for (const auto& c : cases) {
        const rxemu::ParsedControl parsed = rxemu::parseControlLine(c.line);
        ASSERT_TRUE(parsed.command) << c.line << ": " << parsed.error;
        EXPECT_EQ(parsed.command->kind, c.kind) << c.line;
        EXPECT_EQ(parsed.command->value, c.value) << c.line;
        EXPECT_EQ(parsed.command->keys, c.keys) << c.line;
    }
}

TEST(ControlLine, BadLinesAreRefusedWithTheReasonAndBlankOnesSilently) {
    const struct {
        const char* line;
        const char* errorHas;
    } cases[] = {
        {"shout", "unknown command shout"},
        {"SILENT", "unknown command"},
        {"silent now", "silent takes nothing"},
        {"quit 1", "quit takes nothing"},
        {"hold on", "hold takes nothing"},
        {"release 1", "release takes nothing"},
        {"noise", "noise needs on or off"},
        {"noise maybe", "noise needs on or off"},
        {"smeter", "smeter needs"},
        {"smeter 256", "not 256"},
        {"smeter -1", "not -1"},
        {"smeter 12abc", "not 12abc"},
        {"smeter 1 2", "smeter needs"},
        {"dtmf", "dtmf needs"},
        {"dtmf 12 34", "dtmf needs"},
        {"dtmf 12a", "'a' is no DTMF key"},
    };
    for (const auto& c : cases) {
        const rxemu::ParsedControl parsed = rxemu::parseControlLine(c.line);
        EXPECT_FALSE(parsed.command) << c.line;
        EXPECT_NE(parsed.error.find(c.errorHas), std::string::npos)
            << c.line << ": " << parsed.error;
    }
    for (const char* blank : {"", "   ", "\t\r"}) {
        const rxemu::ParsedControl parsed = rxemu::parseControlLine(blank);
        EXPECT_FALSE(parsed.command);
        EXPECT_EQ(parsed.error, "");
    }
}

TEST(ControlLine, ByteValues) {
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {{"0", 0},
                 {"255", 255},
                 {"0x10", 16},
                 {"0XfF", 255},
                 {"256", {}},
                 {"0x100", {}},
                 {"-0", {}},
                 {"+5", {}},
                 {" 5", {}},
                 {"5 ", {}},
                 {"", {}},
                 {"x", {}},
                 {"99999999999999999999", {}}};
    for (const auto& c : cases) EXPECT_EQ(rxemu::parseByteValue(c.text), c.value) << c.text;
}

// A control input on an emulator, with what it confirmed and refused.
class Controlled : public ::testing::Test {
  protected:
    Controlled() : emulator_(options()) { emulator_.setSmeter(77); }
    static rxemu::EmulatorOptions options() {
        rxemu::EmulatorOptions o;
        o.signalModel = true;
        return o;
    }

    rxemu::RxEmulator emulator_;
    std::vector<std::string> done_, errors_;
    rxemu::ControlInput input_{emulator_, [this](const std::string& s) { done_.push_back(s); },
                               [this](const std::string& s) { errors_.push_back(s); }};
};

TEST_F(Controlled, LinesInPiecesChangeTheEmulatorInOrder) {
    EXPECT_EQ(emulator_.reportedSmeter(), 0);  // follows the frequency, none tuned
    input_.feed("sil");
    EXPECT_FALSE(emulator_.silent());
    input_.feed("ent\r\nnoise on\nsmeter 2");
    EXPECT_TRUE(emulator_.silent());
    EXPECT_TRUE(emulator_.noise());
    EXPECT_EQ(emulator_.reportedSmeter(), 0);  // the value is not complete yet
    input_.feed("00\n");
    EXPECT_EQ(emulator_.reportedSmeter(), 200);
    input_.feed("dtmf 12#\nspeak\nnoise off\n");
    EXPECT_FALSE(emulator_.silent());
    EXPECT_FALSE(emulator_.noise());
    EXPECT_EQ(emulator_.dtmfKeysWaiting(), 3u);
    input_.feed("smeter auto\nhold\n");
    EXPECT_EQ(emulator_.reportedSmeter(), 0);
    EXPECT_TRUE(emulator_.holding());
    input_.feed("release\n");
    EXPECT_FALSE(emulator_.holding());
    EXPECT_TRUE(errors_.empty());
    EXPECT_EQ(done_.size(), 9u);
    EXPECT_FALSE(input_.quitRequested());
}

TEST_F(Controlled, RefusedLinesChangeNothingAndTheNextLinesStillRun) {
    input_.feed("smeter 300\ndtmf 1x\nbogus\n\n" + std::string(5000, 'a') + "\nsilent\n");
    EXPECT_EQ(errors_.size(), 4u);
    EXPECT_NE(errors_.at(3).find("longer than"), std::string::npos) << errors_.at(3);
    EXPECT_EQ(emulator_.reportedSmeter(), 0);
    EXPECT_EQ(emulator_.dtmfKeysWaiting(), 0u);
    EXPECT_TRUE(emulator_.silent());
    EXPECT_EQ(done_, std::vector<std::string>{"silent"});
}

TEST_F(Controlled, QuitEndsTheInputAndALastLineWithoutLineFeedStillCounts) {
    input_.feed("noise on");
    EXPECT_FALSE(emulator_.noise());
    input_.finish();
    EXPECT_TRUE(emulator_.noise());
    input_.feed("quit\nsilent\n");
    EXPECT_TRUE(input_.quitRequested());
    EXPECT_FALSE(emulator_.silent());  // nothing after quit runs
}

}  // namespace
