#include "tests/support/quillon_library.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

namespace linkdemo {

std::string QuillonLibrary::programDirectory() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return ".";
    std::string path(buffer, static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool QuillonLibrary::load() {
    if (handle_) return true;
    const std::string beside = programDirectory() + "/" + kFileName;
    handle_ = ::dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_) {
        path_ = beside;
        return true;
    }
    std::string first = ::dlerror();
    handle_ = ::dlopen(kFileName, RTLD_NOW | RTLD_LOCAL);
    if (handle_) {
        path_ = kFileName;
        return true;
    }
    error_ = first + "; " + ::dlerror();
    return false;
}

void* QuillonLibrary::symbol(const std::string& name) {
    if (!handle_) return nullptr;
    std::lock_guard lock(mutex_);
    if (auto it = bound_.find(name); it != bound_.end()) return it->second;
    void* address = ::dlsym(handle_, name.c_str());
    if (address) bound_.emplace(name, address);
    return address;
}

}  // namespace linkdemo
