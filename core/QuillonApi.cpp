#include "core/QuillonApi.h"

#include <dlfcn.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <mutex>
#include <type_traits>

#include "link/quillon.h"  // the prototypes only: the table is checked against them
#include "platform/message_box.h"

namespace corvell {
namespace {

enum Export : int {
#define CORVELL_EXPORT_ID(name) k##name,
    CORVELL_QUILLON_EXPORTS(CORVELL_EXPORT_ID, CORVELL_EXPORT_ID, CORVELL_EXPORT_ID,
                            CORVELL_EXPORT_ID)
#undef CORVELL_EXPORT_ID
        kExportCount
};
static_assert(kExportCount == kQuillonExportCount, "the library has 78 exports");

constexpr std::array<const char*, kExportCount> kNames = {
#define CORVELL_EXPORT_NAME(name) #name,
    CORVELL_QUILLON_EXPORTS(CORVELL_EXPORT_NAME, CORVELL_EXPORT_NAME, CORVELL_EXPORT_NAME,
                            CORVELL_EXPORT_NAME)
#undef CORVELL_EXPORT_NAME
};

// Each entry of the table has the type of the export the library header declares.
#define CORVELL_CHECK0(name) static_assert(std::is_same_v<decltype(&::name), QuillonApi::Fn0>);
#define CORVELL_CHECK1(name) static_assert(std::is_same_v<decltype(&::name), QuillonApi::Fn1>);
#define CORVELL_CHECK4(name) static_assert(std::is_same_v<decltype(&::name), QuillonApi::Fn4>);
#define CORVELL_CHECK6(name) static_assert(std::is_same_v<decltype(&::name), QuillonApi::Fn6>);
CORVELL_QUILLON_EXPORTS(CORVELL_CHECK0, CORVELL_CHECK1, CORVELL_CHECK4, CORVELL_CHECK6)
#undef CORVELL_CHECK0
#undef CORVELL_CHECK1
#undef CORVELL_CHECK4
#undef CORVELL_CHECK6

// What an export that cannot be bound answers.
int32_t zero0() {
    return 0;
}
int32_t zero1(int32_t) {
    return 0;
}
int32_t zero4(int32_t, int32_t, int32_t, int32_t) {
    return 0;
}
int32_t zero6(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {
    return 0;
}

void* asAddress(auto fn) {
    return reinterpret_cast<void*>(fn);
}

struct Binding {
    std::mutex mutex;
    std::string path;  // empty: beside the executable, then the loader's search
    void* handle = nullptr;
    bool loadTried = false;
    std::array<bool, kExportCount> reported{};
    // The bound function of each export (or its zero stub); null until its first call.
    std::array<std::atomic<void*>, kExportCount> bound{};
};

Binding& binding() {
    static Binding b;
    return b;
}

std::string executableDirectory() {
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    std::string exe(buffer, static_cast<std::size_t>(n));
    const auto slash = exe.rfind('/');
    return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

void report(const std::string& text) {
    platform::tellUser(text, platform::MessageIcon::Error);
}

// Called with the mutex held; what is to be reported goes into `message`, shown once the mutex
// is free.
void loadLibrary(Binding& b, std::string& message) {
    if (b.loadTried) return;
    b.loadTried = true;
    std::string error;
    auto attempt = [&](const std::string& file) {
        if (b.handle) return;
        b.handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!b.handle) {
            const char* why = ::dlerror();
            error = why ? why : file;
        }
    };
    if (!b.path.empty()) {
        attempt(b.path);
    } else {
        const std::string dir = executableDirectory();
        if (!dir.empty()) attempt(dir + "/libquillon.so");
        attempt("libquillon.so");
    }
    if (!b.handle) {
        message = "The receiver link library libquillon.so could not be loaded.\r\n" + error +
                  "\r\nThe receiver cannot be reached.";
    }
}

// The message box is shown after the mutex is released: while it is open the program's timers
// go on and call exports, which must neither wait for the box nor lock the mutex a second time.
void* resolve(int id, void* fallback) {
    Binding& b = binding();
    void* fn = b.bound[id].load(std::memory_order_acquire);
    if (fn) return fn;
    std::string message;
    {
        std::lock_guard<std::mutex> lock(b.mutex);
        fn = b.bound[id].load(std::memory_order_relaxed);
        if (fn) return fn;
        loadLibrary(b, message);
        if (b.handle) fn = ::dlsym(b.handle, kNames[id]);
        if (!fn) {
            if (b.handle && !b.reported[id]) {
                b.reported[id] = true;
                message = std::string("The receiver link library has no function ") + kNames[id] +
                          ".\r\nThe call is answered with 0.";
            }
            fn = fallback;
        }
        b.bound[id].store(fn, std::memory_order_release);
    }
    if (!message.empty()) report(message);
    return fn;
}

template <int Id>
int32_t thunk0() {
    return reinterpret_cast<QuillonApi::Fn0>(resolve(Id, asAddress(&zero0)))();
}
template <int Id>
int32_t thunk1(int32_t a) {
    return reinterpret_cast<QuillonApi::Fn1>(resolve(Id, asAddress(&zero1)))(a);
}
template <int Id>
int32_t thunk4(int32_t a, int32_t b, int32_t c, int32_t d) {
    return reinterpret_cast<QuillonApi::Fn4>(resolve(Id, asAddress(&zero4)))(a, b, c, d);
}
template <int Id>
int32_t thunk6(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e, int32_t f) {
    return reinterpret_cast<QuillonApi::Fn6>(resolve(Id, asAddress(&zero6)))(a, b, c, d, e, f);
}

constexpr QuillonApi makeLibraryTable() {
    QuillonApi t;
#define CORVELL_THUNK0(name) t.name = &thunk0<k##name>;
#define CORVELL_THUNK1(name) t.name = &thunk1<k##name>;
#define CORVELL_THUNK4(name) t.name = &thunk4<k##name>;
#define CORVELL_THUNK6(name) t.name = &thunk6<k##name>;
    CORVELL_QUILLON_EXPORTS(CORVELL_THUNK0, CORVELL_THUNK1, CORVELL_THUNK4, CORVELL_THUNK6)
#undef CORVELL_THUNK0
#undef CORVELL_THUNK1
#undef CORVELL_THUNK4
#undef CORVELL_THUNK6
    return t;
}

constexpr QuillonApi kLibraryTable = makeLibraryTable();

std::atomic<const QuillonApi*> g_current{&kLibraryTable};

}  // namespace

const QuillonApi& Quillon() {
    return *g_current.load(std::memory_order_relaxed);
}

void BindQuillon(const QuillonApi* table) {
    g_current.store(table ? table : &kLibraryTable, std::memory_order_relaxed);
}

const QuillonApi& QuillonLibraryApi() {
    return kLibraryTable;
}

void SetQuillonLibraryPath(std::string path) {
    Binding& b = binding();
    std::lock_guard<std::mutex> lock(b.mutex);
    b.path = std::move(path);
}

void ResetQuillonLibrary() {
    Binding& b = binding();
    std::lock_guard<std::mutex> lock(b.mutex);
    for (auto& fn : b.bound) fn.store(nullptr, std::memory_order_relaxed);
    b.reported.fill(false);
    if (b.handle) ::dlclose(b.handle);
    b.handle = nullptr;
    b.loadTried = false;
}

}  // namespace corvell
