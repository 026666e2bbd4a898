#include "platform/private_dir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform {

std::string preparePrivateDirectory(const std::string& dir) {
    if (::mkdir(dir.c_str(), 0700) == 0) {
        // The umask may have taken bits the user needs; nobody else can be inside yet.
        ::chmod(dir.c_str(), 0700);
    } else if (errno != EEXIST) {
        return "the folder " + dir + " cannot be made: " + std::strerror(errno);
    }
    struct stat info {};
    if (::lstat(dir.c_str(), &info) != 0) {
        return "the folder " + dir + " cannot be examined: " + std::strerror(errno);
    }
    if (S_ISLNK(info.st_mode)) {
        return dir + " is a symbolic link, not a folder of this user's own";
    }
    if (!S_ISDIR(info.st_mode)) return dir + " is not a folder";
    if (info.st_uid != ::geteuid()) {
        return "the folder " + dir + " belongs to another user (uid " +
               std::to_string(info.st_uid) + ")";
    }
    if ((info.st_mode & 077) != 0) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(info.st_mode & 07777));
        return "the folder " + dir + " is open to other users (mode " + mode + "; it must be 0700)";
    }
    return {};
}

}  // namespace platform
