// Starting another program without a shell: an executable at an absolute path with an argument
// vector, in a chosen working directory, not waited for; and opening a document with the
// desktop's handler. Every started child is reaped by a detached waiter thread, so none is left
// a zombie. Thread contract: startProcess and openWithDesktop may be called from any thread;
// setDesktopOpener is meant for start-up and tests, and is guarded all the same.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace platform {

struct StartResult {
    bool ok = false;
    pid_t pid = -1;     // the started child, when ok
    std::string error;  // what went wrong, for a message to the user, when not ok
};

// Starts `executable` (an absolute path, taken as it is: no shell, no PATH search) with
// `arguments` as argv[1..] and argv[0] set to the path. `workingDirectory` empty keeps the
// caller's. The child gets the caller's environment, an empty signal mask and default signal
// dispositions. Returns once the program runs or has failed to start; a path that is missing,
// not executable or not absolute, or a working directory that cannot be entered, fails with
// the reason in `error`. `ended`, when given, gets the child's wait status once it has ended,
// on the thread that collected it.
using ProcessEnded = std::function<void(int waitStatus)>;
StartResult startProcess(const std::string& executable, const std::vector<std::string>& arguments,
                         const std::string& workingDirectory = {}, ProcessEnded ended = {});

// Finds `name` (no "/" in it) in the directories of $PATH: the first executable file, or ""
// when there is none.
std::string findInPath(const std::string& name);

// Opens `path` with the desktop's handler for its type ("xdg-open <path>", started as above).
// The handler may start and still fail (no application for the type, none that starts):
// `failed`, when given, then gets the reason, once, on a thread of its own. A test may install
// its own opener; an empty function brings back the desktop's.
using OpenFailed = std::function<void(const std::string& reason)>;
StartResult openWithDesktop(const std::string& path, OpenFailed failed = {});
using DesktopOpener = std::function<StartResult(const std::string& path)>;
// Installs `opener` and gives back the one it replaces (empty for the desktop's own).
DesktopOpener setDesktopOpener(DesktopOpener opener);

}  // namespace platform
