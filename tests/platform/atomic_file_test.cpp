#include "platform/atomic_file.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <vector>

#include "platform/private_profile.h"
#include "tests/platform/fork_child.h"
#include "tests/support/small_disk.h"

// Every fsync() of this test program is noted (by the path of its descriptor) and then done;
// the file code is a shared library, so its calls come here first.
namespace {
std::mutex g_syncLock;
std::vector<std::string>& syncedPaths() {
    static auto* paths = new std::vector<std::string>;
    return *paths;
}
// Set in a child process, which then dies at its first sync as a killed save would: its
// temporary file is written and not yet renamed.
std::atomic<bool> g_dieAtSync{false};
constexpr int kDiedAtSync = 77;
}  // namespace

extern "C" int fsync(int fd) {
    if (g_dieAtSync.load()) ::_exit(kDiedAtSync);
    char path[PATH_MAX] = {};
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(link.c_str(), path, sizeof path - 1);
    {
        std::lock_guard guard(g_syncLock);
        syncedPaths().push_back(n > 0 ? std::string(path, static_cast<size_t>(n)) : "?");
    }
    using Fsync = int (*)(int);
    static const auto real = reinterpret_cast<Fsync>(::dlsym(RTLD_NEXT, "fsync"));
    return real ? real(fd) : 0;
}

namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/corvell-atomic-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir_ = fs::canonical(tmpl);
        path_ = (dir_ / "Corvell.ini").string();
        platform::clearProfileCache();
    }
    void TearDown() override {
        platform::clearProfileCache();
        fs::remove_all(dir_);
    }
    void put(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // The number of a process that has ended.
    static pid_t goneProcess() {
        pid_t pid = 0;
        int fds[2];
        if (::pipe(fds) != 0) return 0;
        testing_fork::runInChild([&] {
            const pid_t mine = ::getpid();
            return ::write(fds[1], &mine, sizeof mine) == sizeof mine ? 0 : 1;
        });
        if (::read(fds[0], &pid, sizeof pid) != sizeof pid) pid = 0;
        ::close(fds[0]);
        ::close(fds[1]);
        return pid;
    }
    fs::path temporary(const std::string& base, pid_t pid, int serial) {
        return dir_ /
               ("." + base + "." + std::to_string(pid) + "." + std::to_string(serial) + ".tmp");
    }

    static std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            found.push_back(entry.path().filename().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(AtomicFile, TheDataAndTheRenameAreBothSyncedBeforeSuccess) {
    {
        std::lock_guard guard(g_syncLock);
        syncedPaths().clear();
    }
    ASSERT_TRUE(platform::replaceFileAtomically(path_, "[S]\na=1\n"));
    std::lock_guard guard(g_syncLock);
    const auto& synced = syncedPaths();
    ASSERT_EQ(synced.size(), 2u);
    // The data, in a temporary file beside the file.
    EXPECT_EQ(fs::path(synced[0]).parent_path(), dir_) << synced[0];
    EXPECT_NE(synced[0], path_);
    EXPECT_EQ(synced[1], dir_.string());  // the directory entry of the rename
}

// A save killed half-way leaves its temporary file; the next save or read of the file clears
// such leftovers of writers that are gone, and nothing else.
TEST_F(AtomicFile, TemporariesOfGoneWritersAreClearedOnTheNextSaveOrRead) {
    const pid_t gone = goneProcess();
    ASSERT_GT(gone, 0);
    const fs::path stale = temporary("Corvell.ini", gone, 0);
    const fs::path live = temporary("Corvell.ini", ::getpid(), 999);  // a save still running
    const fs::path otherFile = temporary("Other.ini", gone, 0);
    const fs::path notOurs = dir_ / ".Corvell.ini.notes.tmp";
    for (const fs::path& p : {stale, live, otherFile, notOurs}) put(p, std::string(4096, 'x'));

    ASSERT_TRUE(platform::replaceFileAtomically(path_, "[S]\na=1\n"));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(live));
    EXPECT_TRUE(fs::exists(otherFile));
    EXPECT_TRUE(fs::exists(notOurs));

    const fs::path staleAgain = temporary("Corvell.ini", gone, 7);
    put(staleAgain, "half");
    EXPECT_EQ(platform::readProfileString(path_, "S", "a", ""), "1");
    EXPECT_FALSE(fs::exists(staleAgain));
    EXPECT_TRUE(fs::exists(live));
}

}  // namespace

