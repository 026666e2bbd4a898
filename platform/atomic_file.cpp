#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace platform {
namespace {

std::string targetOf(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved)) return resolved;
    }
    return path;
}

bool fail(std::string* error, const std::string& what, int code) {
    if (error) *error = what + ": " + std::strerror(code);
    return false;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

bool replaceFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    static std::atomic<unsigned> serial{0};
    const std::string target = targetOf(path);
    const auto slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "./" : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);

    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode)) return fail(error, target, EISDIR);
    // A file marked read-only stays as it is, even where the directory would allow the rename
    // (and even for a user whom permissions do not stop).
    if (existed && ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)) {
        return fail(error, target, EACCES);
    }

    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = dir + "." + base + "." + std::to_string(::getpid()) + "." +
               std::to_string(serial.fetch_add(1)) + ".tmp";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return fail(error, "cannot create a file in " + dir, errno);

    bool ok = writeAll(fd, bytes);
    int code = errno;
    if (ok && existed && ::fchmod(fd, old.st_mode & 07777) != 0) {
        ok = false;
        code = errno;
    }
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        code = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        code = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        code = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return fail(error, "cannot write " + target, code);
    }
    return true;
}

}  // namespace platform
