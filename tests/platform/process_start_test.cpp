#include "platform/process_start.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Polls `done` until it holds or five seconds pass.
template <typename Condition>
bool eventually(Condition done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

std::vector<std::string> readLines(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A private folder with a folder inside whose name has blanks, quotes and a ";" in it, and in
// that a script that writes its working directory and its arguments, one a line, to `marker`.
class Started : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/corvell-start-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root_ = pattern;
        dir_ = root_ / "odd 'name' \"x\"; touch injected";
        fs::create_directories(dir_);
        marker_ = root_ / "marker";  // a plain name the script can quote
        script_ = writeScript(dir_ / "run me; touch injected.sh",
                              "printf '%s\\n' \"$PWD\" \"$@\" > \"" + marker_.string() +
                                  ".part\" && mv \"" + marker_.string() + ".part\" \"" +
                                  marker_.string() + "\"\n");
    }
    void TearDown() override { fs::remove_all(root_); }

    static fs::path writeScript(const fs::path& path, const std::string& body) {
        std::ofstream(path) << "#!/bin/sh\n" << body;
        fs::permissions(path, fs::perms::owner_all);
        return path;
    }
    bool markerWritten() const {
        return eventually([&] { return fs::exists(marker_); });
    }
    // Nothing a shell would have run from the odd names came into being anywhere.
    void expectNothingElseRan() const {
        for (const auto& entry : fs::recursive_directory_iterator(root_)) {
            EXPECT_NE(entry.path().filename(), "injected") << entry.path();
            EXPECT_NE(entry.path().filename(), "x") << entry.path();
        }
        EXPECT_FALSE(fs::exists("injected"));
    }

    fs::path root_, dir_, marker_, script_;
};

TEST_F(Started, RunsExactlyThePathGivenWithItsArgumentsInTheWorkingDirectory) {
    const std::vector<std::string> arguments = {"a b", "$(touch x)", ";", "*", "'q'", "\"", ""};
    const platform::StartResult r = platform::startProcess(script_, arguments, dir_);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_GT(r.pid, 0);
    ASSERT_TRUE(markerWritten());
    std::vector<std::string> expected = {dir_.string()};
    expected.insert(expected.end(), arguments.begin(), arguments.end());
    EXPECT_EQ(readLines(marker_), expected);
    expectNothingElseRan();
}

TEST_F(Started, KeepsTheCallersWorkingDirectoryWhenNoneIsGiven) {
    ASSERT_TRUE(platform::startProcess(script_, {}).ok);
    ASSERT_TRUE(markerWritten());
    EXPECT_EQ(readLines(marker_), std::vector<std::string>{fs::current_path().string()});
}

TEST_F(Started, AnEndedProgramIsReapedAndLeavesNoZombie) {
    const platform::StartResult r = platform::startProcess(script_, {}, dir_);
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_TRUE(markerWritten());
    // A zombie would stay in the process table until someone waits for it.
    EXPECT_TRUE(eventually([&] { return ::kill(r.pid, 0) != 0 && errno == ESRCH; }));
}

TEST_F(Started, FailuresAreReportedWithTheReason) {
    const fs::path plain = dir_ / "not executable";
    std::ofstream(plain) << "#!/bin/sh\n";
    fs::permissions(plain, fs::perms::owner_read | fs::perms::owner_write);
    const struct {
        std::string executable;
        std::string workingDirectory;
        std::string errorHas;
    } cases[] = {
        {(dir_ / "missing").string(), "", "No such file or directory"},
        {plain.string(), "", "Permission denied"},
        {dir_.string(), "", "Is a directory"},
        {"run me; touch injected.sh", "", "not an absolute path"},
        {"", "", "not an absolute path"},
        {script_.string(), (dir_ / "gone").string(), "No such file or directory"},
        {script_.string(), plain.string(), "Not a directory"},
    };
    for (const auto& c : cases) {
        const platform::StartResult r =
            platform::startProcess(c.executable, {"arg"}, c.workingDirectory);
        EXPECT_FALSE(r.ok) << c.executable;
        EXPECT_EQ(r.pid, -1);
        EXPECT_NE(r.error.find(c.errorHas), std::string::npos) << r.error;
        if (!c.executable.empty()) {
            EXPECT_NE(r.error.find(c.executable), std::string::npos) << r.error;
        }
        if (!c.workingDirectory.empty()) {
            EXPECT_NE(r.error.find(c.workingDirectory), std::string::npos) << r.error;
        }
    }
    EXPECT_FALSE(fs::exists(marker_));
    expectNothingElseRan();
}

