#include "platform/program_dir.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

std::string withoutTrailingSlash(std::string dir) {
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

}  // namespace

std::string programDirectory() {
    if (const char* home = std::getenv("CORVELL_HOME"); home && *home) {
        return withoutTrailingSlash(home);
    }
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && exe.has_parent_path()) return withoutTrailingSlash(exe.parent_path().string());
    const auto cwd = std::filesystem::current_path(ec);
    return ec ? std::string(".") : withoutTrailingSlash(cwd.string());
}

std::string realDirectory(const std::string& dir) {
    std::error_code ec;
    const auto real = std::filesystem::canonical(dir, ec);
    return ec ? dir : real.string();
}

}  // namespace platform
