// Named shared memory: a POSIX shared-memory object "/" + name, mode 0600, mapped read-write.
// Thread contract: open() and close() on one thread; the mapped bytes carry no lock of their
// own, so users guard them (e.g. with a NamedMutex).
#pragma once

#include <cstddef>
#include <string>

namespace platform {

class SharedMemory {
  public:
    SharedMemory() = default;
    ~SharedMemory();
    SharedMemory(const SharedMemory&) = delete;
    SharedMemory& operator=(const SharedMemory&) = delete;

    // Creates the object with `size` bytes (zero-filled), or opens the existing one and maps
    // `size` bytes of it. created() tells which. False with lastError() on failure.
    bool open(const std::string& name, size_t size);
    void close();

    bool isOpen() const { return data_ != nullptr; }
    void* data() const { return data_; }
    size_t size() const { return size_; }
    bool created() const { return created_; }
    std::string lastError() const { return lastError_; }

    // Removes the name from the system (the memory lives on while mapped). For tests and tools.
    static bool remove(const std::string& name);
    static std::string objectName(const std::string& name) { return "/" + name; }

  private:
    void* data_ = nullptr;
    size_t size_ = 0;
    bool created_ = false;
    std::string lastError_;
};

}  // namespace platform
