#include "platform/private_profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <limits>
#include <mutex>
#include <unordered_map>

#include "platform/atomic_file.h"
#include "platform/ini_document.h"

namespace platform {
namespace {

// A settings file is a few kilobytes and a full memory file about a hundred; anything far
// beyond that is not ours to hold in memory (nor to overwrite: see `readable`).
constexpr off_t kMaxFileBytes = 64 * 1024 * 1024;
// A full memory file has about 1100 lines. Each line held costs about a hundred bytes beside
// its text, so a file of millions of (empty) lines would take gigabytes: it is no INI file.
constexpr std::size_t kMaxLines = 1024 * 1024;

struct Stamp {
    bool exists = false;
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    long long mtimeNs = 0;
    bool operator==(const Stamp&) const = default;
};

Stamp stampFrom(const struct stat& st) {
    return {true, st.st_dev, st.st_ino, st.st_size,
            static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
}

Stamp stampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    return stampFrom(st);
}

struct CachedFile {
    IniDocument doc;
    Stamp stamp;
    bool loaded = false;
    bool readable = true;  // false: the file exists but could not be read; never replace it
    bool dirty = false;    // changes in memory not yet on disk (only inside a batch)
    int batchDepth = 0;
};

std::mutex g_lock;
std::unordered_map<std::string, CachedFile> g_files;

std::string cacheKey(const std::string& path) {
    return std::filesystem::path(path).lexically_normal().string();
}

void readFromDisk(const std::string& path, CachedFile& file) {
    removeStaleTemporaries(path);  // what a save killed half-way left beside the file
    file.doc = IniDocument();
    file.readable = true;
    file.loaded = true;
    // Non-blocking, so that a FIFO standing where the file should be cannot hang the caller.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        // A name too long for the file system names no file: the save then says why it fails.
        file.readable = errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG;
        file.stamp = stampOf(path);
        return;
    }
    struct stat st {};
    std::string bytes;
    // Only a regular file is read (and so ever replaced); a directory, FIFO or device is not.
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kMaxFileBytes;
    if (ok) {
        file.stamp = stampFrom(st);
        bytes.resize(static_cast<std::size_t>(st.st_size));
        std::size_t got = 0;
        while (ok) {
            if (got == bytes.size()) bytes.resize(bytes.size() + 4096);  // the file grew
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) ok = false;
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
            if (got > static_cast<std::size_t>(kMaxFileBytes)) ok = false;
        }
        bytes.resize(got);
    }
    ::close(fd);
    if (ok && static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) >= kMaxLines) {
        ok = false;
    }
    if (!ok) {
        file.readable = false;
        file.stamp = stampOf(path);
        return;
    }
    file.doc = IniDocument::parse(bytes);
}

// The file's copy in memory, read again when the file changed on disk since (changes
// waiting in a batch always win).
CachedFile& cached(const std::string& path) {
    CachedFile& file = g_files[cacheKey(path)];
    if (file.dirty) return file;
    if (!file.loaded || stampOf(path) != file.stamp) readFromDisk(path, file);
    return file;
}

// Why a file that is there but could not be read is never replaced.
std::string unreadable(const std::string& path) {
    return path + ": not a settings file that can be read";
}

// What one call did to the disk, told to the listener once the lock is released.
struct Attempt {
    bool made = false;
    std::string failure;
};

std::atomic<ProfileWriteListener*> g_listener{nullptr};

void tell(const std::string& path, const Attempt& attempt) {
    ProfileWriteListener* listener = g_listener.load();
    if (attempt.made && listener) listener->profileWritten(path, attempt.failure);
}

bool flush(const std::string& path, CachedFile& file, Attempt& attempt) {
    attempt.made = true;
    bool ok = false;
    if (!file.readable) {
        attempt.failure = unreadable(path);
    } else {
        ok = replaceFileAtomically(path, file.doc.serialize(), &attempt.failure);
    }
    file.dirty = false;
    if (ok) {
        file.stamp = stampOf(path);
        attempt.failure.clear();
    } else {
        file.loaded = false;  // what is on disk is the truth; the next call reads it again
    }
    return ok;
}

bool apply(const std::string& path, CachedFile& file, IniDocument::Edit edit, Attempt& attempt) {
    if (edit == IniDocument::Edit::Invalid) return false;
    if (edit == IniDocument::Edit::Unchanged) return true;
    file.dirty = true;
    return file.batchDepth > 0 || flush(path, file, attempt);
}

// One edit of the file's copy in memory, written out unless a batch holds it, then told.
template <typename Edit>
bool change(const std::string& path, Edit edit) {
    Attempt attempt;
    bool ok = false;
    {
        std::lock_guard lock(g_lock);
        CachedFile& file = cached(path);
        ok = apply(path, file, edit(file.doc), attempt);
    }
    tell(path, attempt);
    return ok;
}

std::string_view unquote(std::string_view v) {
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') return v.substr(1, v.size() - 2);
    return v;
}

}  // namespace

std::optional<std::string> readProfileValue(const std::string& path, std::string_view section,
                                            std::string_view key) {
    std::lock_guard lock(g_lock);
    const auto value = cached(path).doc.value(section, key);
    if (!value) return std::nullopt;
    return std::string(unquote(*value));
}

std::string readProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view fallback) {
    auto value = readProfileValue(path, section, key);
    return value ? std::move(*value) : std::string(fallback);
}

int32_t readProfileInt(const std::string& path, std::string_view section, std::string_view key,
                       int32_t fallback) {
    const auto value = readProfileValue(path, section, key);
    if (!value || value->empty()) return fallback;
    std::string_view s = *value;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') break;
        n = std::min<int64_t>(n * 10 + (c - '0'), kLimit);
    }
    if (negative) return static_cast<int32_t>(-n);
    return static_cast<int32_t>(std::min<int64_t>(n, kLimit - 1));
}

bool writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
    return change(path, [&](IniDocument& doc) { return doc.set(section, key, value); });
}

bool deleteProfileKey(const std::string& path, std::string_view section, std::string_view key) {
    return change(path, [&](IniDocument& doc) { return doc.erase(section, key); });
}

bool profileWritable(const std::string& path, std::string* error) {
    if (!canReplaceFile(path, error)) return false;
    std::lock_guard lock(g_lock);
    if (cached(path).readable) return true;
    if (error) *error = unreadable(path);
    return false;
}

void setProfileWriteListener(ProfileWriteListener* listener) {
    g_listener.store(listener);
}

void clearProfileCache() {
    std::lock_guard lock(g_lock);
    std::erase_if(g_files, [](const auto& entry) {
        return !entry.second.dirty && entry.second.batchDepth == 0;
    });
}

ProfileBatch::ProfileBatch(std::string path) : path_(std::move(path)) {
    std::lock_guard lock(g_lock);
    ++cached(path_).batchDepth;
}

ProfileBatch::~ProfileBatch() {
    if (open_) commit();
}

bool ProfileBatch::commit() {
    if (!open_) return committed_;
    open_ = false;
    Attempt attempt;
    {
        std::lock_guard lock(g_lock);
        CachedFile& file = g_files[cacheKey(path_)];
        committed_ = --file.batchDepth > 0 || !file.dirty || flush(path_, file, attempt);
    }
    failure_ = attempt.failure;
    tell(path_, attempt);
    return committed_;
}

std::string failureReason(const std::string& path, std::string failure) {
    for (const std::string& head : {path + ": ", "cannot write " + path + ": "}) {
        if (failure.starts_with(head)) failure.erase(0, head.size());
    }
    return failure;
}

}  // namespace platform
