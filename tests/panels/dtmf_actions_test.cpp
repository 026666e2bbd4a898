// Remote actions on real files in a temporary directory: only a regular file at exactly the
// named path counts; a script whose name is full of blanks, quotes, ";" and "$()" starts as
// that one file, with no arguments, in the fixed directory; a document goes to the desktop's
// opener; a sound file to the sound player; messages need no file; other types run nothing.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "panels/dtmf/RemoteActions.h"
#include "platform/process_start.h"
#include "tests/support/recording_sound_player.h"

namespace corvell::test {
namespace {

namespace fs = std::filesystem;
using panels::FindActionFile;
using panels::RemoteActions;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// A temporary directory, a FIFO in it that started scripts report to, and the desktop's opener
// replaced by a recorder.
class RemoteActionsTest : public ::testing::Test {
  protected:
    RemoteActionsTest() {
        char tmpl[] = "/tmp/corvell-dtmf-XXXXXX";
        dir = ::mkdtemp(tmpl);
        fifo = dir + "/report.fifo";
        ::mkfifo(fifo.c_str(), 0600);
        // Held open for reading and writing, so a read waits for a script and never sees EOF.
        fifoFd = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
        previousOpener = platform::setDesktopOpener([this](const std::string& path) {
            opened.push_back(path);
            return platform::StartResult{true, 0, {}};
        });
    }
    ~RemoteActionsTest() override {
        platform::setDesktopOpener(previousOpener);
        ::close(fifoFd);
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    // A script that reports its argument count and working directory, then its own tag.
    std::string script(const std::string& relative, const std::string& tag) {
        const std::string path = dir + "/" + relative;
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path) << "#!/bin/sh\nprintf '%s|%s|%s\\n' \"$#\" \"$(pwd)\" '" << tag
                            << "' > '" << fifo << "'\n";
        fs::permissions(path, fs::perms::owner_all);
        return path;
    }
    std::string file(const std::string& relative) {
        const std::string path = dir + "/" + relative;
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path) << "text\n";
        return path;
    }

    // The next line a started script wrote, or nothing within ten seconds.
    std::optional<std::string> nextReport() {
        std::string line;
        pollfd p{fifoFd, POLLIN, 0};
        while (line.find('\n') == std::string::npos) {
            if (::poll(&p, 1, 10000) <= 0) return std::nullopt;
            char buffer[512];
            const ssize_t n = ::read(fifoFd, buffer, sizeof buffer);
            if (n > 0) line.append(buffer, static_cast<std::size_t>(n));
        }
        return line.substr(0, line.find('\n'));
    }

    RemoteActions actions() {
        return RemoteActions(
            {[this](const std::string& t) { messages.push_back(t); }, &sound, dir});
    }

