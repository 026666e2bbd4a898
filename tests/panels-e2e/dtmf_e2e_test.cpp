// The whole DTMF chain: the emulator program is told on its control input to key "123#"; the
// real link library hears the receiver's reports on a pseudo-terminal; the DTMF panel, ticked as
// the heartbeat ticks it, decodes them and, with remote actions on, starts the configured script
// exactly once.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

#include "core/ProgramObjects.h"
#include "core/clsDtmfOption.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "panels/dtmf/frmDTMF.h"
#include "tests/support/ManualHoldEnvironment.h"
#include "tests/support/receiver_lifecycle.h"
#include "tests/support/recording_sound_player.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"

extern char** environ;

namespace corvell::test {
namespace {

namespace fs = std::filesystem;

// The emulator program with its control input on a pipe and its device linked into `dir`.
class EmulatorProgram {
  public:
    explicit EmulatorProgram(const std::string& dir) : device_(dir + "/rx") {
        int in[2], out[2];
        if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        std::vector<std::string> args = {CORVELL_RX_EMULATOR_PATH, "--link", device_};
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
        control_ = in[1];
        output_ = out[0];
    }
    ~EmulatorProgram() {
        if (control_ >= 0) {
            say("quit");
            ::close(control_);
        }
        if (pid_ > 0 && !waitExit(5000)) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (output_ >= 0) ::close(output_);
    }

    const std::string& device() const { return device_; }

    // Waits for the program's confirmation line that starts with `start`.
    bool confirmed(const std::string& start) {
        const std::string wanted = "corvell-rx-emulator: " + start;
        pollfd p{output_, POLLIN, 0};
        while (true) {
            const auto nl = seen_.find('\n');
            if (nl != std::string::npos) {
                const std::string line = seen_.substr(0, nl);
                seen_.erase(0, nl + 1);
                if (line.rfind(wanted, 0) == 0) return true;
                continue;
            }
            if (::poll(&p, 1, 5000) <= 0) return false;
            char buffer[256];
            const ssize_t n = ::read(output_, buffer, sizeof buffer);
            if (n <= 0) return false;
            seen_.append(buffer, static_cast<std::size_t>(n));
        }
    }
    bool say(const std::string& line) {
        const std::string bytes = line + "\n";
        return ::write(control_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

  private:
    bool waitExit(int ms) {
        for (int waited = 0; waited < ms; waited += 10) {
            if (::waitpid(pid_, nullptr, WNOHANG) == pid_) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    std::string device_;
    pid_t pid_ = -1;
    int control_ = -1;
    int output_ = -1;
    std::string seen_;
};

int linesIn(const std::string& path) {
    std::ifstream in(path);
    int n = 0;
    for (std::string line; std::getline(in, line);) ++n;
    return n;
}

class DtmfE2e : public ::testing::Test {
  protected:
    DtmfE2e() : emulator(home.dir()) {
        ResetProgramObjects();
        ResetProgramMemory();
        ::setenv("QUILLON_COM1", emulator.device().c_str(), 1);
    }
    ~DtmfE2e() override {
        dtmf.reset();
        if (rx) rx->Unload();
        SetProgramReceiver(nullptr);
        rx.reset();
        ResetProgramMemory();
        ResetProgramObjects();
    }

    // Heartbeat ticks (50 ms apart, as the main window runs them) until `done` or ten seconds.
    bool tickUntil(const std::function<bool()>& done, int limitMs = 10000) {
        for (int t = 0; t < limitMs; t += 50) {
            dtmf->Task_exec();
            QCoreApplication::processEvents();
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    TempHome home;
    platform::ScriptedPresenter presenter;
    EmulatorProgram emulator;
    std::unique_ptr<frmTesselbase> rx;
    ManualHoldEnvironment hold;
    RecordingSoundPlayer sound;
    std::unique_ptr<panels::frmDTMF> dtmf;
};

TEST_F(DtmfE2e, TheEmulatorKeys123HashAndTheConfiguredScriptRunsOnce) {
    ASSERT_TRUE(emulator.confirmed("receiver on"));
    const std::string marker = home.path("ran.txt");
    const std::string script = home.path("gate opener.sh");
    std::ofstream(script) << "#!/bin/sh\necho \"$#\" >> '" << marker << "'\n";
    fs::permissions(script, fs::perms::owner_all);
    home.write("Corvell.ini",
               "[DTMF]\r\nDTMFON=1\r\nREMOTEON=1\r\nREMOTE2=\"123#,1,gate opener.sh\"\r\n");
    platform::clearProfileCache();

    loadReceiver(rx);
    rx->setComPortNum(1);
    rx->PowerOn();
    dtmf = std::make_unique<panels::frmDTMF>(
        panels::frmDTMF::Neighbours{*rx, {}, {}, &sound, home.dir()}, nullptr, &hold);
    dtmf->Load();
    dtmf->show();
    ASSERT_TRUE(tickUntil([&] { return rx->LinkStat() == kLinkStatLinked; }));
    ASSERT_TRUE(rx->DtmfOption().RemoteOn());

    ASSERT_TRUE(emulator.say("dtmf 123#"));
    ASSERT_TRUE(emulator.confirmed("DTMF 123# queued"));
    ASSERT_TRUE(tickUntil([&] { return fs::exists(marker); }));
    EXPECT_EQ(dtmf->decoder().ReceivedCode(), "123#");
    // A second and more of heartbeats: the string stays matched, and nothing runs again.
    tickUntil([] { return false; }, 1500);
    EXPECT_EQ(linesIn(marker), 1);
    EXPECT_EQ(std::ifstream(marker).get(), '0');  // started with no arguments
    EXPECT_TRUE(presenter.shown().empty());
}

}  // namespace
}  // namespace corvell::test
