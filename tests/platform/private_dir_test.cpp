// The per-user folder of the lock files: made private when missing, refused when another user
// could reach into it or has put something else in its place.
#include "platform/private_dir.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {

using platform::preparePrivateDirectory;

class PrivateDirectory : public ::testing::Test {
  protected:
    PrivateDirectory() {
        char tmpl[] = "/tmp/corvell-private-XXXXXX";
        base_ = ::mkdtemp(tmpl) ? tmpl : "";
    }
    ~PrivateDirectory() override {
        std::error_code ec;
        std::filesystem::remove_all(base_, ec);
    }
    std::string base_;
};

unsigned modeOf(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

TEST_F(PrivateDirectory, AMissingFolderIsMadePrivateAndAnOwnPrivateOneIsKept) {
    const std::string dir = base_ + "/locks";
    const mode_t oldMask = ::umask(0277);  // a mask that would leave the user no way in
    const std::string made = preparePrivateDirectory(dir);
    ::umask(oldMask);
    EXPECT_EQ(made, "");
    EXPECT_EQ(modeOf(dir), 0700u);
    std::ofstream(dir + "/kept.lock") << "";
    EXPECT_EQ(preparePrivateDirectory(dir), "");  // again: kept as it is
    EXPECT_TRUE(std::filesystem::exists(dir + "/kept.lock"));
}

TEST_F(PrivateDirectory, AFolderOthersCouldUseIsRefusedWithTheReason) {
    const std::string own = base_ + "/own";
    ASSERT_EQ(::mkdir(own.c_str(), 0700), 0);
    const struct {
        const char* what;
        std::function<bool(const std::string&)> make;  // puts it in place; false: cannot here
        const char* said;
    } cases[] = {
        {"open to others",
         [](const std::string& d) {
             return ::mkdir(d.c_str(), 0700) == 0 && ::chmod(d.c_str(), 0755) == 0;
         },
         "open to other users (mode 0755"},
        {"a symbolic link to a private folder of this user",
         [&](const std::string& d) { return ::symlink(own.c_str(), d.c_str()) == 0; },
         "is a symbolic link"},
        {"a file", [](const std::string& d) { return std::ofstream(d).good(); }, "is not a folder"},
        {"under a folder that is missing", [](const std::string&) { return true; },
         "cannot be made: No such file or directory"},
        {"another user's",  // only a superuser can give a folder away
         [](const std::string& d) {
             return ::mkdir(d.c_str(), 0700) == 0 && ::chown(d.c_str(), 4242, 4242) == 0;
         },
         "belongs to another user (uid 4242)"},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string dir = base_ + "/case" + std::to_string(++n) +
                                (std::string(c.what).starts_with("under") ? "/gone/locks" : "");
        if (!c.make(dir)) {
            EXPECT_NE(::geteuid(), 0u) << "could not set the case up";
            continue;
        }
        const std::string problem = preparePrivateDirectory(dir);
        EXPECT_NE(problem.find(dir), std::string::npos) << problem;
        EXPECT_NE(problem.find(c.said), std::string::npos) << problem;
    }
    EXPECT_EQ(modeOf(own), 0700u);  // the link's target is left as it was
}

}  // namespace
