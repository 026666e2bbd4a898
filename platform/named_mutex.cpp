#include "platform/named_mutex.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <thread>

#include "platform/private_dir.h"

namespace platform {

// One per name and process: the recursive lock orders the threads of this process, the lock
// file the processes. The file lock is held while the depth is above 0.
struct NamedMutex::Shared {
    std::recursive_mutex inProcess;
    int depth = 0;  // guarded by inProcess
    int fd = -1;
    pid_t pid = 0;  // the process that opened fd: a forked child must not share its lock
    std::string path;
    std::string dir;
    bool privateDir = false;  // dir is the per-user folder, made and checked here
    std::string openError;    // why fd is -1

    void openFile() {
        if (fd >= 0) ::close(fd);
        fd = -1;
        pid = ::getpid();
        if (privateDir) {
            openError = preparePrivateDirectory(dir);
            if (!openError.empty()) return;
        }
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            openError = "the lock file " + path + " cannot be opened: " + std::strerror(errno);
        } else {
            openError.clear();
        }
    }

    ~Shared() {
        if (fd >= 0) ::close(fd);
    }
};

namespace {

std::mutex g_registryLock;
std::map<std::string, std::weak_ptr<NamedMutex::Shared>>& registry() {
    static auto* names = new std::map<std::string, std::weak_ptr<NamedMutex::Shared>>;
    return *names;
}

void lockFile(int fd) {
    if (fd < 0) return;
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

}  // namespace

namespace {

bool runtimeDirSet() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime && *runtime;
}

}  // namespace

std::string NamedMutex::lockDirectory() {
    if (runtimeDirSet()) return std::getenv("XDG_RUNTIME_DIR");
    return "/tmp/corvell-" + std::to_string(::geteuid());
}

std::string NamedMutex::lockFilePath(const std::string& name) {
    std::string file;
    for (char c : name) file += (c == '/' || c == '\\') ? '_' : c;
    return lockDirectory() + "/" + file + ".lock";
}

NamedMutex::NamedMutex(const std::string& name) : name_(name) {
    std::lock_guard guard(g_registryLock);
    auto& names = registry();
    if (auto existing = names[name].lock()) {
        shared_ = existing;
        return;
    }
    shared_ = std::make_shared<Shared>();
    shared_->dir = lockDirectory();
    shared_->path = lockFilePath(name);
    shared_->privateDir = !runtimeDirSet();
    shared_->openFile();
    names[name] = shared_;
}

NamedMutex::~NamedMutex() {
    std::lock_guard guard(g_registryLock);
    auto& names = registry();
    const auto it = names.find(name_);
    shared_.reset();
    if (it != names.end() && it->second.expired()) names.erase(it);
}

bool NamedMutex::systemWide() const {
    return shared_->fd >= 0;
}

std::string NamedMutex::lockProblem() const {
    return shared_->fd >= 0 ? std::string() : shared_->openError;
}

void NamedMutex::lock() {
    shared_->inProcess.lock();
    if (shared_->depth++ == 0) {
        if (shared_->pid != ::getpid()) shared_->openFile();
        lockFile(shared_->fd);
    }
}

bool NamedMutex::try_lock() {
    if (!shared_->inProcess.try_lock()) return false;
    if (shared_->depth == 0 && shared_->pid != ::getpid()) shared_->openFile();
    if (shared_->depth == 0 && shared_->fd >= 0 && ::flock(shared_->fd, LOCK_EX | LOCK_NB) != 0) {
        shared_->inProcess.unlock();
        return false;
    }
    ++shared_->depth;
    return true;
}

bool NamedMutex::try_lock_for(std::chrono::milliseconds wait) {
    // Neither flock() nor every thread checker knows a timed wait, so a taken mutex is looked
    // at again now and then until the time is up; holds are rare and short.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (!try_lock()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

void NamedMutex::unlock() {
    if (--shared_->depth == 0 && shared_->fd >= 0) ::flock(shared_->fd, LOCK_UN);
    shared_->inProcess.unlock();
}

}  // namespace platform
