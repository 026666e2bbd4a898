// A signal to end the program is an Exit: with changed channels it asks first, Cancel keeps
// it running, and a second signal while it asks ends it without the channels but with the
// settings written and the receiver switched off. One while start-up shows a dialog answers
// that dialog as its Cancel. Real signals, sent to this very process.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QDialog>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Program.h"
#include "core/ProgramObjects.h"
#include "memory/clsMEMORY.h"
#include "platform/message_box.h"
#include "shell/frmMain.h"
#include "tests/support/fake_quillon.h"
#include "tests/support/temp_home.h"

namespace corvell::test {
namespace {

using platform::MessageResult;

constexpr const char* kSavePrompt = "Do You Want to save Memory-Channel Data ?";

// A box stays open, its event loop running, until the test's answer comes or it is dismissed.
class OpenBoxes : public platform::MessagePresenter {
  public:
    OpenBoxes() { platform::setMessagePresenter(this); }
    ~OpenBoxes() override { platform::setMessagePresenter(nullptr); }
    MessageResult present(const platform::MessageRequest& r) override {
        texts.push_back(r.text);
        dismissed_.reset();
        if (whileOpen) whileOpen();
        if (answer) return *answer;
        if (!QTest::qWaitFor([&] { return dismissed_.has_value(); }, 5000)) {
            ADD_FAILURE() << "the box was never dismissed";
        }
        return dismissed_.value_or(MessageResult::Cancel);
    }
    void dismissOpen(MessageResult a) override {
        dismissals.push_back(a);
        dismissed_ = a;
    }
    std::function<void()> whileOpen;
    std::optional<MessageResult> answer;  // none: wait for a dismissal
    std::vector<std::string> texts;
    std::vector<MessageResult> dismissals;

  private:
    std::optional<MessageResult> dismissed_;
};

class EndBySignalInProcess : public ::testing::Test {
  protected:
    EndBySignalInProcess() {
        ResetProgramObjects();
        ResetProgramMemory();
        home.write("Corvell.ini", "[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n");
        platform::clearProfileCache();
        app::Program::Options options;
        options.ended = [this] { ++ended; };
        options.executableDir = home.dir();
        program = std::make_unique<app::Program>(std::move(options));
        EXPECT_TRUE(program->start());
        // Changed channels in a file of their own.
        clsMEMORY& memory = ProgramMemory();
        EXPECT_EQ(memory.SaveAsMemory(home.path("MINE.MCH")), 1);
        memory.setStrBankName(3, "Airband");
        rs.clear();
    }
    ~EndBySignalInProcess() override {
        program.reset();
        ResetProgramMemory();
        ResetProgramObjects();
    }
    void send(int signal) { ::kill(::getpid(), signal); }
    bool endedSoon() {
        return QTest::qWaitFor([&] { return ended > 0; }, 5000);
    }
    // The close path ran to its end with No for the channels: the receiver off, the settings
    // written, the changed channels not.
    void expectEndedWithoutTheChannels() {
        ASSERT_TRUE(endedSoon());
        EXPECT_EQ(boxes.texts, std::vector<std::string>{kSavePrompt});
        ASSERT_FALSE(boxes.dismissals.empty());
        EXPECT_EQ(boxes.dismissals.front(), MessageResult::No);
        EXPECT_FALSE(channelsSaved());
        EXPECT_GE(rs.count("RsPowerOff"), 1);
        const std::string ini = home.read("Corvell.ini");
        EXPECT_NE(ini.find("CONNECT=1"), std::string::npos) << ini;
        EXPECT_NE(ini.find("PANELMODE=0"), std::string::npos) << ini;
        EXPECT_NE(ini.find("[WINDOW_PLACEMENT]"), std::string::npos) << ini;
        EXPECT_NE(ini.find("MINE.MCH"), std::string::npos) << ini;
    }
    bool channelsSaved() const {
        return home.read("MINE.MCH").find("Airband") != std::string::npos;
    }

    TempHome home;
    OpenBoxes boxes;
    FakeQuillon rs;
    std::unique_ptr<app::Program> program;
    int ended = 0;
};

TEST_F(EndBySignalInProcess, ASecondSignalWhileThePromptIsOpenEndsWithoutTheChannels) {
    boxes.whileOpen = [&] { send(SIGHUP); };  // the second one may be any of the three
    send(SIGTERM);
    expectEndedWithoutTheChannels();
}

TEST_F(EndBySignalInProcess, ASignalWhileTheExitPromptIsOpenEndsWithoutTheChannels) {
    boxes.whileOpen = [&] { send(SIGTERM); };
    program->mainWindow()->KeyAction("EXIT");
    expectEndedWithoutTheChannels();
}

TEST_F(EndBySignalInProcess, EachSignalAsksAboutChangedChannelsAndCancelKeepsTheProgram) {
    boxes.answer = MessageResult::Cancel;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        const size_t before = boxes.texts.size();
        send(signal);
        ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.texts.size() > before; }, 5000));
        EXPECT_EQ(boxes.texts.back(), kSavePrompt);
        EXPECT_EQ(ended, 0);
        EXPECT_TRUE(program->mainWindow()->isVisible());
        EXPECT_EQ(rs.count("RsPowerOff"), 0);
    }
    boxes.answer = MessageResult::Yes;  // a later signal asks again, and Yes saves
    send(SIGTERM);
    ASSERT_TRUE(endedSoon());
    EXPECT_EQ(boxes.texts.size(), 4u);
    EXPECT_TRUE(channelsSaved());
    EXPECT_GE(rs.count("RsPowerOff"), 1);
}

}  // namespace
}  // namespace corvell::test

