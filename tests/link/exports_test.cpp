#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace {

// The library lands beside the test programs.
std::string libraryPath() {
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return {};
    std::string path(self, static_cast<size_t>(n));
    return path.substr(0, path.rfind('/')) + "/libquillon.so";
}

std::set<std::string> declaredExports() {
    std::ifstream header(std::string(CORVELL_SOURCE_DIR) + "/link/quillon.h");
    std::stringstream text;
    text << header.rdbuf();
    const std::string body = text.str();
    const std::string marker = "QUILLON_API int32_t ";
    std::set<std::string> names;
    for (size_t at = body.find(marker); at != std::string::npos; at = body.find(marker, at)) {
        at += marker.size();
        const size_t end = body.find('(', at);
        if (end != std::string::npos) names.insert(body.substr(at, end - at));
    }
    return names;
}

TEST(Exports, TheLibraryShowsExactlyTheSeventyEightFunctionsOfItsHeader) {
    const std::set<std::string> declared = declaredExports();
    EXPECT_EQ(declared.size(), 78u);
    const std::string command = "nm -D --defined-only '" + libraryPath() + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> exported;
    char line[512];
    while (std::fgets(line, sizeof line, pipe)) {
        std::istringstream fields(line);
        std::string address, type, name;
        fields >> address >> type >> name;
        ASSERT_FALSE(name.empty()) << line;
        EXPECT_EQ(type, "T") << name << " is not a plain function";
        exported.insert(name);
    }
    EXPECT_EQ(::pclose(pipe), 0);
    EXPECT_EQ(exported, declared);
}

}  // namespace
