#include "memory/MchFileNames.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cctype>

namespace corvell {

namespace {

std::string fold(const std::string& name) {
    std::string out = name;
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

MchFileNames::MchFileNames(const std::string& directory) : directory_(directory) {
    DIR* dir = ::opendir(directory.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) folded_.insert(fold(entry->d_name));
    ::closedir(dir);
}

bool MchFileNames::taken(const std::string& fileName) const {
    if (folded_.count(fold(fileName)) != 0) return true;
    const std::string path =
        directory_.ends_with('/') ? directory_ + fileName : directory_ + "/" + fileName;
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace corvell
