// corvell-rx-emulator: a receiver on a pseudo-terminal, for running the program or the link
// demo without the real receiver. It prints the device path, optionally makes a symbolic link
// to it, takes control commands from its standard input or a FIFO, and runs until told to quit,
// interrupted or terminated.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "tools/rx-emulator/control_commands.h"
#include "tools/rx-emulator/rx_emulator.h"

namespace {

void usage(std::FILE* to) {
    std::fprintf(to,
                 "usage: corvell-rx-emulator [--link PATH] [--control PATH] [--sci N] [--cpu N]\n"
                 "                           [--matrix N] [--units N] [--smeter N] [--log FILE]\n"
                 "  --link PATH     make PATH a symbolic link to the receiver's device\n"
                 "  --control PATH  read control commands from the FIFO PATH (made when missing,\n"
                 "                  removed at the end if made here; any number of writers may\n"
                 "                  come and go) or once through the file PATH, instead of from\n"
                 "                  the standard input\n"
                 "  --sci N         interface version answered to G2? (default 0x10)\n"
                 "  --cpu N         CPU version answered to G4? (default 0x21)\n"
                 "  --matrix N      matrix version answered to GE? (default 0x01)\n"
                 "  --units N       option units answered to GD? (default 0x11: DSP, data)\n"
                 "  --smeter N      a fixed S-meter instead of one that follows the frequency\n"
                 "  --log FILE      append every received line with its time in microseconds\n"
                 "Numbers are decimal or 0x hexadecimal, 0..255.\n"
                 "The end of the control input does not end the emulator; quit, SIGINT, SIGTERM\n"
                 "or SIGHUP do. Each accepted command is confirmed on the standard output,\n"
                 "a refused one is explained on the standard error.\n"
                 "%s",
                 rxemu::kControlHelp);
}

void say(std::FILE* to, const std::string& text) {
    std::fprintf(to, "corvell-rx-emulator: %s\n", text.c_str());
    std::fflush(to);
}

// Points `link` at `target`, replacing an older symbolic link but nothing else.
bool makeLink(const std::string& link, const std::string& target) {
    struct stat info {};
    if (::lstat(link.c_str(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) {
            say(stderr, link + " exists and is no symbolic link");
            return false;
        }
        ::unlink(link.c_str());
    }
    if (::symlink(target.c_str(), link.c_str()) != 0) {
        say(stderr, "cannot link " + link + ": " + std::strerror(errno));
        return false;
    }
    return true;
}

// Where control commands come from.
struct ControlSource {
    int fd = -1;           // -1: none
    bool ownsFd = false;   // close it at the end
    std::string madeFifo;  // a FIFO made here, removed at the end
};

// The FIFO or file named by --control. A FIFO is opened for reading and writing, so it stays
// open (and never reports an end) while writers come and go.
std::optional<ControlSource> openControl(const std::string& path) {
    ControlSource source;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT || ::mkfifo(path.c_str(), 0600) != 0) {
            say(stderr, "cannot make the control FIFO " + path + ": " + std::strerror(errno));
            return std::nullopt;
        }
        source.madeFifo = path;
        info.st_mode = S_IFIFO;
    }
    if (!S_ISFIFO(info.st_mode) && !S_ISREG(info.st_mode)) {
        say(stderr, "the control input " + path + " is no FIFO and no file");
        return std::nullopt;
    }
    const int flags = S_ISFIFO(info.st_mode) ? O_RDWR | O_NONBLOCK : O_RDONLY;
    source.fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (source.fd < 0) {
        say(stderr, "cannot open the control input " + path + ": " + std::strerror(errno));
        if (!source.madeFifo.empty()) ::unlink(source.madeFifo.c_str());
        return std::nullopt;
    }
    source.ownsFd = true;
    return source;
}

// The standard input, unless it is a terminal this process does not own (started in the
// background of an interactive shell): reading it would only stop the process.
ControlSource standardInput() {
    if (::isatty(STDIN_FILENO) && ::tcgetpgrp(STDIN_FILENO) != ::getpgrp()) return {};
    return {STDIN_FILENO, false, {}};
}

}  // namespace

