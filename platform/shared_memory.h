// Named shared memory: a POSIX shared-memory object "/" + name, mode 0600, mapped read-write,
// or reached through its descriptor only, where another process may resize it under us.
// Thread contract: open(), openUnmapped() and close() on one thread; the bytes carry no lock
// of their own, so users guard them (e.g. with a NamedMutex).
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
    // As open(), but maps nothing and keeps the descriptor: the bytes are then reached only
    // through readAt() and writeAt(), which cannot fault even when another process shrinks
    // the object (a mapping would then fault on the lost pages).
    bool openUnmapped(const std::string& name, size_t size);
    void close();

    bool isOpen() const { return data_ != nullptr || fd_ >= 0; }
    void* data() const { return data_; }
    size_t size() const { return size_; }
    bool created() const { return created_; }
    // The object's size now, which another process may have changed (0 when unknown).
    size_t currentSize() const;
    // Whole transfers through the descriptor of an unmapped object: false when fewer bytes
    // moved (a read past the object's end) or on any error.
    bool readAt(size_t offset, void* bytes, size_t count) const;
    bool writeAt(size_t offset, const void* bytes, size_t count) const;
    std::string lastError() const { return lastError_; }

    // Removes the name from the system (the memory lives on while mapped). For tests and tools.
    static bool remove(const std::string& name);
    static std::string objectName(const std::string& name) { return "/" + name; }

  private:
    int openObject(const std::string& name, size_t size);

    int fd_ = -1;  // kept only when unmapped
    void* data_ = nullptr;
    size_t size_ = 0;
    bool created_ = false;
    std::string lastError_;
};

}  // namespace platform
