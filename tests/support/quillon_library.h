// The receiver link library loaded by name at run time: libquillon.so from the directory of
// the running program first, else wherever the dynamic loader finds it. Exports are bound on
// first use, by name, as 32-bit integer functions.
// Thread contract: load() once, before any call; call() and bound exports may then be used
// from any thread (the library's own contract applies).
#pragma once

#include <cstdint>
#include <mutex>
#include <stdexcept>
#include <string>
#include <unordered_map>

namespace linkdemo {

class QuillonLibrary {
  public:
    static constexpr const char* kFileName = "libquillon.so";

    QuillonLibrary() = default;
    // The library stays loaded until the process ends: its threads and static objects belong
    // to the process, as they would for a program that loaded it.
    ~QuillonLibrary() = default;
    QuillonLibrary(const QuillonLibrary&) = delete;
    QuillonLibrary& operator=(const QuillonLibrary&) = delete;

    // False with error() when the library cannot be loaded.
    bool load();
    bool loaded() const { return handle_ != nullptr; }
    const std::string& path() const { return path_; }
    const std::string& error() const { return error_; }

    // The export's address, nullptr when the library has none of that name.
    void* symbol(const std::string& name);

    // Calls the export `name` with 32-bit arguments. Throws std::runtime_error when the library
    // is not loaded or has no such export.
    template <typename... Args>
    int32_t call(const std::string& name, Args... args) {
        using Function = int32_t (*)(decltype(static_cast<int32_t>(args))...);
        void* address = symbol(name);
        if (!address) throw std::runtime_error(kFileName + std::string(" has no export ") + name);
        return reinterpret_cast<Function>(address)(static_cast<int32_t>(args)...);
    }

    // Directory of the running program.
    static std::string programDirectory();

  private:
    void* handle_ = nullptr;
    std::string path_;
    std::string error_;
    std::mutex mutex_;
    std::unordered_map<std::string, void*> bound_;
};

}  // namespace linkdemo
