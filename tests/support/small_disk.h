// A small file system of its own over a test's folder, to fill up: a size-limited tmpfs mounted
// in a mount namespace of the test's thread, so nothing outside the test sees it and nothing is
// left mounted if the test dies. Where the machine does not allow mounting, mounted() is false
// and whyNot() says why (the test then skips).
// Thread contract: the thread that made it, which is the only one that sees the file system.
#pragma once

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace corvell::test {

class SmallDisk {
  public:
    SmallDisk(const std::string& dir, std::size_t bytes) : dir_(dir) {
        if (!ownNamespace()) return;
        const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
        if (::mount("tmpfs", dir_.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            whyNot_ = "mounting a tmpfs is not allowed here: " + std::string(std::strerror(errno));
            return;
        }
        mounted_ = true;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& whyNot() const { return whyNot_; }

    // Takes every byte left; true when the disk is then full.
    bool fill() {
        const int fd = ::open(filler().c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        if (fd < 0) return false;
        const std::string block(4096, 'f');
        bool full = false;
        for (std::size_t size = block.size(); size > 0;) {
            if (::write(fd, block.data(), size) >= 0 || errno == EINTR) continue;
            if (errno != ENOSPC) break;
            full = true;
            size /= 2;  // the last page may still take part of a block
        }
        ::close(fd);
        return full;
    }
    // Gives back what fill() took.
    void makeRoom() { ::unlink(filler().c_str()); }
    // Mounts the file system again read-only, as a locked medium is: no one may write it, the
    // superuser neither. True when it is then read-only.
    bool makeReadOnly() {
        return mounted_ &&
               ::mount(nullptr, dir_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

  private:
    std::string filler() const { return dir_ + "/.filler"; }

    // A mount namespace for this thread alone, whose mounts do not reach the rest of the system.
    bool ownNamespace() {
        if (::unshare(CLONE_NEWNS) != 0) {
            whyNot_ = "no mount namespace of its own: " + std::string(std::strerror(errno));
            return false;
        }
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            whyNot_ = "mounts cannot be made private: " + std::string(std::strerror(errno));
            return false;
        }
        return true;
    }

    std::string dir_;
    std::string whyNot_;
    bool mounted_ = false;
};

}  // namespace corvell::test
