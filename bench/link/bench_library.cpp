#include "bench/link/bench_library.h"

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace linkbench {
namespace {

class PrivateLockDirectory {
  public:
    PrivateLockDirectory() {
        char pattern[] = "/tmp/corvell-bench-locks-XXXXXX";
        if (::mkdtemp(pattern)) {
            path_ = pattern;
            ::setenv("XDG_RUNTIME_DIR", path_.c_str(), 1);
        }
    }
    ~PrivateLockDirectory() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }

  private:
    std::string path_;
};

}  // namespace

linkdemo::QuillonLibrary& library() {
    static PrivateLockDirectory locks;
    static linkdemo::QuillonLibrary lib;
    lib.load();
    return lib;
}

}  // namespace linkbench
