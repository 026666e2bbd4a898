// A signal to end the program is an Exit: with changed channels it asks first, Cancel keeps
// it running, and a second signal while it asks ends it without the channels but with the
// settings written and the receiver switched off. Real signals, sent to this very process.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QTest>
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
