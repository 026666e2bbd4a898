// Child processes for tests that run real programs: the environment with a few names put over
// it, a program started from PATH with its chatter sent nowhere, a bounded wait for its end, and
// its stop by SIGTERM (SIGKILL when it will not go). Thread contract: the test's own thread,
// which also waits for the children it starts.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace corvell::test {

// The environment of this process with `extra` ("NAME=value") put over it.
inline std::vector<std::string> environmentWith(const std::vector<std::string>& extra) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry(*e);
        const std::string name = entry.substr(0, entry.find('='));
        bool replaced = false;
        for (const std::string& x : extra) replaced |= x.substr(0, x.find('=')) == name;
        if (!replaced) env.push_back(entry);
    }
    env.insert(env.end(), extra.begin(), extra.end());
    return env;
}

// Starts `argv` (looked up on PATH) with `env`; fd `passFd`, when >= 0, becomes the child's
// fd 3; `quiet` sends its standard error nowhere too. Returns the child's pid, or -1 with the
// reason in `error`.
inline pid_t spawnProgram(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                          std::string& error, int passFd = -1, bool quiet = false) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (passFd >= 0) posix_spawn_file_actions_adddup2(&actions, passFd, 3);
    // A test's own output stays readable: the helpers' chatter goes nowhere.
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    if (quiet) posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        error = argv[0] + ": " + std::strerror(rc);
        return -1;
    }
    return pid;
}

// Waits at most `timeoutMs` for the child to end; its exit status, or nullopt when it did not.
inline std::optional<int> waitChild(pid_t pid, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int status = 0;
        const pid_t r = ::waitpid(pid, &status, WNOHANG);
        if (r == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        if (r < 0) return -1;
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Ends a child by SIGTERM, by SIGKILL when it will not go.
inline void stopChild(pid_t pid) {
    if (pid <= 0) return;
    ::kill(pid, SIGTERM);
    if (!waitChild(pid, 3000)) {
        ::kill(pid, SIGKILL);
        waitChild(pid, 3000);
    }
}

// True when `program` is an executable file in a folder of PATH.
inline bool onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string dirs = path != nullptr ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        const std::string file = dirs.substr(start, end - start) + "/" + program;
        if (::access(file.c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace corvell::test