namespace {

// Whether a save could write the file is known before one is tried, and asking changes nothing.
TEST_F(AtomicFile, WhetherAFileCanBeReplacedIsKnownWithoutWritingIt) {
    std::string why;
    EXPECT_TRUE(platform::canReplaceFile(path_, &why)) << why;
    EXPECT_TRUE(platform::profileWritable(path_, &why)) << why;
    put(path_, "[S]\na=1\n");
    EXPECT_TRUE(platform::canReplaceFile(path_, &why)) << why;
    EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(dir_), {}), std::vector<fs::path>{path_})
        << "the trial file is gone again";

    fs::permissions(path_, fs::perms::owner_read);
    EXPECT_FALSE(platform::canReplaceFile(path_, &why));
    EXPECT_NE(why.find(path_), std::string::npos) << why;
    EXPECT_FALSE(platform::profileWritable(path_));
    fs::remove(path_);

    fs::create_directory(path_);
    EXPECT_FALSE(platform::canReplaceFile(path_, &why));
    EXPECT_NE(why.find("directory"), std::string::npos) << why;
    EXPECT_FALSE(platform::profileWritable(path_));
    fs::remove(path_);

    ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    EXPECT_FALSE(platform::canReplaceFile(path_));
    EXPECT_FALSE(platform::profileWritable(path_));
    fs::remove(path_);

    EXPECT_FALSE(platform::canReplaceFile((dir_ / "missing" / "Corvell.ini").string(), &why));
    EXPECT_NE(why.find("cannot create a file in"), std::string::npos) << why;
}

}  // namespace

namespace {

// On a full disk an empty file can still be made, so a trial of that kind passed and the first
// word came only when a save failed. The trial now needs the room a save takes; a save on the
// full disk fails with the reason and leaves the old file whole and nothing beside it.
TEST_F(AtomicFile, AFullDiskIsKnownBeforeASaveAndTheSaveOnItChangesNothing) {
    corvell::test::SmallDisk disk(dir_.string(), 64 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << disk.whyNot();
    put(path_, "[S]\na=1\n");
    std::string why;
    ASSERT_TRUE(platform::canReplaceFile(path_, &why)) << why;
    ASSERT_TRUE(disk.fill());

    const std::string noSpace = std::strerror(ENOSPC);
    EXPECT_FALSE(platform::canReplaceFile(path_, &why));
    EXPECT_NE(why.find(noSpace), std::string::npos) << why;
    EXPECT_FALSE(platform::profileWritable(path_, &why));
    EXPECT_NE(why.find(path_), std::string::npos) << why;

    EXPECT_FALSE(platform::replaceFileAtomically(path_, "[S]\na=2\n", &why));
    EXPECT_NE(why.find(noSpace), std::string::npos) << why;
    EXPECT_FALSE(platform::writeProfileString(path_, "S", "a", "2"));
    std::ifstream in(path_, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "[S]\na=1\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 2) << "the file and the filler";

    disk.makeRoom();
    EXPECT_TRUE(platform::canReplaceFile(path_, &why)) << why;
    EXPECT_TRUE(platform::writeProfileString(path_, "S", "a", "2"));
}

}  // namespace

namespace {

// The temporary file of a save has a short name of its own, so a file whose name is as long as
// the folder takes is saved, through a link too, and what a save of it killed half-way left is
// cleared by the next save. A name one byte longer is refused with its reason and makes nothing.
TEST_F(AtomicFile, TheLongestNameTheFolderTakesIsSavedAndOneLongerIsRefused) {
    const long most = ::pathconf(dir_.c_str(), _PC_NAME_MAX);
    ASSERT_GT(most, 8);
    const std::string longest = std::string(static_cast<size_t>(most) - 4, 'n') + ".ini";
    const std::string path = (dir_ / longest).string();
    const std::string link = (dir_ / "Linked.ini").string();
    std::string why;
    ASSERT_TRUE(platform::replaceFileAtomically(path, "[S]\na=1\n", &why)) << why;
    EXPECT_TRUE(platform::canReplaceFile(path, &why)) << why;
    fs::create_symlink(longest, link);
    ASSERT_TRUE(platform::replaceFileAtomically(link, "[S]\na=2\n", &why)) << why;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(path), "[S]\na=2\n");
    const std::vector<std::string> both{"Linked.ini", longest};
    EXPECT_EQ(names(), both);

    const int died = testing_fork::runInChild([&] {
        g_dieAtSync = true;
        platform::replaceFileAtomically(path, "[S]\na=3\n");
        return 0;
    });
    ASSERT_EQ(died, kDiedAtSync);
    EXPECT_EQ(contents(path), "[S]\na=2\n");
    ASSERT_EQ(names().size(), 3u) << "the killed save left its temporary file";
    ASSERT_TRUE(platform::replaceFileAtomically(path, "[S]\na=4\n", &why)) << why;
    EXPECT_EQ(names(), both);
    EXPECT_EQ(contents(path), "[S]\na=4\n");

    const std::string tooLong =
        (dir_ / (std::string(static_cast<size_t>(most) - 3, 'n') + ".ini")).string();
    const std::string reason = std::strerror(ENAMETOOLONG);
    EXPECT_FALSE(platform::canReplaceFile(tooLong, &why));
    EXPECT_NE(why.find(reason), std::string::npos) << why;
    EXPECT_FALSE(platform::replaceFileAtomically(tooLong, "[S]\na=1\n", &why));
    EXPECT_NE(why.find(reason), std::string::npos) << why;
    EXPECT_EQ(names(), both);
}

}  // namespace
