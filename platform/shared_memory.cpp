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

bool SharedMemory::open(const std::string& name, size_t size) {
    close();
    const std::string object = objectName(name);
    if (size == 0) {
        lastError_ = object + ": size 0";
        return false;
    }
    bool created = true;
    int fd = ::shm_open(object.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0 && errno == EEXIST) {
        created = false;
        fd = ::shm_open(object.c_str(), O_RDWR | O_CLOEXEC, 0600);
    }
    if (fd < 0) {
        lastError_ = reason("cannot open shared memory " + object, errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        lastError_ = reason("cannot examine shared memory " + object, errno);
        ::close(fd);
        return false;
    }
    // A creator sets the size right after creating; an opener that comes in between (or finds
    // a smaller object) sets it too, so no access can ever run past the object's end.
    if (static_cast<size_t>(info.st_size) < size &&
        ::ftruncate(fd, static_cast<off_t>(size)) != 0) {
        lastError_ = reason("cannot size shared memory " + object, errno);
        ::close(fd);
        if (created) ::shm_unlink(object.c_str());
        return false;
    }
    void* view = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    const int mapError = errno;
    ::close(fd);
    if (view == MAP_FAILED) {
        lastError_ = reason("cannot map shared memory " + object, mapError);
        if (created) ::shm_unlink(object.c_str());
        return false;
    }
    data_ = view;
    size_ = size;
    created_ = created;
    lastError_.clear();
    return true;
}

void SharedMemory::close() {
    if (data_) ::munmap(data_, size_);
    data_ = nullptr;
    size_ = 0;
    created_ = false;
}

bool SharedMemory::remove(const std::string& name) {
    return ::shm_unlink(objectName(name).c_str()) == 0;
}

}  // namespace platform
