#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

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

// The library as the program reaches it: loaded by name, each export bound by name.
class LoadedLibrary {
  public:
    LoadedLibrary() : handle_(::dlopen(libraryPath().c_str(), RTLD_NOW | RTLD_LOCAL)) {}
    ~LoadedLibrary() {
        if (handle_) ::dlclose(handle_);
    }
    bool ok() const { return handle_ != nullptr; }
    // Unloading runs the teardown: every thread of the library is stopped and joined.
    int unload() {
        const int result = ::dlclose(handle_);
        handle_ = nullptr;
        return result;
    }
    int32_t call(const char* name) { return bind<int32_t()>(name)(); }
    int32_t call(const char* name, int32_t v) { return bind<int32_t(int32_t)>(name)(v); }

  private:
    template <typename F>
    F* bind(const char* name) {
        void* symbol = ::dlsym(handle_, name);
        EXPECT_NE(symbol, nullptr) << name;
        return reinterpret_cast<F*>(symbol);
    }
    void* handle_;
};

TEST(Exports, AfterLoadTheGettersGiveTheDefaultsAndEachSetterReachesItsOwnField) {
    LoadedLibrary lib;
    ASSERT_TRUE(lib.ok()) << ::dlerror();

    const std::pair<const char*, int32_t> defaults[] = {
        {"RsGetVerSCI", -1},        {"RsGetVerCPU", -1},           {"RsGetMatrixVersion", -1},
        {"RsGetUnitOption", 0},     {"RsGetIfshift", 128},         {"RsGetBfoshift", 128},
        {"RsGetCmeter", 128},       {"RsGetFrequency", 145000000}, {"RsGetPllRefFrequency", 5000},
        {"RsGetPowerOnStat", 0},    {"RsGetComportNum", 0},        {"RsGetScanStat", 0},
        {"RsGetComportDSRstat", 0}, {"RsGetComportCTSstat", 0},    {"RsGetSmeter", 0},
    };
    for (const auto& [name, value] : defaults) EXPECT_EQ(lib.call(name), value) << name;

    // Every pair gets a value of its own, so an export wired to the wrong field shows.
    const std::vector<std::pair<std::string, int32_t>> pairs = {
        {"Frequency", 82500000},
        {"Mode", 5},
        {"Filter", 2},
        {"Afgain", 0x41},
        {"Afmute", 1},
        {"Sql", 0x42},
        {"Moni", 3},
        {"Ifshift", 0x43},
        {"Agc", 4},
        {"Nb", 6},
        {"Att", 7},
        {"Afc", 8},
        {"Anl", 9},
        {"Bfoshift", 0x44},
        {"Vsc", 10},
        {"Ctcss", 12},
        {"Bpftune", 0x45},
        {"ExtPlug", 11},
        {"ExtOutLevel", 13},
        {"DspUnitOn", 14},
        {"DspOn", 15},
        {"DspNr", 16},
        {"DspAn", 17},
        {"PllRefFrequency", 12500},
    };
    for (const auto& [field, value] : pairs) {
        EXPECT_EQ(lib.call(("RsSet" + field).c_str(), value), value) << field;
    }
    for (const auto& [field, value] : pairs) {
        EXPECT_EQ(lib.call(("RsGet" + field).c_str()), value) << field;
    }

    EXPECT_EQ(lib.call("RsSetFrequency", 5000), 5000);  // refused, returned unchanged
    EXPECT_EQ(lib.call("RsGetFrequency"), 82500000);
    EXPECT_EQ(lib.call("RsSetPllRefFrequency", 7000), 5000);
    EXPECT_EQ(lib.call("RsGetPllRefFrequency"), 5000);
    const std::pair<int32_t, int32_t> ports[] = {{3, 3}, {11, 0}, {10, 10}, {-1, 0}};
    for (const auto& [given, stored] : ports) {
        EXPECT_EQ(lib.call("RsSetComportNum", given), given);
        EXPECT_EQ(lib.call("RsGetComportNum"), stored) << given;
    }
    EXPECT_EQ(lib.call("RsSetDtmfr", 7), 7);
    EXPECT_EQ(lib.call("RsGetDtmfr"), 7);
    EXPECT_EQ(lib.call("RsSetHwndScanNotify", 0), 0);
    for (int32_t index : {0, 255, 256, -1}) EXPECT_EQ(lib.call("RsGetScopeBuff", index), 0);
    EXPECT_EQ(lib.unload(), 0);
}

}  // namespace
