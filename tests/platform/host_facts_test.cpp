#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/file_exists.h"
#include "platform/program_dir.h"
#include "platform/user_locale.h"

namespace {

// Sets environment variables for one test and puts the old values back.
class EnvGuard {
  public:
    explicit EnvGuard(std::initializer_list<const char*> names) {
        for (const char* n : names) {
            const char* v = std::getenv(n);
            saved_.emplace_back(n, v ? std::optional<std::string>(v) : std::nullopt);
            ::unsetenv(n);
        }
    }
    ~EnvGuard() {
        for (const auto& [n, v] : saved_) {
            if (v) {
                ::setenv(n.c_str(), v->c_str(), 1);
            } else {
                ::unsetenv(n.c_str());
            }
        }
    }

  private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(UserLocale, CountryCodeFollowsTheFirstLocaleVariableSet) {
    EnvGuard guard({"LC_ALL", "LC_MESSAGES", "LANG"});
    struct Case {
        const char* all;
        const char* messages;
        const char* lang;
        const char* want;
    };
    const Case cases[] = {
        {nullptr, nullptr, "ja_JP.UTF-8", "81"},
        {nullptr, nullptr, "ja", "81"},
        {nullptr, nullptr, "en_US.UTF-8", "1"},
        {"de_DE@euro", nullptr, "ja_JP.UTF-8", "49"},
        {nullptr, "ja_JP.eucJP", "en_GB.UTF-8", "81"},
        {"", nullptr, "en_GB", "44"},
        {nullptr, nullptr, "C.UTF-8", ""},
        {nullptr, nullptr, "POSIX", ""},
        {nullptr, nullptr, nullptr, ""},
        {nullptr, nullptr, "xx_ZZ", ""},
    };
    for (const Case& c : cases) {
        c.all ? ::setenv("LC_ALL", c.all, 1) : ::unsetenv("LC_ALL");
        c.messages ? ::setenv("LC_MESSAGES", c.messages, 1) : ::unsetenv("LC_MESSAGES");
        c.lang ? ::setenv("LANG", c.lang, 1) : ::unsetenv("LANG");
        EXPECT_EQ(platform::userCountryCode(), c.want) << (c.lang ? c.lang : "(none)");
    }
}

TEST(ProgramDirectory, IsTheExecutablesDirectoryUnlessOverridden) {
    EnvGuard guard({"CORVELL_HOME"});
    const auto exe = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(platform::programDirectory(), exe.parent_path().string());
    ::setenv("CORVELL_HOME", "/tmp/somewhere//", 1);
    EXPECT_EQ(platform::programDirectory(), "/tmp/somewhere");
    ::setenv("CORVELL_HOME", "/", 1);
    EXPECT_EQ(platform::programDirectory(), "/");
    ::setenv("CORVELL_HOME", "", 1);
    EXPECT_EQ(platform::programDirectory(), exe.parent_path().string());
}

TEST(FileOpensForReading, OnlyReadableNonDirectories) {
    char tmpl[] = "/tmp/corvell-exists-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    const std::string dir = tmpl;
    std::ofstream(dir + "/file") << "x";
    ASSERT_EQ(::mkfifo((dir + "/fifo").c_str(), 0600), 0);
    EXPECT_TRUE(platform::fileOpensForReading(dir + "/file"));
    EXPECT_TRUE(platform::fileOpensForReading(dir + "/fifo"));  // and does not hang
    EXPECT_FALSE(platform::fileOpensForReading(dir));
    EXPECT_FALSE(platform::fileOpensForReading(dir + "/missing"));
    EXPECT_FALSE(platform::fileOpensForReading(""));
    std::filesystem::remove_all(dir);
}

}  // namespace