// Sets PATH for one test and puts the old value back.
class PathGuard {
  public:
    explicit PathGuard(const std::string& value) {
        if (const char* old = std::getenv("PATH")) old_ = old;
        ::setenv("PATH", value.c_str(), 1);
    }
    ~PathGuard() {
        if (old_) {
            ::setenv("PATH", old_->c_str(), 1);
        } else {
            ::unsetenv("PATH");
        }
    }

  private:
    std::optional<std::string> old_;
};

TEST_F(Started, TheDesktopHandlerGetsThePathAsOneArgument) {
    // A stand-in for xdg-open, found through PATH as the real one would be.
    const fs::path bin = root_ / "bin";
    fs::create_directories(bin);
    fs::create_symlink(script_, bin / "xdg-open");
    PathGuard path("relative/first::" + bin.string() + ":/usr/bin:/bin");
    EXPECT_EQ(platform::findInPath("xdg-open"), (bin / "xdg-open").string());

    const std::string document = (dir_ / "help page; rm -rf x.html").string();
    platform::StartResult r = platform::openWithDesktop(document);
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_TRUE(markerWritten());
    EXPECT_EQ(readLines(marker_).back(), document);

    // A name that looks like an option is not taken for one.
    fs::remove(marker_);
    ASSERT_TRUE(platform::openWithDesktop("-v.html").ok);
    ASSERT_TRUE(markerWritten());
    EXPECT_EQ(readLines(marker_).back(), "./-v.html");
    expectNothingElseRan();
}

TEST(DesktopOpener, MissingHandlerOrNameIsAClearFailure) {
    PathGuard path("/nonexistent-corvell-dir");
    platform::StartResult r = platform::openWithDesktop("/tmp/help.html");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("xdg-open"), std::string::npos) << r.error;
    r = platform::openWithDesktop("");
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
}

TEST(DesktopOpener, AnInstalledOpenerIsCalledInsteadAndCanBeRemoved) {
    std::vector<std::string> opened;
    const platform::DesktopOpener previous = platform::setDesktopOpener([&](const std::string& p) {
        opened.push_back(p);
        return platform::StartResult{true, 4242, {}};
    });
    EXPECT_FALSE(previous);
    const platform::StartResult r = platform::openWithDesktop("/opt/corvell/Corvell.html");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.pid, 4242);
    EXPECT_EQ(opened, std::vector<std::string>{"/opt/corvell/Corvell.html"});
    EXPECT_TRUE(platform::setDesktopOpener({}));  // the test's opener comes back

    PathGuard path("/nonexistent-corvell-dir");
    EXPECT_FALSE(platform::openWithDesktop("/opt/corvell/Corvell.html").ok);
    EXPECT_EQ(opened.size(), 1u);
}

}  // namespace

namespace {

// The desktop's own opener, standing in for an xdg-open that starts and then ends with `body`.
class LateFailure : public Started {
  protected:
    void useOpener(const std::string& body) {
        const fs::path bin = root_ / "bin";
        fs::create_directories(bin);
        writeScript(bin / "xdg-open", "touch \"" + marker_.string() + "\"\n" + body);
        path_.emplace(bin.string() + ":/usr/bin:/bin");
    }
    std::optional<PathGuard> path_;
};

TEST_F(LateFailure, AHandlerThatEndsInFailureIsReportedOnceWithTheReason) {
    const struct {
        std::string body;
        std::string reason;  // empty: it opened, nothing is reported
    } cases[] = {
        {"exit 0\n", ""},
        {"exit 3\n", "xdg-open ended with status 3"},
        {"kill -9 $$\n", "xdg-open was ended by signal 9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        fs::remove(marker_);
        useOpener(c.body);
        std::mutex lock;
        std::vector<std::string> reports;
        const std::string document = (dir_ / "guide.html").string();
        const platform::StartResult r =
            platform::openWithDesktop(document, [&](const std::string& why) {
                std::lock_guard guard(lock);
                reports.push_back(why);
            });
        ASSERT_TRUE(r.ok) << r.error;
        ASSERT_TRUE(markerWritten());
        ASSERT_TRUE(eventually([&] { return ::kill(r.pid, 0) != 0 && errno == ESRCH; }));
        if (c.reason.empty()) {
            std::lock_guard guard(lock);
            EXPECT_TRUE(reports.empty());
            continue;
        }
        ASSERT_TRUE(eventually([&] {
            std::lock_guard guard(lock);
            return !reports.empty();
        }));
        std::lock_guard guard(lock);
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_NE(reports[0].find(c.reason), std::string::npos) << reports[0];
        EXPECT_NE(reports[0].find(document), std::string::npos) << reports[0];
    }
}

}  // namespace
