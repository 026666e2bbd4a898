#include "platform/shared_memory.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {
namespace {

std::string reason(const std::string& what, int error) {
    return what + ": " + std::strerror(error);
}

}  // namespace

SharedMemory::~SharedMemory() {
    close();
}

// Opens or creates the object and gives it at least `size` bytes; the descriptor, or -1 with
// lastError_ set.
int SharedMemory::openObject(const std::string& name, size_t size) {
    close();
    const std::string object = objectName(name);
    if (size == 0) {
        lastError_ = object + ": size 0";
        return -1;
    }
    bool created = true;
    int fd = ::shm_open(object.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0 && errno == EEXIST) {
        created = false;
        fd = ::shm_open(object.c_str(), O_RDWR | O_CLOEXEC, 0600);
    }
    if (fd < 0) {
        lastError_ = reason("cannot open shared memory " + object, errno);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        lastError_ = reason("cannot examine shared memory " + object, errno);
        ::close(fd);
        return -1;
    }
    // A creator sets the size right after creating; an opener that comes in between (or finds
    // a smaller object) sets it too, so no access can ever run past the object's end.
    if (static_cast<size_t>(info.st_size) < size &&
        ::ftruncate(fd, static_cast<off_t>(size)) != 0) {
        lastError_ = reason("cannot size shared memory " + object, errno);
        ::close(fd);
        if (created) ::shm_unlink(object.c_str());
        return -1;
    }
    created_ = created;
    return fd;
}

bool SharedMemory::open(const std::string& name, size_t size) {
    const int fd = openObject(name, size);
    if (fd < 0) return false;
    void* view = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    const int mapError = errno;
    ::close(fd);
    if (view == MAP_FAILED) {
        lastError_ = reason("cannot map shared memory " + objectName(name), mapError);
        if (created_) ::shm_unlink(objectName(name).c_str());
        created_ = false;
        return false;
    }
    data_ = view;
    size_ = size;
    lastError_.clear();
    return true;
}

bool SharedMemory::openUnmapped(const std::string& name, size_t size) {
    const int fd = openObject(name, size);
    if (fd < 0) return false;
    fd_ = fd;
    size_ = size;
    lastError_.clear();
    return true;
}

size_t SharedMemory::currentSize() const {
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0 || info.st_size < 0) return data_ ? size_ : 0;
    return static_cast<size_t>(info.st_size);
}

bool SharedMemory::readAt(size_t offset, void* bytes, size_t count) const {
    auto* out = static_cast<char*>(bytes);
    while (count > 0) {
        const ssize_t n = ::pread(fd_, out, count, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        out += n;
        offset += static_cast<size_t>(n);
        count -= static_cast<size_t>(n);
    }
    return true;
}

bool SharedMemory::writeAt(size_t offset, const void* bytes, size_t count) const {
    const auto* in = static_cast<const char*>(bytes);
    while (count > 0) {
        const ssize_t n = ::pwrite(fd_, in, count, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        in += n;
        offset += static_cast<size_t>(n);
        count -= static_cast<size_t>(n);
    }
    return true;
}

void SharedMemory::close() {
    if (data_) ::munmap(data_, size_);
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    data_ = nullptr;
    size_ = 0;
    created_ = false;
}

bool SharedMemory::remove(const std::string& name) {
    return ::shm_unlink(objectName(name).c_str()) == 0;
}

}  // namespace platform