int main(int argc, char** argv) {
    rxemu::EmulatorOptions options;
    options.signalModel = true;
    std::string link;
    std::optional<std::string> controlPath;
    std::optional<int> smeter;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            usage(stdout);
            return 0;
        }
        if (i + 1 >= argc) {
            usage(stderr);
            return 2;
        }
        const char* value = argv[++i];
        if (arg == "--link") {
            link = value;
        } else if (arg == "--log") {
            options.logFile = value;
        } else if (arg == "--control") {
            controlPath = value;
        } else {
            const std::optional<int> number = rxemu::parseByteValue(value);
            if (!number) {
                say(stderr, arg + " needs a number 0..255, not " + value);
                return 2;
            }
            if (arg == "--sci") {
                options.receiver.verSCI = *number;
            } else if (arg == "--cpu") {
                options.receiver.verCPU = *number;
            } else if (arg == "--matrix") {
                options.receiver.matrixVersion = *number;
            } else if (arg == "--units") {
                options.receiver.unitOption = *number;
            } else if (arg == "--smeter") {
                smeter = number;
            } else {
                usage(stderr);
                return 2;
            }
        }
    }
    if (smeter) options.signalModel = false;

    // The stop signals are read from a descriptor by this thread alone, so the receiver's
    // thread never sees them; a reader of the output that goes away is no reason to end.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    ::signal(SIGPIPE, SIG_IGN);
    const int signals = ::signalfd(-1, &stopSignals, SFD_CLOEXEC);
    if (signals < 0) {
        say(stderr, std::string("cannot watch for signals: ") + std::strerror(errno));
        return 1;
    }

    ControlSource control;
    if (controlPath) {
        const std::optional<ControlSource> opened = openControl(*controlPath);
        if (!opened) return 1;
        control = *opened;
    } else {
        control = standardInput();
    }
    const auto closeControl = [&] {
        if (control.ownsFd && control.fd >= 0) ::close(control.fd);
        control.fd = -1;
        if (!control.madeFifo.empty()) ::unlink(control.madeFifo.c_str());
        control.madeFifo.clear();
    };

    rxemu::RxEmulator emulator(options);
    if (smeter) emulator.setSmeter(*smeter);
    if (!emulator.start() || (!link.empty() && !makeLink(link, emulator.devicePath()))) {
        if (!emulator.lastError().empty()) say(stderr, emulator.lastError());
        closeControl();
        return 1;
    }
    say(stdout, "receiver on " + emulator.devicePath() + (link.empty() ? "" : " as " + link));

    rxemu::ControlInput input(
        emulator, [](const std::string& done) { say(stdout, done); },
        [](const std::string& error) { say(stderr, error); });
    char buffer[4096];
    while (!input.quitRequested()) {
        pollfd fds[2] = {{signals, POLLIN, 0}, {control.fd, POLLIN, 0}};
        const int r = ::poll(fds, control.fd >= 0 ? 2 : 1, -1);
        if (r < 0) {
            if (errno == EINTR) continue;
            say(stderr, std::string("waiting failed: ") + std::strerror(errno));
            break;
        }
        if (fds[0].revents & POLLIN) break;
        if (control.fd < 0 || fds[1].revents == 0) continue;
        const ssize_t got = ::read(control.fd, buffer, sizeof buffer);
        if (got > 0) {
            input.feed(std::string_view(buffer, static_cast<size_t>(got)));
        } else if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
            // The input has ended (or cannot be read): the receiver carries on without it.
            input.finish();
            if (!input.quitRequested()) say(stdout, "control input ended; quit with a signal");
            if (control.ownsFd) ::close(control.fd);
            control.fd = -1;
        }
    }
    emulator.stop();
    closeControl();
    if (!link.empty()) ::unlink(link.c_str());
    ::close(signals);
    return 0;
}
