#include "platform/shared_memory.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "tests/platform/fork_child.h"

namespace {

using platform::SharedMemory;

class SharedMemoryTest : public ::testing::Test {
  protected:
    void TearDown() override { SharedMemory::remove(name_); }
    const std::string name_ = "corvell_test_shm_" + std::to_string(::getpid());
};

TEST_F(SharedMemoryTest, FirstOpenCreatesZeroedPrivateMemoryLaterOnesShareIt) {
    SharedMemory first;
    ASSERT_TRUE(first.open(name_, 4096)) << first.lastError();
    EXPECT_TRUE(first.created());
    EXPECT_EQ(first.size(), 4096u);
    const auto* bytes = static_cast<const unsigned char*>(first.data());
    for (size_t i = 0; i < 4096; ++i) ASSERT_EQ(bytes[i], 0) << i;

    struct stat info {};
    ASSERT_EQ(::stat(("/dev/shm/" + name_).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    std::memcpy(first.data(), "hello", 5);
    SharedMemory second;
    ASSERT_TRUE(second.open(name_, 4096));
    EXPECT_FALSE(second.created());
    EXPECT_EQ(std::memcmp(second.data(), "hello", 5), 0);
}

TEST_F(SharedMemoryTest, AnotherProcessSeesAndChangesTheSameBytes) {
    SharedMemory mine;
    ASSERT_TRUE(mine.open(name_, 240032));
    static_cast<char*>(mine.data())[240031] = 'p';
    const int code = testing_fork::runInChild([&] {
        SharedMemory theirs;
        if (!theirs.open(name_, 240032) || theirs.created()) return 1;
        char* bytes = static_cast<char*>(theirs.data());
        if (bytes[240031] != 'p') return 2;
        bytes[0] = 'c';
        return 0;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(static_cast<char*>(mine.data())[0], 'c');
}

TEST_F(SharedMemoryTest, ABadNameFailsWithAReasonAndMapsNothing) {
    SharedMemory memory;
    EXPECT_FALSE(memory.open("bad/name", 64));
    EXPECT_FALSE(memory.isOpen());
    EXPECT_EQ(memory.data(), nullptr);
    EXPECT_NE(memory.lastError().find("/bad/name"), std::string::npos);
    EXPECT_FALSE(memory.open(name_, 0));
}

}  // namespace
