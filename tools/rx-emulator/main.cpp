// corvell-rx-emulator: a receiver on a pseudo-terminal, for running the program or the link
// demo without the real receiver. It prints the device path, optionally makes a symbolic link
// to it, and runs until it is interrupted or terminated.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "tools/rx-emulator/rx_emulator.h"

namespace {

void usage(std::FILE* to) {
    std::fprintf(to,
                 "usage: corvell-rx-emulator [--link PATH] [--sci N] [--cpu N] [--matrix N]\n"
                 "                           [--units N] [--smeter N] [--log FILE]\n"
                 "  --link PATH   make PATH a symbolic link to the receiver's device\n"
                 "  --sci N       interface version answered to G2? (default 0x10)\n"
                 "  --cpu N       CPU version answered to G4? (default 0x21)\n"
                 "  --matrix N    matrix version answered to GE? (default 0x01)\n"
                 "  --units N     option units answered to GD? (default 0x11: DSP, data)\n"
                 "  --smeter N    a fixed S-meter instead of one that follows the frequency\n"
                 "  --log FILE    append every received line with its time in microseconds\n"
                 "Numbers are decimal or 0x hexadecimal, 0..255.\n");
}

std::optional<int> byteValue(const char* text) {
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 0);
    if (errno != 0 || end == text || *end != '\0' || value < 0 || value > 255) return std::nullopt;
    return static_cast<int>(value);
}

// Points `link` at `target`, replacing an older symbolic link but nothing else.
bool makeLink(const std::string& link, const std::string& target) {
    struct stat info {};
    if (::lstat(link.c_str(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) {
            std::fprintf(stderr, "corvell-rx-emulator: %s exists and is no symbolic link\n",
                         link.c_str());
            return false;
        }
        ::unlink(link.c_str());
    }
    if (::symlink(target.c_str(), link.c_str()) != 0) {
        std::fprintf(stderr, "corvell-rx-emulator: cannot link %s: %s\n", link.c_str(),
                     std::strerror(errno));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    rxemu::EmulatorOptions options;
    options.signalModel = true;
    std::string link;
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
        } else {
            const std::optional<int> number = byteValue(value);
            if (!number) {
                std::fprintf(stderr, "corvell-rx-emulator: %s needs a number 0..255, not %s\n",
                             arg.c_str(), value);
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

    // The signals are taken by this thread alone, so the receiver's thread never sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    rxemu::RxEmulator emulator(options);
    if (smeter) emulator.setSmeter(*smeter);
    if (!emulator.start()) {
        std::fprintf(stderr, "corvell-rx-emulator: %s\n", emulator.lastError().c_str());
        return 1;
    }
    if (!link.empty() && !makeLink(link, emulator.devicePath())) return 1;
    std::printf("corvell-rx-emulator: receiver on %s%s%s\n", emulator.devicePath().c_str(),
                link.empty() ? "" : " as ", link.c_str());
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    emulator.stop();
    if (!link.empty()) ::unlink(link.c_str());
    return 0;
}
