#include <gtest/gtest.h>

#include <filesystem>

#include "core/PathProcs.h"
#include "tests/support/temp_home.h"

namespace {

using namespace corvell;

TEST(PathProcs, FileNamePart) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/file.mch", "file.mch"},
        {"file.mch", "file.mch"},
        {"dir/", ""},
        {"a:b.MCH", "a:b.MCH"},  // a colon is part of a Linux file name
        {"back\\slash.mch", "back\\slash.mch"},
        {"", ""},
    };
    for (const auto& [path, want] : cases) EXPECT_EQ(GetFileNamePart(path), want) << path;
}

TEST(PathProcs, PathPart) {
    const std::string cwd = std::filesystem::current_path().string();
    const std::pair<const char*, std::string> cases[] = {
        {"/home/u/file.mch", "/home/u"},
        {"/home/u/", "/home/u"},
        {"dir/", "dir"},
        {"dir/sub/f", "dir/sub"},
        {"/file.mch", "/"},
        {"/", "/"},
        {"file.mch", cwd},
        {"", cwd},
    };
    for (const auto& [path, want] : cases) EXPECT_EQ(GetPathPart(path), want) << path;
}

TEST(PathProcs, FileExists) {
    corvell::test::TempHome home;
    home.write("Corvell.HLP", "help");
    EXPECT_TRUE(FileExists(home.path("Corvell.HLP")));
    EXPECT_TRUE(FileExists(home.path("Corvell.HLP") + "/"));  // the trailing "/" is dropped
    EXPECT_FALSE(FileExists(home.path("Skarnview.exe")));
    EXPECT_FALSE(FileExists(home.dir()));
    EXPECT_FALSE(FileExists(""));
}

}  // namespace
