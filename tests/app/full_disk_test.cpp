// Settings on a disk that fills up, through the whole program on a small file system of its
// own: each failure is told once, naming the file and the reason, when it begins (at start,
// while running, or at Exit), and the end goes on; the old Corvell.ini stays whole. The end's
// failed write is logged on one line, whether it began the failure or one was told before.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/Program.h"
#include "core/ProgramObjects.h"
#include "memory/clsMEMORY.h"
#include "shell/frmMain.h"
#include "tests/support/fake_quillon.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/small_disk.h"
#include "tests/support/temp_home.h"

namespace corvell::test {
namespace {

class FullDisk : public ::testing::Test {
  protected:
    FullDisk() {
        ResetProgramObjects();
        ResetProgramMemory();
    }
    ~FullDisk() override {
        program.reset();
        ResetProgramMemory();
        ResetProgramObjects();
    }
    void SetUp() override {
        if (!disk.mounted()) GTEST_SKIP() << disk.whyNot();
        home.write("Corvell.ini", kSettings);
        platform::clearProfileCache();
    }
    shell::frmMain& start() {
        app::Program::Options options;
        options.ended = [this] { ++ended; };
        options.executableDir = home.dir();
        program = std::make_unique<app::Program>(std::move(options));
        EXPECT_TRUE(program->start());
        return *program->mainWindow();
    }
    // The boxes shown so far that speak of the settings file, each checked for its name and
    // the reason.
    std::size_t settingsBoxes() const {
        std::size_t n = 0;
        for (const platform::MessageRequest& box : presenter.shown()) {
            EXPECT_NE(box.text.find(home.path("Corvell.ini")), std::string::npos) << box.text;
            EXPECT_NE(box.text.find(std::strerror(ENOSPC)), std::string::npos) << box.text;
            EXPECT_EQ(box.title, "Corvell");
            ++n;
        }
        return n;
    }

    // The lines of `log` that name the settings file.
    std::vector<std::string> linesNamingTheFile(const std::string& log) const {
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = log.find('\n', start)) != std::string::npos; start = end + 1) {
            const std::string line = log.substr(start, end - start);
            if (line.find(home.path("Corvell.ini")) != std::string::npos) lines.push_back(line);
        }
        return lines;
    }

    static constexpr const char* kSettings = "[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n";
    TempHome home;
    SmallDisk disk{home.dir(), 256 * 1024};
    platform::ScriptedPresenter presenter;
    FakeQuillon rs;
    std::unique_ptr<app::Program> program;
    int ended = 0;
};

TEST_F(FullDisk, EachFailureIsToldOnceWhenItBeginsWhileRunningAndAtExit) {
    shell::frmMain& frame = start();
    EXPECT_TRUE(presenter.shown().empty());

    // While running: hiding the memory list saves its placement.
    ASSERT_TRUE(disk.fill());
    frame.KeyAction("MEMORY");
    frame.KeyAction("MEMORY");
    ASSERT_EQ(settingsBoxes(), 1u);
    EXPECT_NE(presenter.shown()[0].text.find("could not be saved"), std::string::npos);

    // Room again: the next save reaches the file, and that failure is over.
    disk.makeRoom();
    frame.KeyAction("MEMORY");
    frame.KeyAction("MEMORY");
    EXPECT_EQ(settingsBoxes(), 1u);
    const std::string saved = home.read("Corvell.ini");
    EXPECT_NE(saved, kSettings);

    // Full again at Exit: every key of the end fails, and it is said once; the end goes on.
    ASSERT_TRUE(disk.fill());
    frame.KeyAction("RADIO");
    rs.calls.clear();
    ::testing::internal::CaptureStderr();
    frame.close();
    const std::vector<std::string> logged =
        linesNamingTheFile(::testing::internal::GetCapturedStderr());
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(settingsBoxes(), 2u);
    ASSERT_EQ(logged.size(), 1u) << ::testing::PrintToString(logged);
    EXPECT_NE(logged[0].find("The settings could not be saved in"), std::string::npos);
    EXPECT_GE(rs.count("RsPowerOff"), 1);  // the receiver is switched off all the same
    EXPECT_EQ(home.read("Corvell.ini"), saved);
}

TEST_F(FullDisk, ADiskFullAtStartIsToldAtStartAndNotAgainAtExit) {
    ASSERT_TRUE(disk.fill());
    shell::frmMain& frame = start();
    ASSERT_EQ(settingsBoxes(), 1u);
    EXPECT_NE(presenter.shown().back().text.find("cannot be written"), std::string::npos);
    EXPECT_TRUE(frame.isVisible());
    ::testing::internal::CaptureStderr();
    frame.close();
    const std::vector<std::string> logged =
        linesNamingTheFile(::testing::internal::GetCapturedStderr());
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(settingsBoxes(), 1u);
    EXPECT_EQ(logged, std::vector<std::string>{"Corvell: the settings were not written to " +
                                               home.path("Corvell.ini")});
    EXPECT_EQ(home.read("Corvell.ini"), kSettings);
}

}  // namespace
}  // namespace corvell::test
