#include "platform/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
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

bool fail(std::string* error, const std::string& what, int code) {
    if (error) *error = what + ": " + std::strerror(code);
    return false;
}

// Where a save of `path` puts its bytes: the file itself, or the file a chain of symbolic links
// names, which need not exist yet (a dotfile manager links the name first and makes the file
// on the first save). Only a chain that never ends (or runs too long) is refused.
bool targetOf(const std::string& path, std::string& target, std::string* error) {
    target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        std::string named(PATH_MAX, '\0');
        const ssize_t n = ::readlink(target.c_str(), named.data(), named.size());
        if (n < 0) return fail(error, target, errno);
        if (static_cast<std::size_t>(n) == named.size()) return fail(error, target, ENAMETOOLONG);
        named.resize(static_cast<std::size_t>(n));
        // A relative link is relative to the folder holding the link.
        const auto slash = target.rfind('/');
        if (!named.starts_with('/') && slash != std::string::npos) {
            named.insert(0, target, 0, slash + 1);
        }
        target = std::move(named);
    }
    return fail(error, path, ELOOP);
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

struct Place {
    std::string dir;   // with its trailing slash
    std::string base;  // the file's own name
};

Place placeOf(const std::string& target) {
    const auto slash = target.rfind('/');
    if (slash == std::string::npos) return {"./", target};
    return {target.substr(0, slash + 1), target.substr(slash + 1)};
}

// ".corvell-save." + process + "." + serial + ".tmp": the temporaries a save makes. The name is
// short and does not hold the file's own, so it fits wherever the file's name does.
constexpr std::string_view kTemporaryHead = ".corvell-save.";
constexpr std::string_view kTemporaryTail = ".tmp";

std::string temporaryName(pid_t pid, unsigned serial) {
    return std::string(kTemporaryHead) + std::to_string(pid) + "." + std::to_string(serial) +
           std::string(kTemporaryTail);
}

bool allDigits(std::string_view s) {
    return !s.empty() && s.size() <= 10 &&
           s.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process in "<process>.<serial>", 0 when `rest` is not of that form.
pid_t writerIn(std::string_view rest) {
    const auto dot = rest.find('.');
    if (dot == std::string_view::npos) return 0;
    const std::string_view pid = rest.substr(0, dot);
    if (!allDigits(pid) || !allDigits(rest.substr(dot + 1))) return 0;
    const long value = std::strtol(std::string(pid).c_str(), nullptr, 10);
    return value > 0 && value <= INT_MAX ? static_cast<pid_t>(value) : 0;
}

// The process that made `name` as a temporary, 0 when it is no such name. Earlier versions
// named theirs "." + base + "." + process + "." + serial + ".tmp"; of those only the ones of
// the file being saved or read are taken, as those versions did.
pid_t writerOf(std::string_view name, const std::string& base) {
    if (!name.ends_with(kTemporaryTail)) return 0;
    name.remove_suffix(kTemporaryTail.size());
    const std::string oldHead = "." + base + ".";
    for (const std::string_view head : {kTemporaryHead, std::string_view(oldHead)}) {
        if (name.starts_with(head)) return writerIn(name.substr(head.size()));
    }
    return 0;
}

bool processGone(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

void removeStaleIn(const Place& place) {
    DIR* dir = ::opendir(place.dir.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const pid_t writer = writerOf(entry->d_name, place.base);
        if (writer > 0 && processGone(writer)) ::unlink((place.dir + entry->d_name).c_str());
    }
    ::closedir(dir);
}

// Refuses what a save must leave as it is: a directory or other non-regular file standing at
// the name, and a file marked read-only (even where the directory would allow the rename, and
// even for a user whom permissions do not stop).
bool refusesReplacing(const std::string& target, const struct stat* old, std::string* error) {
    if (!old) return false;
    if (S_ISDIR(old->st_mode)) return !fail(error, target, EISDIR);
    if (!S_ISREG(old->st_mode)) return !fail(error, target, EINVAL);
    if ((old->st_mode & 0222) == 0) return !fail(error, target, EACCES);
    // The reason access() gives says more: a read-only file system, say.
    if (::access(target.c_str(), W_OK) != 0) return !fail(error, target, errno);
    return false;
}

// A name longer than the folder's file system allows is refused before anything is written.
bool refusesName(const std::string& target, const Place& place, std::string* error) {
    const long most = ::pathconf(place.dir.c_str(), _PC_NAME_MAX);
    if (most <= 0 || place.base.size() <= static_cast<std::size_t>(most)) return false;
    return !fail(error, "cannot write " + target, ENAMETOOLONG);
}

// A new temporary file beside the target, open for writing; -1 (and `error`) when the
// directory takes none.
int createTemporary(const Place& place, std::string& temp, std::string* error) {
    static std::atomic<unsigned> serial{0};
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = place.dir + temporaryName(::getpid(), serial.fetch_add(1));
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) fail(error, "cannot create a file in " + place.dir, errno);
    return fd;
}

}  // namespace

bool canReplaceFile(const std::string& path, std::string* error) {
    std::string target;
    if (!targetOf(path, target, error)) return false;
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (refusesReplacing(target, existed ? &old : nullptr, error)) return false;
    const Place place = placeOf(target);
    if (refusesName(target, place, error)) return false;
    std::string temp;
    const int fd = createTemporary(place, temp, error);
    if (fd < 0) return false;
    // An empty file takes no room, so a full disk would still pass: the trial holds as many
    // bytes as the file has now, which the save writes again.
    const off_t room = existed && old.st_size > 0 ? old.st_size : 1;
    const int code = ::posix_fallocate(fd, 0, room);
    ::close(fd);
    ::unlink(temp.c_str());
    if (code != 0 && code != EOPNOTSUPP && code != EINVAL) {
        return fail(error, "no room for a new " + target, code);
    }
    return true;
}

void removeStaleTemporaries(const std::string& path) {
    std::string target;
    if (targetOf(path, target, nullptr)) removeStaleIn(placeOf(target));
}

bool replaceFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    std::string target;
    if (!targetOf(path, target, error)) return false;
    const Place place = placeOf(target);
    const std::string& dir = place.dir;
    removeStaleIn(place);

    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (refusesReplacing(target, existed ? &old : nullptr, error)) return false;
    if (refusesName(target, place, error)) return false;

    std::string temp;
    const int fd = createTemporary(place, temp, error);
    if (fd < 0) return false;

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
    // The rename is only durable once the directory that holds the new name is. A directory
    // we may not read, or a file system that cannot sync one, allows nothing better.
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) return true;
    ok = ::fsync(dirFd) == 0 || errno == EINVAL;
    code = errno;
    ::close(dirFd);
    if (!ok) return fail(error, "the new " + target + " may not have reached the disk", code);
    return true;
}

}  // namespace platform
