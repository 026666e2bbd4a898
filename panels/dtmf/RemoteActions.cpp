#include "panels/dtmf/RemoteActions.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/message_box.h"
#include "platform/process_start.h"
#include "ui/SoundPlayer.h"

namespace corvell::panels {
namespace {

void logAction(const std::string& text) {
    platform::logLine("Corvell", "DTMF remote action: " + text);
}

bool isBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n\v\f") == std::string::npos;
}

bool isAbsoluteDirectory(const char* path) {
    struct stat info {};
    return path && path[0] == '/' && ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::optional<std::string> FindActionFile(const std::string& text,
                                          const std::string& fixedDirectory) {
    if (isBlank(text)) return std::nullopt;
    std::string path;
    if (text.front() == '/') {
        path = text;
    } else {
        if (fixedDirectory.empty() || fixedDirectory.front() != '/') return std::nullopt;
        path = fixedDirectory;
        if (path.back() != '/') path += '/';
        path += text;
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return path;
}

std::string RemoteActionDirectory() {
    const char* home = std::getenv("HOME");
    if (isAbsoluteDirectory(home)) return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && isAbsoluteDirectory(entry->pw_dir)) {
        return entry->pw_dir;
    }
    return "/";
}

RemoteActions::RemoteActions(Services services) : services_(std::move(services)) {}

void RemoteActions::RunAction(int16_t type, const std::string& text) {
    switch (type) {
        case kActionMessage:
            if (services_.showMessage) services_.showMessage(text);
            break;
        case kActionStartFile:
            startFile(text);
            break;
        case kActionPlaySound:
            playSound(text);
            break;
        default:
            logAction("type " + std::to_string(type) + " names no action; nothing runs");
            break;
    }
}

void RemoteActions::startFile(const std::string& text) {
    const std::optional<std::string> path = FindActionFile(text, services_.fixedDirectory);
    if (!path) {
        logAction("no file \"" + text + "\"; nothing started");
        return;
    }
    // Executable for this user: started itself, no shell, no arguments. Anything else is a
    // document for the desktop to open with the application it chooses.
    const bool executable = ::access(path->c_str(), X_OK) == 0;
    // The desktop's handler may start and fail later; that is logged as well.
    const platform::StartResult result =
        executable ? platform::startProcess(*path, {}, services_.fixedDirectory)
                   : platform::openWithDesktop(*path, logAction);
    if (result.ok) {
        logAction((executable ? "started " : "opened ") + *path);
    } else {
        logAction(result.error);
    }
}

void RemoteActions::playSound(const std::string& text) {
    const std::optional<std::string> path = FindActionFile(text, services_.fixedDirectory);
    if (!path) {
        logAction("no sound file \"" + text + "\"; nothing played");
        return;
    }
    if (!services_.sound) {
        logAction("no sound player; " + *path + " not played");
        return;
    }
    services_.sound->playAsync(*path);
}

}  // namespace corvell::panels
