// The main window's life: load order and first run, the heartbeat and the notification, the
// tool strip and caption after a tick, the exit with its save prompt, and the final unload.
#include <QAction>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <thread>

#include "memory/clsMEMORY.h"
#include "platform/window_messages.h"
#include "shell/DlgComOption.h"
#include "tests/shell/frame_test_base.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/artifacts.h"

namespace corvell::test {
namespace {

using platform::MessageResult;
using shell::PanelSlot;

class Life : public FrameTest {};

TEST_F(Life, TheHeartbeatRunsItsStepsInTheirOrder) {
    open();
    std::vector<std::string> names;
    for (const auto& step : main().heartbeatSteps()) names.push_back(step.name);
    const std::vector<std::string> expected = {"frmMain.Task_exec",
                                               "frmTesselbase.Task_exec",
                                               "frmRadio.Task_exec",
                                               "frmReceiver.Task_exec",
                                               "frmScanPad.Task_exec",
                                               "frmScope.Task_exec",
                                               "frmMode.Task_exec",
                                               "frmTuner.Task_exec",
                                               "frmDTMF.Task_exec",
                                               "frmDSP.Task_exec",
                                               "frmMch.Task_exec",
                                               "frmSCANctrl.Task_exec",
                                               "DlgCtcssOption.Task_exec",
                                               "link check",
                                               "UpdateCaption",
                                               "UpdateMenus"};
    EXPECT_EQ(names, expected);
    fx.taskLog.clear();
    main().Timer1_Timer();
    const std::vector<std::string> panels = {"frmRadio", "frmReceiver", "frmScanPad",
                                             "frmScope", "frmMode",     "frmTuner",
                                             "frmDTMF",  "frmDSP",      "frmMch"};
    EXPECT_EQ(fx.taskLog, panels);
    EXPECT_FALSE(main().timerBusy());
    EXPECT_EQ(main().timer1().interval(), 50);
    EXPECT_TRUE(main().timer1().isActive());
}

TEST_F(Life, AStartWithConnectShowsThePanelsAndSwitchesOn) {
    writeIni("[DATA]\r\nCOMPORT=2\r\nCONNECT=1\r\n[MAIN]\r\nPANELMODE=1\r\n");
    open();
    EXPECT_EQ(main().PanelMode(), 1);
    EXPECT_EQ(main().Connect(), 1);
    EXPECT_EQ(rs.count("RsPowerOn"), 1);
    EXPECT_EQ(rs.value("ComportNum"), 2);
    EXPECT_EQ(visiblePanels(), std::vector<PanelSlot>{PanelSlot::Radio});
    EXPECT_EQ(fx.modalRuns, 0);
    EXPECT_EQ(rs.callsTo("RsSetHwndScanNotify").back().args[0], main().notifyHandle());
}

TEST_F(Life, APanelModeOutsideTheThreeReadsAsSimple) {
    writeIni("[DATA]\r\nCOMPORT=1\r\nCONNECT=0\r\n[MAIN]\r\nPANELMODE=7\r\n");
    open();
    EXPECT_EQ(main().PanelMode(), 0);
    main().close();
    EXPECT_EQ(fx.endedCount, 1);
    EXPECT_NE(ini().find("PANELMODE=0"), std::string::npos);
}

TEST_F(Life, ToolPicturesCaptionAndMenusAfterOneTick) {
    rs.setValue("UnitOption", 0x11);  // DSP and data units fitted
    open();
    for (int i = 1; i <= shell::kToolCount; ++i) EXPECT_EQ(main().tool(i)->imageId(), 0) << i;
    main().Timer1_Timer();
    struct Row {
        int tool, id;
    } off[] = {{5, 1901}, {3, 1925}, {2, 1929},  {1, 1933}, {4, 1937},  {6, 1905},  {7, 1906},
               {8, 1908}, {9, 1910}, {10, 1912}, {11, 0},   {12, 1914}, {13, 1918}, {14, 1920}};
    for (const Row& r : off) EXPECT_EQ(main().tool(r.tool)->imageId(), r.id) << r.tool;
    EXPECT_EQ(main().windowTitle(), "Corvell  - Power OFF");
    EXPECT_TRUE(main().menuAction(shell::MenuId::File, 0)->isEnabled());
    EXPECT_FALSE(main().menuAction(shell::MenuId::File, 1)->isEnabled());
    EXPECT_FALSE(main().menuAction(shell::MenuId::View, 0)->isEnabled());

    main().KeyAction("POWER");
    main().Timer1_Timer();
    EXPECT_EQ(main().tool(5)->imageId(), 1902);
    EXPECT_EQ(main().tool(3)->imageId(), 1923);  // the tuner is open at power-on
    EXPECT_EQ(main().windowTitle(), "Corvell  - COM Port Trouble? ");  // not linked yet
    rs.setValue("PowerOnStat", 1);
    EXPECT_FALSE(main().menuAction(shell::MenuId::File, 0)->isEnabled());
    EXPECT_TRUE(main().menuAction(shell::MenuId::File, 1)->isEnabled());
    EXPECT_TRUE(main().menuAction(shell::MenuId::View, 0)->isChecked());
    EXPECT_TRUE(main().menuAction(shell::MenuId::Simple, 0)->isChecked());
    EXPECT_TRUE(main().menuAction(shell::MenuId::View, 8)->isVisible());   // DSP unit fitted
    EXPECT_FALSE(main().menuAction(shell::MenuId::View, 9)->isVisible());  // no decoder
}

TEST_F(Life, WithoutTheDspUnitAnOpenDspPanelIsHiddenAtTheNextTick) {
    rs.setValue("UnitOption", 0);
    open();
    main().KeyAction("POWER");
    main().KeyAction("DSP");
    EXPECT_TRUE(main().panelVisible(PanelSlot::DSP));
    main().Timer1_Timer();
    EXPECT_FALSE(main().panelVisible(PanelSlot::DSP));
    EXPECT_EQ(main().tool(12)->imageId(), 0);
    EXPECT_FALSE(main().menuAction(shell::MenuId::View, 8)->isVisible());
}

TEST_F(Life, ToolPressesRunOnlyWhereTheyApply) {
    open();
    main().Timer1_Timer();
    clickTool(9);  // MEMORY with the receiver off: dropped
    EXPECT_FALSE(main().panelVisible(PanelSlot::Mch));
    EXPECT_EQ(main().tool(9)->imageId(), 1910);
    clickTool(5);  // POWER always answers
    EXPECT_EQ(main().Connect(), 1);
    clickTool(9);
    EXPECT_TRUE(main().panelVisible(PanelSlot::Mch));

    // Press, slide off, release outside: nothing; slide back on before release: runs.
    ui::ImageHotZone* memory = main().tool(9);
    QTest::mousePress(memory, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(memory, QPoint(200, 5));
    QTest::mouseRelease(memory, Qt::LeftButton, {}, QPoint(200, 5));
    EXPECT_TRUE(main().panelVisible(PanelSlot::Mch));
    QTest::mousePress(memory, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(memory, QPoint(200, 5));
    QTest::mouseMove(memory, QPoint(42, 37));  // the corner counts as on the image
    QTest::mouseRelease(memory, Qt::LeftButton, {}, QPoint(42, 37));
    EXPECT_FALSE(main().panelVisible(PanelSlot::Mch));
}

TEST_F(Life, OrdinaryMouseMovesRunNoTick) {
    open();
    main().timer1().stop();  // only what the moves themselves run counts
    fx.taskLog.clear();
    rs.clear();
    QWidget* client = main().mdiArea()->viewport();
    for (int x = 10; x < 200; x += 20) QTest::mouseMove(client, QPoint(x, 40));
    QTest::mouseMove(&main(), QPoint(300, 300));
    EXPECT_TRUE(fx.taskLog.empty());
    EXPECT_EQ(rs.count("RsGetScanStat"), 0);
}

TEST_F(Life, TheScanNotificationFeedsTheControllerAndRunsOneTick) {
    open();
    main().timer1().stop();  // only the tick the notification runs counts
    fx.taskLog.clear();
    rs.clear();
    rs.setValue("ScanStat", 3);
    const platform::WindowHandle handle = main().notifyHandle();
    ASSERT_TRUE(platform::isWindow(handle));
    bool delivered = false;
    bool done = false;
    std::thread link([&] {
        delivered = platform::sendMessageTimeout(handle, 0x200, 1, 10, 5000);
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 6000));
    link.join();
    EXPECT_TRUE(delivered);
    EXPECT_EQ(rs.count("RsGetScanStat"), 1);
    EXPECT_EQ(fx.taskLog.size(), 9u);  // one tick over the nine panels
    // Another message to the same window is not the notification.
    fx.taskLog.clear();
    bool otherDone = false;
    std::thread other([&] {
        platform::sendMessageTimeout(handle, 0x201, 1, 10, 5000);
        otherDone = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return otherDone; }, 6000));
    other.join();
    QApplication::processEvents();
    EXPECT_TRUE(fx.taskLog.empty());

    main().close();
    EXPECT_FALSE(platform::isWindow(handle));  // gone before the receiver unloads
    EXPECT_EQ(rs.callsTo("RsSetHwndScanNotify").back().args[0], 0);
}

// A presenter that closes the main window from inside the link-failure prompt, as a user who
// clicks the close box while the prompt is open.
class ClosingPresenter : public platform::MessagePresenter {
  public:
    explicit ClosingPresenter(std::function<void()> inside) : inside_(std::move(inside)) {
        platform::setMessagePresenter(this);
    }
    ~ClosingPresenter() override { platform::setMessagePresenter(nullptr); }
    MessageResult present(const platform::MessageRequest& r) override {
        texts.push_back(r.text);
        inside_();
        return MessageResult::Cancel;
    }
    std::vector<std::string> texts;

  private:
    std::function<void()> inside_;
};

TEST_F(Life, TheFinalUnloadWaitsForTheTickItIsNestedIn) {
    open();
    main().KeyAction("POWER");
    bool endedInside = true;
    bool receiverLoadedInside = false;
    ClosingPresenter closer([&] {
        main().close();
        endedInside = fx.endedCount != 0;
        receiverLoadedInside = !main().isVisible() && fx.rx->loaded();
    });
    fx.rx->setError(1);
    ++fx.second;
    main().Timer1_Timer();
    ASSERT_EQ(closer.texts.size(), 1u);
    EXPECT_EQ(closer.texts[0], "Communication failed.\r\nCannot access Receiver.   ");
    EXPECT_FALSE(endedInside);
    EXPECT_TRUE(receiverLoadedInside);
    EXPECT_EQ(fx.endedCount, 1);
    EXPECT_FALSE(main().timerBusy());
}

TEST_F(Life, TheLinkPromptIsShownOnceAndRetrySwitchesOffAndOn) {
    open();
    main().KeyAction("POWER");
    presenter.answerNext(MessageResult::Retry);
    fx.rx->setError(1);
    ++fx.second;
    main().Timer1_Timer();
    ASSERT_EQ(presenter.shown().size(), 1u);
    EXPECT_EQ(presenter.shown()[0].buttons, platform::MessageButtons::RetryCancel);
    EXPECT_EQ(presenter.shown()[0].title.rfind("Corvell", 0), 0u);  // the caption at the time
    EXPECT_EQ(rs.count("RsPowerOff"), 1);
    EXPECT_EQ(rs.count("RsPowerOn"), 2);
    EXPECT_EQ(fx.rx->Error(), 0);
    // The error comes back after the retry: a new failure, a new prompt; Cancel keeps it.
    fx.rx->setError(1);
    ++fx.second;
    main().Timer1_Timer();
    ++fx.second;
    main().Timer1_Timer();
    EXPECT_EQ(presenter.shown().size(), 1u);  // error went 1 -> 0 -> 1 only once it was seen 0
}

TEST_F(Life, TheLinkPromptLogsThePortAndWhyTheLinkFailed) {
    open();
    main().KeyAction("POWER");
    const std::string port = "COM" + std::to_string(fx.rx->ComPortNum());
    auto promptLog = [&] {
        fx.rx->setError(1);
        ++fx.second;
        ::testing::internal::CaptureStderr();
        main().Timer1_Timer();
        return ::testing::internal::GetCapturedStderr();
    };
    // No reply since power-on.
    std::string log = promptLog();
    EXPECT_NE(log.find("Corvell: " + port + " ("), std::string::npos) << log;
    EXPECT_NE(log.find("): the receiver has not answered since it was switched on\n"),
              std::string::npos)
        << log;
    // The link came up, then the watch found CTS off: a second prompt with its own reason.
    fx.rx->setError(0);
    ++fx.second;
    main().Timer1_Timer();
    rs.setValue("PowerOnStat", 1);
    log = promptLog();
    EXPECT_NE(log.find("): the receiver stopped answering: the link watch found CTS off\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(presenter.shown().size(), 2u);
}

TEST_F(Life, ClosingAsksToSaveChangedChannelsAndAFailedSaveKeepsItRunning) {
    open();
    main().close();  // nothing changed: no question
    EXPECT_TRUE(presenter.shown().empty());
    EXPECT_EQ(fx.endedCount, 1);
    fx.reset();

    // A memory file whose directory vanished cannot be saved.
    const std::string dir = home.path("gone");
    std::filesystem::create_directory(dir);
    open();
    ASSERT_EQ(ProgramMemory().SaveAsMemory(dir + "/A.MCH"), 1);
    std::filesystem::remove_all(dir);
    ProgramMemory().Change();
    presenter.answerNext(MessageResult::Cancel);
    main().close();
    EXPECT_EQ(fx.endedCount, 0);
    EXPECT_TRUE(main().isVisible());
    EXPECT_TRUE(ProgramMemory().MemoryChanged());
    presenter.answerNext(MessageResult::Yes);  // then the save fails: the user is told
    main().close();
    EXPECT_EQ(fx.endedCount, 0);
    EXPECT_TRUE(main().isVisible());
    EXPECT_TRUE(main().timer1().isActive());
    // NEW and OPEN stop the same way: the changed memory stays as it is.
    ScriptedFileDialogs chooser;
    for (const char* word : {"NEW", "OPEN"}) {
        SCOPED_TRACE(word);
        presenter.answerNext(MessageResult::Yes);
        main().KeyAction(word);
        EXPECT_EQ(ProgramMemory().filepath(), dir + "/A.MCH");
        EXPECT_TRUE(ProgramMemory().MemoryChanged());
    }
    EXPECT_TRUE(chooser.shown().empty());  // the open dialog never came up
    presenter.answerNext(MessageResult::No);
    main().close();
    EXPECT_EQ(fx.endedCount, 1);
    const auto shown = presenter.shown();
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(shown[0].text, "Do You Want to save Memory-Channel Data ?");
    EXPECT_EQ(shown[0].buttons, platform::MessageButtons::YesNoCancel);
}

TEST_F(Life, NewAlwaysAsksAndCancelLeavesTheChangedFlagAsItWas) {
    open();
    for (bool changed : {false, true}) {
        SCOPED_TRACE(changed);
        ProgramMemory().NewMemory();  // the frame keeps this object: start it afresh
        ASSERT_FALSE(ProgramMemory().MemoryChanged());
        if (changed) ProgramMemory().Change();
        presenter.answerNext(MessageResult::Cancel);
        main().KeyAction("NEW");
        EXPECT_EQ(ProgramMemory().MemoryChanged(), changed);
    }
    presenter.answerNext(MessageResult::No);
    main().KeyAction("NEW");
    EXPECT_FALSE(ProgramMemory().MemoryChanged());
    EXPECT_EQ(presenter.shown().size(), 3u);
}

TEST_F(Life, OpenTunesToTheFilesActiveChannelAndSaveAsStartsAtTheCurrentName) {
    ScriptedFileDialogs chooser;
    open();
    const std::string fixture = std::string(CORVELL_SOURCE_DIR) + "/tests/fixtures/windows.MCH";
    chooser.answerNext(QString::fromStdString(fixture));
    rs.clear();
    main().KeyAction("OPEN");
    ASSERT_EQ(chooser.shown().size(), 1u);
    EXPECT_FALSE(chooser.shown()[0].save);
    EXPECT_TRUE(chooser.shown()[0].request.fileMustExist);
    EXPECT_EQ(chooser.shown()[0].request.fileName, "*.MCH");
    EXPECT_EQ(chooser.shown()[0].request.filter, "*.MCH|*.mch");
    EXPECT_EQ(ProgramMemory().filepath(), fixture);
    clsMchDATA& active =
        ProgramMemory().chData(ProgramMemory().ActiveBank(), ProgramMemory().ActiveCh());
    EXPECT_GT(active.lngFreq(), 0);
    EXPECT_EQ(fx.rx->Frequency(), active.lngFreq());
    EXPECT_EQ(fx.rx->ModeText(), active.ModeText());

    chooser.answerNext(std::nullopt);  // Cancel in the save dialog writes nothing
    main().KeyAction("SAVEAS");
    EXPECT_EQ(chooser.shown().back().request.fileName.toStdString(), fixture);
    EXPECT_TRUE(chooser.shown().back().request.overwritePrompt);
    EXPECT_EQ(ProgramMemory().filepath(), fixture);
    const std::string copy = home.path("COPY.MCH");
    chooser.answerNext(QString::fromStdString(copy));
    main().KeyAction("SAVEAS");
    EXPECT_EQ(ProgramMemory().filepath(), copy);
    EXPECT_FALSE(home.read("COPY.MCH").empty());
    ProgramMemory().Change();
    main().KeyAction("SAVE");
    EXPECT_FALSE(ProgramMemory().MemoryChanged());
}

TEST_F(Life, PlacementsAndTheWindowOrderAreWrittenAtExitAndComeBack) {
    writeIni(
        "[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n[WINDOW_ORDER]\r\nNUM=1\r\n3=\"Tuner Form\"\r\n"
        "4=\"Mode Form\"\r\n6=\"Scan Form\"\r\n");
    open();
    main().setGeometry(150, 90, 700, 500);
    QMdiSubWindow* tuner = nullptr;
    for (QMdiSubWindow* s : main().mdiArea()->subWindowList()) {
        if (s->widget() == main().panel(PanelSlot::Tuner)) tuner = s;
    }
    ASSERT_NE(tuner, nullptr);
    tuner->move(40, 60);
    main().KeyAction("SCOPE");  // closed while on: recorded
    main().close();
    ASSERT_EQ(fx.endedCount, 1);
    const std::string file = ini();
    EXPECT_NE(file.find("NUM=3"), std::string::npos) << file;
    EXPECT_EQ(file.find("4=\"Mode Form\""), std::string::npos);
    EXPECT_NE(file.find("6=\"Scan Form\""), std::string::npos);  // key 5 is missing: stop
    EXPECT_NE(file.find("Band Scope Form=\"0,0,"), std::string::npos);
    EXPECT_NE(file.find("Tuner Form=\"0,1,-1,-1,-1,-1,40,60,"), std::string::npos);
    EXPECT_NE(file.find("CONNECT=1"), std::string::npos);

    fx.reset();
    open();
    EXPECT_EQ(main().geometry(), QRect(150, 90, 700, 500));
    EXPECT_EQ(visiblePanels(),
              (std::vector<PanelSlot>{PanelSlot::ScanPad, PanelSlot::Mode, PanelSlot::Tuner}));
    for (QMdiSubWindow* s : main().mdiArea()->subWindowList()) {
        if (s->widget() == main().panel(PanelSlot::Tuner)) {
            EXPECT_EQ(s->pos(), QPoint(40, 60));
        }
    }
}

// ---- the COM-port dialog ----

class ComDialog : public FrameTest {};

TEST_F(ComDialog, FirstRunIsModalWithCancelDisabledAndEscInert) {
    writeIni("");
    bool modal = false, cancelEnabled = true, stillOpenAfterEsc = false;
    fx.onModal = [&](QDialog& d) {
        auto& dlg = static_cast<shell::DlgComOption&>(d);
        modal = dlg.isModal();
        cancelEnabled = dlg.cancelButton()->isEnabled();
        dlg.show();
        QTest::keyClick(&dlg, Qt::Key_Escape);
        stillOpenAfterEsc = dlg.isVisible();
        EXPECT_TRUE(saveScreenshot(dlg, "com-dialog-first-run"));
        EXPECT_EQ(dlg.portList()->currentText(), "COM 1");
        dlg.portList()->setCurrentIndex(2);
        QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
        return 1;
    };
    open();
    EXPECT_EQ(fx.modalRuns, 1);
    EXPECT_TRUE(modal);
    EXPECT_FALSE(cancelEnabled);
    EXPECT_TRUE(stillOpenAfterEsc);
    EXPECT_EQ(rs.value("ComportNum"), 3);
    EXPECT_EQ(main().Connect(), 1);  // the first run switches on
    EXPECT_EQ(rs.count("RsPowerOn"), 1);
    main().close();
    EXPECT_NE(ini().find("COMPORT=3"), std::string::npos);
}

TEST_F(ComDialog, FirstRunClosedWithoutAChoiceLeavesThePortUnchosenAndTheReceiverOff) {
    writeIni("");
    fx.onModal = [](QDialog& d) {
        d.show();
        d.close();  // the close box
        return 0;
    };
    open();
    EXPECT_EQ(rs.value("ComportNum"), 0);
    EXPECT_EQ(main().Connect(), 0);
    EXPECT_EQ(rs.count("RsPowerOn"), 0);
    main().close();
    EXPECT_NE(ini().find("COMPORT=0"), std::string::npos);
    EXPECT_NE(ini().find("CONNECT=0"), std::string::npos);
}

TEST_F(ComDialog, OkWritesOnlyAChangeAndTheListIsLockedWhileOn) {
    writeIni("[DATA]\r\nCOMPORT=12\r\nCONNECT=0\r\n");  // read as unchosen
    fx.onModal = [](QDialog& d) {
        QTest::mouseClick(static_cast<shell::DlgComOption&>(d).okButton(), Qt::LeftButton);
        return 1;
    };
    open();
    EXPECT_EQ(rs.value("ComportNum"), 1);  // port 0 shows COM 1; OK writes it
    EXPECT_EQ(main().Connect(), 1);
    rs.clear();
    main().KeyAction("COMPORT");
    shell::DlgComOption* dlg = main().comDialog();
    QApplication::processEvents();
    EXPECT_FALSE(dlg->portList()->isEnabled());
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
    EXPECT_EQ(rs.count("RsSetComportNum"), 0);
    main().KeyAction("POWER");
    main().KeyAction("COMPORT");
    QApplication::processEvents();
    EXPECT_TRUE(dlg->portList()->isEnabled());
    dlg->portList()->setCurrentIndex(9);
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
    EXPECT_EQ(rs.value("ComportNum"), 10);
}

// ---- pictures ----

TEST_F(Life, PicturesOfTheMainWindowOffAndOn) {
    open();
    main().resize(900, 600);
    main().Timer1_Timer();
    EXPECT_TRUE(saveScreenshot(main(), "main-off"));
    main().KeyAction("POWER");
    rs.setValue("PowerOnStat", 1);
    main().Timer1_Timer();
    EXPECT_TRUE(saveScreenshot(main(), "main-on"));
}

}  // namespace
}  // namespace corvell::test
