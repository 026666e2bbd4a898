#include "platform/process_start.h"

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

extern char** environ;

namespace platform {
namespace {

std::string failure(const std::string& what, int error) {
    return what + ": " + std::strerror(error);
}

// Holds a spawn attribute set and file-action list for the length of one start.
struct SpawnSetup {
    posix_spawnattr_t attributes{};
    posix_spawn_file_actions_t actions{};
    SpawnSetup() {
        posix_spawnattr_init(&attributes);
        posix_spawn_file_actions_init(&actions);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
};

// The child starts clean: whatever the caller blocks or ignores (a GUI or a thread that waits
// for signals blocks several) is not handed on.
int resetSignals(posix_spawnattr_t& attributes) {
    sigset_t none;
    sigemptyset(&none);
    sigset_t all;
    sigfillset(&all);
    if (const int r = posix_spawnattr_setsigmask(&attributes, &none)) return r;
    if (const int r = posix_spawnattr_setsigdefault(&attributes, &all)) return r;
    return posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
}

std::mutex openerMutex;
DesktopOpener installedOpener;

// Why a handler that ended with `status` did not open `path`; empty when it did.
std::string openerFailure(const std::string& path, int status) {
    if (WIFEXITED(status)) {
        if (WEXITSTATUS(status) == 0) return {};
        return "cannot open " + path + ": xdg-open ended with status " +
               std::to_string(WEXITSTATUS(status));
    }
    return "cannot open " + path + ": xdg-open was ended by signal " +
           std::to_string(WTERMSIG(status));
}

StartResult desktopOpen(const std::string& path, OpenFailed failed) {
    const std::string opener = findInPath("xdg-open");
    if (opener.empty()) return {false, -1, "cannot open " + path + ": xdg-open is not installed"};
    // A path that begins with "-" would be taken for an option.
    const std::string argument = path.front() == '-' ? "./" + path : path;
    ProcessEnded ended;
    if (failed) {
        ended = [path, failed = std::move(failed)](int status) {
            const std::string why = openerFailure(path, status);
            if (!why.empty()) failed(why);
        };
    }
    return startProcess(opener, {argument}, {}, std::move(ended));
}

}  // namespace

StartResult startProcess(const std::string& executable, const std::vector<std::string>& arguments,
                         const std::string& workingDirectory, ProcessEnded ended) {
    if (executable.empty() || executable.front() != '/') {
        return {false, -1, "cannot start \"" + executable + "\": not an absolute path"};
    }
    // Checked here as well as by the start itself, so the message says which of the two failed.
    struct stat info {};
    if (::stat(executable.c_str(), &info) != 0) {
        return {false, -1, failure("cannot start " + executable, errno)};
    }
    if (S_ISDIR(info.st_mode)) {
        return {false, -1, failure("cannot start " + executable, EISDIR)};
    }
    if (::access(executable.c_str(), X_OK) != 0) {
        return {false, -1, failure("cannot start " + executable, errno)};
    }
    if (!workingDirectory.empty()) {
        const int error = ::stat(workingDirectory.c_str(), &info) != 0 ? errno
                          : S_ISDIR(info.st_mode)                      ? 0
                                                                       : ENOTDIR;
        if (error != 0) {
            return {false, -1,
                    failure("cannot start " + executable + " in " + workingDirectory, error)};
        }
    }

    std::vector<std::string> argvText;
    argvText.reserve(arguments.size() + 1);
    argvText.push_back(executable);
    argvText.insert(argvText.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : argvText) argv.push_back(a.data());
    argv.push_back(nullptr);

    SpawnSetup setup;
    if (const int r = resetSignals(setup.attributes)) {
        return {false, -1, failure("cannot start " + executable, r)};
    }
    if (!workingDirectory.empty()) {
        if (const int r =
                posix_spawn_file_actions_addchdir_np(&setup.actions, workingDirectory.c_str())) {
            return {false, -1, failure("cannot start " + executable, r)};
        }
    }
    pid_t pid = -1;
    const int r = posix_spawn(&pid, executable.c_str(), &setup.actions, &setup.attributes,
                              argv.data(), environ);
    if (r != 0) return {false, -1, failure("cannot start " + executable, r)};

    // Nobody waits for the program, so a thread of its own collects its exit status when it
    // ends. The thread sleeps in waitpid for that one child only, and ends with it.
    std::thread([pid, ended = std::move(ended)] {
        int status = 0;
        pid_t r = -1;
        while ((r = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
        }
        if (r == pid && ended) ended(status);
    }).detach();
    return {true, pid, {}};
}

std::string findInPath(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos) return {};
    const char* path = std::getenv("PATH");
    const std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        const std::string dir = dirs.substr(start, end - start);
        // An empty entry means the current directory; only absolute entries are taken, so the
        // result can be started by startProcess.
        if (!dir.empty() && dir.front() == '/') {
            const std::string candidate = dir + "/" + name;
            struct stat info {};
            if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
                ::access(candidate.c_str(), X_OK) == 0) {
                return candidate;
            }
        }
        start = end + 1;
    }
    return {};
}

StartResult openWithDesktop(const std::string& path, OpenFailed failed) {
    if (path.empty()) return {false, -1, "cannot open a file without a name"};
    DesktopOpener opener;
    {
        std::lock_guard lock(openerMutex);
        opener = installedOpener;
    }
    return opener ? opener(path) : desktopOpen(path, std::move(failed));
}

DesktopOpener setDesktopOpener(DesktopOpener opener) {
    std::lock_guard lock(openerMutex);
    std::swap(installedOpener, opener);
    return opener;
}

}  // namespace platform