    std::string dir;
    std::string fifo;
    int fifoFd = -1;
    platform::DesktopOpener previousOpener;
    std::vector<std::string> opened;
    std::vector<std::string> messages;
    RecordingSoundPlayer sound;
};

TEST_F(RemoteActionsTest, OnlyARegularFileAtExactlyThatPathIsFound) {
    const std::string doc = file("notes/today.txt");
    fs::create_directories(dir + "/a directory");
    ::mkfifo((dir + "/a fifo").c_str(), 0600);
    EXPECT_EQ(FindActionFile("notes/today.txt", dir), doc);
    EXPECT_EQ(FindActionFile(doc, "/elsewhere"), doc);  // an absolute name is taken as it is
    struct Missing {
        std::string text;
        const char* why;
    };
    const Missing missing[] = {
        {"", "empty"},
        {"   \t", "blank"},
        {"notes/*.txt", "wildcard"},
        {"notes/today.tx?", "wildcard"},
        {"notes/[t]oday.txt", "pattern"},
        {"notes/today.txt ", "trailing blank"},
        {"~/notes/today.txt", "no expansion"},
        {"$HOME/notes/today.txt", "no expansion"},
        {"notes", "directory"},
        {"a directory", "directory"},
        {"a fifo", "FIFO"},
        {"/dev/null", "device"},
        {"notes/missing.txt", "missing"},
    };
    for (const Missing& m : missing) {
        EXPECT_EQ(FindActionFile(m.text, dir), std::nullopt) << m.why << ": " << m.text;
    }
    // A relative name needs an absolute fixed directory to be found at all.
    EXPECT_EQ(FindActionFile("notes/today.txt", ""), std::nullopt);
    EXPECT_EQ(FindActionFile("today.txt", "notes"), std::nullopt);
}

TEST_F(RemoteActionsTest, AScriptWithShellCharactersInItsNameStartsAsThatOneFile) {
    const std::string name = "my tools/run \"now\"; touch pwned $(touch pwned2) 'x'.sh";
    script(name, "the script");
    RemoteActions a = actions();
    a.RunAction(panels::kActionStartFile, name);  // relative: found in the fixed directory
    EXPECT_EQ(nextReport(), "0|" + dir + "|the script");
    a.RunAction(panels::kActionStartFile, dir + "/" + name);  // the same file by its full path
    EXPECT_EQ(nextReport(), "0|" + dir + "|the script");
    EXPECT_FALSE(fs::exists(dir + "/pwned"));
    EXPECT_FALSE(fs::exists(dir + "/my tools/pwned"));
    EXPECT_FALSE(fs::exists(dir + "/pwned2"));
    EXPECT_THAT(opened, IsEmpty());
}

TEST_F(RemoteActionsTest, MissingFilesStartNothingAndAreLogged) {
    script("tools/run.sh", "must not run");
    fs::create_directories(dir + "/tools/a dir");
    RemoteActions a = actions();
    ::testing::internal::CaptureStderr();
    for (const char* text : {"tools/*.sh", "tools/run.s?", "tools/a dir", "", "   "}) {
        a.RunAction(panels::kActionStartFile, text);
        a.RunAction(panels::kActionPlaySound, text);
    }
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_THAT(log, HasSubstr("no file \"tools/*.sh\"; nothing started"));
    EXPECT_THAT(log, HasSubstr("no sound file \"tools/a dir\"; nothing played"));
    EXPECT_THAT(opened, IsEmpty());
    EXPECT_THAT(sound.played, IsEmpty());
    // Had anything started, its report would come before this one.
    script("tools/probe.sh", "probe");
    a.RunAction(panels::kActionStartFile, "tools/probe.sh");
    EXPECT_EQ(nextReport(), "0|" + dir + "|probe");
}

TEST_F(RemoteActionsTest, ADocumentGoesToTheDesktopOpenerAndASoundToThePlayer) {
    const std::string doc = file("docs/plan; rm -rf.pdf");
    const std::string bell = file("sounds/bell.wav");
    RemoteActions a = actions();
    a.RunAction(panels::kActionStartFile, "docs/plan; rm -rf.pdf");
    a.RunAction(panels::kActionPlaySound, "sounds/bell.wav");
    EXPECT_THAT(opened, ElementsAre(doc));
    EXPECT_THAT(sound.played, ElementsAre(bell));
}

TEST_F(RemoteActionsTest, AMessageNeedsNoFileAndOtherTypesRunNothing) {
    script("run.sh", "must not run");
    const std::string doc = file("doc.txt");
    RemoteActions a = actions();
    a.RunAction(panels::kActionMessage, "Net at 20:00, <b>bring</b> the log");
    for (int16_t type : {-1, 3, 7, 300}) {
        a.RunAction(type, "run.sh");
        a.RunAction(type, doc);
    }
    EXPECT_THAT(messages, ElementsAre("Net at 20:00, <b>bring</b> the log"));
    EXPECT_THAT(opened, IsEmpty());
    EXPECT_THAT(sound.played, IsEmpty());
    script("probe.sh", "probe");
    a.RunAction(panels::kActionStartFile, "probe.sh");
    EXPECT_EQ(nextReport(), "0|" + dir + "|probe");
}

TEST(RemoteActionDirectory, IsTheUsersHomeDirectory) {
    const std::string dir = panels::RemoteActionDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.front(), '/');
    struct stat info {};
    EXPECT_EQ(::stat(dir.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    if (const char* home = std::getenv("HOME"); home && home[0] == '/' && fs::is_directory(home)) {
        EXPECT_EQ(dir, home);
    }
}

}  // namespace
}  // namespace corvell::test
