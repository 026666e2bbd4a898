#include "core/PathProcs.h"

#include <filesystem>
#include <system_error>

#include "platform/file_exists.h"

namespace corvell {

bool FileExists(std::string_view path) {
    if (path.ends_with('/')) path.remove_suffix(1);
    return platform::fileOpensForReading(std::string(path));
}

std::string GetFileNamePart(std::string_view path) {
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string GetPathPart(std::string_view path) {
    std::size_t p = path.size();
    const auto first = path.find('/');
    if (first != std::string_view::npos && first + 1 == path.size()) {
        if (p > 1) --p;
    } else {
        const auto last = path.rfind('/');
        p = last == std::string_view::npos ? 0 : last + 1;
    }
    if (p < 1) {
        std::error_code ec;
        const auto cwd = std::filesystem::current_path(ec);
        return ec ? std::string() : cwd.string();
    }
    std::string result(path.substr(0, p));
    // The root keeps its "/": without it a file in "/" would be looked for somewhere else.
    if (result.size() > 1 && result.ends_with('/')) result.pop_back();
    return result;
}

}  // namespace corvell
