// The end on a disk that filled up while the program ran, through the real Qt message box and
// the program's own event loop, as main() runs them: File > Exit shows the box that the
// settings could not be saved while the loop still runs, and the program ends only once the
// box is answered; an end by signal is not held up by a box, and says it on standard error.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Program.h"
#include "core/ProgramObjects.h"
#include "core/ReceiverCodes.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "shell/MenuModel.h"
#include "shell/frmMain.h"
#include "tests/support/fast_emulator.h"
#include "tests/support/small_disk.h"
#include "tests/support/temp_home.h"
#include "tools/rx-emulator/rx_emulator.h"
#include "ui/QtMessagePresenter.h"

namespace corvell::test {
namespace {

class EndOnFullDisk : public ::testing::Test {
  protected:
    EndOnFullDisk() : emu(fastEmulatorOptions()) {
        ResetProgramObjects();
        ResetProgramMemory();
    }
    ~EndOnFullDisk() override {
        program.reset();
        ResetProgramMemory();
        ResetProgramObjects();
        emu.stop();
        ::unsetenv("QUILLON_COM1");
    }
    void SetUp() override {
        if (!disk.mounted()) GTEST_SKIP() << disk.whyNot();
        home.write("Corvell.ini", "[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n");
        platform::clearProfileCache();
        ASSERT_TRUE(emu.start()) << emu.lastError();
        ::setenv("QUILLON_COM1", emu.devicePath().c_str(), 1);
        // No hook for the end: it ends the event loop, as in the program itself.
        app::Program::Options options;
        options.executableDir = home.dir();
        program = std::make_unique<app::Program>(std::move(options));
        ASSERT_TRUE(program->start());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(program->mainWindow()));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return program->receiver()->LinkStat() == kLinkStatLinked; }, 5000));
        before = home.read("Corvell.ini");
        ASSERT_TRUE(disk.fill());
    }

    // Runs the event loop as main() does until it ends, `end` started from inside it. Each box
    // that opens is found among the top-level windows, noted, and answered by `answer`, by
    // default its OK. Returns what happened, in order.
    std::vector<std::string> runUntilTheEnd(const std::function<void()>& end,
                                            const std::function<void(QMessageBox&)>& answer = {}) {
        std::vector<std::string> events;
        QObject context;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, &context,
                         [&] { events.emplace_back("event loop ends"); });
        QTimer boxWatch;
        boxWatch.setInterval(5);
        QObject::connect(&boxWatch, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (box == nullptr || !box->isVisible()) continue;
                if (!boxTexts.empty() && box->text().toStdString() == boxTexts.back()) continue;
                events.emplace_back("box shown");
                boxTexts.push_back(box->text().toStdString());
                if (answer) {
                    answer(*box);
                    continue;
                }
                QAbstractButton* ok = box->button(QMessageBox::Ok);
                ASSERT_NE(ok, nullptr) << boxTexts.back();
                ok->click();
                events.emplace_back("box answered");
            }
        });
        boxWatch.start();
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, [&] {
            events.emplace_back("still running after 20 s");
            QCoreApplication::exit(1);
        });
        deadline.start(20000);
        QTimer::singleShot(0, &context, end);
        QApplication::exec();
        events.emplace_back("exec returned");
        return events;
    }

    std::string ini() const { return home.path("Corvell.ini"); }

    TempHome home;
    SmallDisk disk{home.dir(), 256 * 1024};
    ui::ScopedQtMessagePresenter presenter;  // the real boxes, installed as main() does
    rxemu::RxEmulator emu;
    std::unique_ptr<app::Program> program;
    std::string before;  // Corvell.ini as it was when the disk filled
    std::vector<std::string> boxTexts;
};

TEST_F(EndOnFullDisk, FileExitShowsTheBoxWhileTheProgramRunsAndEndsOnlyAfterTheAnswer) {
    const std::vector<std::string> events = runUntilTheEnd(
        [&] { program->mainWindow()->menuAction(shell::MenuId::File, 8)->trigger(); });
    EXPECT_EQ(events, (std::vector<std::string>{"box shown", "box answered", "event loop ends",
                                                "exec returned"}));
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_NE(boxTexts[0].find("The settings could not be saved in"), std::string::npos);
    EXPECT_NE(boxTexts[0].find(ini()), std::string::npos) << boxTexts[0];
    EXPECT_NE(boxTexts[0].find(std::strerror(ENOSPC)), std::string::npos) << boxTexts[0];
    // The end went on: the receiver is off, the old settings are whole.
    EXPECT_TRUE(program->mainWindow()->ended());
    EXPECT_FALSE(emu.poweredOn());
    EXPECT_EQ(home.read("Corvell.ini"), before);
}

TEST_F(EndOnFullDisk, ASignalWhileThatBoxIsOpenClosesItAndEnds) {
    const std::vector<std::string> events = runUntilTheEnd(
        [&] { program->mainWindow()->menuAction(shell::MenuId::File, 8)->trigger(); },
        [](QMessageBox&) { ::kill(::getpid(), SIGTERM); });
    EXPECT_EQ(events, (std::vector<std::string>{"box shown", "event loop ends", "exec returned"}));
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_NE(boxTexts[0].find("The settings could not be saved in"), std::string::npos);
    EXPECT_FALSE(emu.poweredOn());
    EXPECT_EQ(home.read("Corvell.ini"), before);
}

TEST_F(EndOnFullDisk, AnEndBySignalShowsNoBoxAndSaysItOnStandardError) {
    ::testing::internal::CaptureStderr();
    const std::vector<std::string> events = runUntilTheEnd([] { ::kill(::getpid(), SIGTERM); });
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(events, (std::vector<std::string>{"event loop ends", "exec returned"}));
    EXPECT_TRUE(boxTexts.empty()) << boxTexts.front();
    EXPECT_NE(log.find("Corvell: The settings could not be saved in " + ini()), std::string::npos)
        << log;
    EXPECT_TRUE(program->mainWindow()->ended());
    EXPECT_FALSE(emu.poweredOn());
    EXPECT_EQ(home.read("Corvell.ini"), before);
}

}  // namespace
}  // namespace corvell::test