namespace corvell::test {
namespace {

// Start-up on a program directory of its own, ended by a signal while it shows a dialog.
class EndWhileStarting : public ::testing::Test {
  protected:
    EndWhileStarting() {
        ResetProgramObjects();
        ResetProgramMemory();
    }
    ~EndWhileStarting() override {
        program.reset();
        ResetProgramMemory();
        ResetProgramObjects();
    }
    bool start(std::function<int(QDialog&)> runModal = {}) {
        platform::clearProfileCache();
        app::Program::Options options;
        options.runModal = std::move(runModal);
        options.ended = [this] { ++ended; };
        options.executableDir = home->dir();
        program = std::make_unique<app::Program>(std::move(options));
        return program->start();
    }

    std::optional<TempHome> home{std::in_place};
    OpenBoxes boxes;
    FakeQuillon rs;
    std::unique_ptr<app::Program> program;
    int ended = 0;
};

TEST_F(EndWhileStarting, ASignalAtTheFirstRunsPortDialogEndsAsItsCancelWritingNothing) {
    const struct {
        int signal;
        std::optional<std::string> ini;  // none: the very first start, no settings file yet
    } cases[] = {
        {SIGTERM, std::nullopt},
        {SIGINT,
         "[DATA]\r\nCOMPORT=0\r\nCONNECT=1\r\nRXFREQ=82500000\r\n[MAIN]\r\nPANELMODE=2\r\n"},
        {SIGHUP, "[DATA]\r\nCOMPORT=0\r\n[WINDOW_PLACEMENT]\r\nFRMTUNER=1,0,1,2,3,4\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.signal);
        program.reset();
        home.emplace();
        if (c.ini) home->write("Corvell.ini", *c.ini);
        rs.calls.clear();
        bool shown = false;
        bool stayedOpen = false;
        const bool started = start([&](QDialog& dialog) {
            QTimer::singleShot(0, &dialog, [&] {
                shown = dialog.isVisible();
                ::kill(::getpid(), c.signal);
            });
            // A dialog the signal did not end is closed here, so the test goes on to fail.
            QTimer::singleShot(5000, &dialog, [&] {
                stayedOpen = true;
                dialog.done(QDialog::Accepted);
            });
            return dialog.exec();
        });
        EXPECT_TRUE(shown);
        EXPECT_FALSE(stayedOpen) << "the signal left the dialog open";
        EXPECT_FALSE(started);
        EXPECT_FALSE(program->mainWindow()->isVisible());
        EXPECT_EQ(rs.count("RsPowerOn"), 0);
        program.reset();
        EXPECT_EQ(ended, 0);
        if (c.ini) {
            EXPECT_EQ(home->read("Corvell.ini"), *c.ini);
        } else {
            EXPECT_FALSE(std::filesystem::exists(home->path("Corvell.ini")));
        }
    }
}

TEST_F(EndWhileStarting, ASignalWhileAStartUpBoxIsOpenAnswersItAsCancelAndThenExits) {
    // The warning about a settings file that cannot be written comes after the load.
    const std::string settings = "[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n";
    home->write("Corvell.ini", settings);
    std::filesystem::permissions(home->path("Corvell.ini"), std::filesystem::perms::owner_read);
    boxes.whileOpen = [] { ::kill(::getpid(), SIGTERM); };
    ASSERT_TRUE(start());
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_NE(boxes.texts[0].find("cannot be written"), std::string::npos) << boxes.texts[0];
    ASSERT_FALSE(boxes.dismissals.empty());
    EXPECT_EQ(boxes.dismissals.front(), MessageResult::Cancel);
    // The end itself is the Exit, once the program's own loop runs.
    EXPECT_EQ(ended, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended > 0; }, 5000));
    EXPECT_EQ(rs.count("RsPowerOn"), 1);
    EXPECT_GE(rs.count("RsPowerOff"), 1);
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(home->read("Corvell.ini"), settings);
}

}  // namespace
}  // namespace corvell::test
