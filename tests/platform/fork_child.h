// Runs a function in a forked child process and returns its exit code (-1 when it did not end
// normally). The child ends with _exit, so no test teardown runs twice.
// Thread contract: call from a single-threaded test.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace testing_fork {

inline int runInChild(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(body());
    if (pid < 0) return -1;
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace testing_fork
