#include "platform/named_mutex.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <future>
#include <string>

#include "tests/platform/fork_child.h"

namespace {

using platform::NamedMutex;
using testing_fork::runInChild;

std::string uniqueName(const char* what) {
    return std::string("corvell_test_") + what + "_" + std::to_string(::getpid());
}

bool tryFromAnotherThread(NamedMutex& mutex) {
    return std::async(std::launch::async,
                      [&] {
                          const bool got = mutex.try_lock();
                          if (got) mutex.unlock();
                          return got;
                      })
        .get();
}

TEST(NamedMutex, OwnerMayLockAgainThroughAnyHandleOfTheName) {
    NamedMutex first(uniqueName("reentrant"));
    NamedMutex second(uniqueName("reentrant"));
    EXPECT_TRUE(first.systemWide());
    first.lock();
    second.lock();  // same thread, same name: no deadlock
    EXPECT_TRUE(first.try_lock());
    first.unlock();
    second.unlock();
    EXPECT_FALSE(tryFromAnotherThread(second));  // still held once
    first.unlock();
    EXPECT_TRUE(tryFromAnotherThread(second));
}

TEST(NamedMutex, ProcessesExcludeEachOther) {
    const std::string name = uniqueName("processes");
    NamedMutex mutex(name);
    mutex.lock();
    const auto childTries = [&] {
        NamedMutex mine(name);
        if (!mine.try_lock()) return 0;
        mine.unlock();
        return 1;
    };
    EXPECT_EQ(runInChild(childTries), 0);
    mutex.unlock();
    EXPECT_EQ(runInChild(childTries), 1);
}

TEST(NamedMutex, ABoundedWaitGivesUpOnAHolderInAnyProcessAndTakesAFreeMutex) {
    using std::chrono::milliseconds;
    const std::string name = uniqueName("bounded");
    NamedMutex mutex(name);
    mutex.lock();
    const auto childWaits = [&] {
        NamedMutex mine(name);
        if (!mine.try_lock_for(milliseconds(20))) return 0;
        mine.unlock();
        return 1;
    };
    EXPECT_EQ(runInChild(childWaits), 0);
    EXPECT_FALSE(std::async(std::launch::async, [&] {
                     const bool got = mutex.try_lock_for(milliseconds(20));
                     if (got) mutex.unlock();
                     return got;
                 }).get());
    EXPECT_TRUE(mutex.try_lock_for(milliseconds(0)));  // its owner may always enter again
    mutex.unlock();
    mutex.unlock();
    EXPECT_EQ(runInChild(childWaits), 1);
}

TEST(NamedMutex, AHolderThatDiesReleasesIt) {
    const std::string name = uniqueName("crash");
    EXPECT_EQ(runInChild([&] {
                  NamedMutex mine(name);
                  mine.lock();
                  ::_exit(3);  // dies holding it
                  return 0;
              }),
              3);
    NamedMutex mutex(name);
    EXPECT_TRUE(mutex.try_lock());
    mutex.unlock();
}

TEST(NamedMutex, LockFileLivesInTheRuntimeDirectory) {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string keep = saved ? saved : "";
    ::setenv("XDG_RUNTIME_DIR", "/run/user/42", 1);
    EXPECT_EQ(NamedMutex::lockFilePath("Varnel_CCitCtrl_mt"),
              "/run/user/42/Varnel_CCitCtrl_mt.lock");
    // Without one, a folder of the user's own: never /tmp itself, which every user shares.
    ::unsetenv("XDG_RUNTIME_DIR");
    const std::string own = "/tmp/corvell-" + std::to_string(::geteuid());
    EXPECT_EQ(NamedMutex::lockFilePath("a/b"), own + "/a_b.lock");
    {
        NamedMutex mutex(uniqueName("own"));
        EXPECT_TRUE(mutex.systemWide()) << mutex.lockProblem();
        EXPECT_EQ(mutex.lockProblem(), "");
        struct stat info {};
        ASSERT_EQ(::lstat(own.c_str(), &info), 0);
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_mode & 07777, 0700u);
        EXPECT_EQ(info.st_uid, ::geteuid());
        ::unlink(NamedMutex::lockFilePath(uniqueName("own")).c_str());
    }
    if (saved) ::setenv("XDG_RUNTIME_DIR", keep.c_str(), 1);
}

TEST(NamedMutex, WithoutALockFileItStillExcludesWithinTheProcess) {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string keep = saved ? saved : "";
    ::setenv("XDG_RUNTIME_DIR", "/nonexistent/dir", 1);
    NamedMutex mutex(uniqueName("nofile"));
    if (saved)
        ::setenv("XDG_RUNTIME_DIR", keep.c_str(), 1);
    else
        ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_FALSE(mutex.systemWide());
    EXPECT_NE(mutex.lockProblem().find("/nonexistent/dir/"), std::string::npos)
        << mutex.lockProblem();
    EXPECT_NE(mutex.lockProblem().find("No such file or directory"), std::string::npos)
        << mutex.lockProblem();
    mutex.lock();
    EXPECT_FALSE(tryFromAnotherThread(mutex));
    mutex.unlock();
    EXPECT_TRUE(tryFromAnotherThread(mutex));
}

}  // namespace
