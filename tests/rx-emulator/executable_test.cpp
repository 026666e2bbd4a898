// The emulator program driven as an operator drives it: commands on its standard input or
// through a FIFO, while a program talks to the receiver on its device.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/rx-emulator/wire_reader.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// The emulator program in a private folder, its standard input, output and error on pipes
// (or its input from /dev/null), its device linked as <folder>/dev and its lines logged.
class EmulatorProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/corvell-rxemu-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        if (device_ >= 0) ::close(device_);
        for (int fd : {input_, output_, errors_}) {
            if (fd >= 0) ::close(fd);
        }
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        fs::remove_all(dir_);
    }

    void start(std::vector<std::string> extra, bool inputPipe = true) {
        int in[2], out[2], err[2];
        ASSERT_EQ(::pipe2(in, O_CLOEXEC), 0);
        ASSERT_EQ(::pipe2(out, O_CLOEXEC), 0);
        ASSERT_EQ(::pipe2(err, O_CLOEXEC), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (inputPipe) {
            posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        } else {
            posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        }
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        std::vector<std::string> args = {CORVELL_RX_EMULATOR_PATH, "--link", device(), "--log",
                                         log()};
        args.insert(args.end(), extra.begin(), extra.end());
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        const int r = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
        ::close(err[1]);
        input_ = in[1];
        output_ = out[0];
        errors_ = err[0];
        ::fcntl(output_, F_SETFL, O_NONBLOCK);
        ::fcntl(errors_, F_SETFL, O_NONBLOCK);
        ASSERT_EQ(r, 0);
        stdout_ = std::make_unique<rxtest::LineReader>(output_);
        stderr_ = std::make_unique<rxtest::LineReader>(errors_);
        ASSERT_TRUE(stdout_->readUntil([](const auto& lines) { return !lines.empty(); }));
        ASSERT_NE(stdout_->lines()[0].find("receiver on"), std::string::npos);
        device_ = rxtest::openRaw(device());
        ASSERT_GE(device_, 0);
        wire_ = std::make_unique<rxtest::LineReader>(device_);
    }

    std::string device() const { return (dir_ / "dev").string(); }
    std::string log() const { return (dir_ / "log").string(); }

    // Types a command and waits for its confirmation.
    void command(const std::string& line, const std::string& confirmation) {
        const size_t from = stdout_->lines().size();
        ASSERT_TRUE(rxtest::writeAll(input_, line + "\n"));
        ASSERT_TRUE(stdout_->readUntilLine("corvell-rx-emulator: " + confirmation, from)) << line;
    }
    void send(const std::string& line) { ASSERT_TRUE(rxtest::writeAll(device_, line + "\n")); }

    // Whether the log shows `text` as a received line.
    bool logged(const std::string& text) const {
        std::ifstream in(log());
        for (std::string line; std::getline(in, line);) {
            if (line.substr(line.find(' ') + 1) == text) return true;
        }
        return false;
    }
    bool waitLogged(const std::string& text) {
        return wire_->readUntil([&](const auto&) { return logged(text); });
    }

    // The program's exit code once it has ended, -1 when it did not end normally in time.
    int exitCode() {
        int status = 0;
        const bool ended = stdout_->readUntil(
            [&](const auto&) { return ::waitpid(pid_, &status, WNOHANG) == pid_; });
        if (!ended) return -1;
        exited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path dir_;
    pid_t pid_ = -1;
    bool exited_ = false;
    int input_ = -1, output_ = -1, errors_ = -1, device_ = -1;
    std::unique_ptr<rxtest::LineReader> stdout_, stderr_, wire_;
};

TEST_F(EmulatorProgram, CommandsOnTheStandardInputSilenceRestoreAndDriveTheReceiver) {
    ASSERT_NO_FATAL_FAILURE(start({}));
    send("H101");
    send("G301");
    ASSERT_TRUE(wire_->readUntilLine("H101"));
    ASSERT_TRUE(wire_->readUntil([&](const auto&) { return !wire_->starting("I0").empty(); }));

    ASSERT_NO_FATAL_FAILURE(command("dtmf 12", "DTMF 12 queued"));
    ASSERT_TRUE(wire_->readUntil([&](const auto&) { return wire_->starting("I3").size() >= 2; }));
    EXPECT_EQ(wire_->starting("I3"), (std::vector<std::string>{"I311", "I312"}));

    // A dead receiver: the query is heard and logged but not answered. The line after it is
    // logged only once the query has been dealt with in full.
    ASSERT_NO_FATAL_FAILURE(command("silent", "silent"));
    wire_->takeWhatIsThere();
    size_t from = wire_->lines().size();
    send("H1?");
    send("G2?");
    ASSERT_TRUE(waitLogged("G2?"));
    wire_->takeWhatIsThere();
    EXPECT_EQ(wire_->indexOf("H101", from), wire_->lines().size());

    ASSERT_NO_FATAL_FAILURE(command("speak", "speaking"));
    from = wire_->lines().size();
    send("H1?");
    EXPECT_TRUE(wire_->readUntilLine("H101", from));

    ASSERT_NO_FATAL_FAILURE(command("smeter 200", "S-meter fixed at 200"));
    from = wire_->lines().size();
    EXPECT_TRUE(wire_->readUntilLine("I1C8", from));
    ASSERT_NO_FATAL_FAILURE(command("smeter auto", "S-meter follows the frequency"));
    send("K00145100000050200");  // a station sits on every whole 100 kHz
    from = wire_->lines().size();
    EXPECT_TRUE(wire_->readUntilLine("I1E6", from));

    ASSERT_TRUE(rxtest::writeAll(input_, "smeter 300\nshout\n"));
    ASSERT_TRUE(stderr_->readUntil([](const auto& lines) { return lines.size() >= 2; }));
    EXPECT_NE(stderr_->lines()[0].find("not 300"), std::string::npos) << stderr_->lines()[0];
    EXPECT_NE(stderr_->lines()[1].find("unknown command shout"), std::string::npos);

    ASSERT_NO_FATAL_FAILURE(command("quit", "quitting"));
    EXPECT_EQ(exitCode(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(device())));
}

TEST_F(EmulatorProgram, TheEndOfTheStandardInputDoesNotEndTheReceiver) {
    ASSERT_NO_FATAL_FAILURE(start({}));
    ::close(input_);
    input_ = -1;
    ASSERT_TRUE(
        stdout_->readUntilLine("corvell-rx-emulator: control input ended; quit with a "
                               "signal"));
    send("H101");
    EXPECT_TRUE(wire_->readUntilLine("H101"));
    EXPECT_EQ(::waitpid(pid_, nullptr, WNOHANG), 0);
    ::kill(pid_, SIGTERM);
    EXPECT_EQ(exitCode(), 0);
}

TEST_F(EmulatorProgram, AFifoTakesCommandsFromOneWriterAfterAnother) {
    const fs::path fifo = dir_ / "control";
    ASSERT_NO_FATAL_FAILURE(start({"--control", fifo.string()}, false));
    EXPECT_TRUE(fs::is_fifo(fifo));
    for (const char* line : {"dtmf 1\n", "dtmf *\n"}) {
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_CLOEXEC);
        ASSERT_GE(writer, 0);
        ASSERT_TRUE(rxtest::writeAll(writer, line));
        ::close(writer);
        ASSERT_TRUE(wire_->readUntil([&](const auto&) {
            return wire_->starting("I3").size() == (line[5] == '1' ? 1u : 2u);
        }));
    }
    EXPECT_EQ(wire_->starting("I3"), (std::vector<std::string>{"I311", "I31E"}));
    const int writer = ::open(fifo.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    ASSERT_TRUE(rxtest::writeAll(writer, "quit\n"));
    ::close(writer);
    EXPECT_EQ(exitCode(), 0);
    EXPECT_FALSE(fs::exists(fifo));  // made by the program, so removed by it
}

}  // namespace
