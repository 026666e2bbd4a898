// What the frame does when a user touches a panel's window: every close asks the panel, the
// radio and receiver panels come back by their tool and menu item whatever hid them, a panel of
// fixed size is only its face and is never sized by an entry, and a minimised or maximised
// window is kept at the rectangle it is restored to.
#include <QAction>

#include "memory/MemoryListOps.h"
#include "memory/frmMch.h"
#include "tests/shell/frame_test_base.h"

namespace corvell::test {
namespace {

using shell::PanelSlot;

// A panel that records the closes it is asked about and refuses those of the user.
class AskedPanel : public StubPanel {
  public:
    using StubPanel::StubPanel;
    std::vector<ui::UnloadMode> asked;

  protected:
    bool onQueryUnload(ui::UnloadMode mode) override {
        asked.push_back(mode);
        return mode != ui::UnloadMode::UserClose;
    }
};

class FramePanels : public FrameTest {
  protected:
    void startOn(const std::string& more = {}) {
        writeIni("[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n" + more);
    }
    // The memory list is the real window, sizable with its frame.
    void withMemoryList() {
        fx.makePanel = [](PanelSlot slot) -> shell::FramePanel {
            if (slot != PanelSlot::Mch) return {};
            return shell::framePanel(new frmMch(ProgramMemoryList()));
        };
    }
};

TEST_F(FramePanels, ClosingAnyPanelsFrameAsksThePanelWhichMayRefuse) {
    std::map<PanelSlot, AskedPanel*> made;
    fx.makePanel = [&](PanelSlot slot) -> shell::FramePanel {
        return shell::framePanel(made[slot] = new AskedPanel(slot));
    };
    startOn();
    open();
    for (const shell::PanelSlotInfo& info : shell::kPanelSlots) {
        SCOPED_TRACE(info.member);
        main().setPanelVisible(info.slot, true);
        EXPECT_FALSE(frameOf(info.slot)->close());
        EXPECT_EQ(made[info.slot]->asked, std::vector<ui::UnloadMode>{ui::UnloadMode::UserClose});
        EXPECT_TRUE(main().panelVisible(info.slot));
    }
}

TEST_F(FramePanels, TheRadioAndReceiverPanelsComeBackByTheirToolAndMenuItemWhateverHidThem) {
    startOn();
    open();
    struct Row {
        const char* word;
        PanelSlot slot;
        int tool;       // the tool strip's image
        int menuIndex;  // the View menu's item
    } rows[] = {{"RADIO", PanelSlot::Radio, 7, 2}, {"RECEIVER", PanelSlot::Receiver, 8, 3}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.word);
        main().KeyAction(r.word);
        const int16_t mode = main().PanelMode();
        main().setPanelVisible(r.slot, false);  // hidden by some other path
        clickTool(r.tool);
        EXPECT_TRUE(main().panelVisible(r.slot));
        EXPECT_EQ(main().PanelMode(), mode);
        EXPECT_TRUE(main().panel(r.slot)->fVisiblePwrOn);
        main().setPanelVisible(r.slot, false);
        main().menuAction(shell::MenuId::View, r.menuIndex)->trigger();
        EXPECT_TRUE(main().panelVisible(r.slot));
        // Already shown, the word of its own mode changes nothing.
        const auto shown = visiblePanels();
        main().KeyAction(r.word);
        EXPECT_EQ(visiblePanels(), shown);
    }
}

TEST_F(FramePanels, TheLargePanelOfTheSavedModeOpensWhateverAnOlderEntrySaid) {
    startOn(
        "[MAIN]\r\nPANELMODE=2\r\n[WINDOW_PLACEMENT]\r\n"
        "Receiver Form=\"0,0,-1,-1,-1,-1,10,20,250,140\"\r\n"
        "Radio Form=\"0,1,-1,-1,-1,-1,30,40,270,160\"\r\n");
    open();
    EXPECT_TRUE(main().panelVisible(PanelSlot::Receiver));
    EXPECT_FALSE(main().panelVisible(PanelSlot::Radio));
    EXPECT_EQ(frameOf(PanelSlot::Receiver)->pos(), QPoint(10, 20));
}

TEST_F(FramePanels, APanelOfFixedSizeIsOnlyItsFaceAndIsMovedButNeverSizedByItsEntry) {
    withMemoryList();
    startOn(
        "[WINDOW_PLACEMENT]\r\nTuner Form=\"0,1,-1,-1,-1,-1,33,44,900,700\"\r\n"
        "Memory List=\"0,1,-1,-1,-1,-1,50,60,450,360\"\r\n");
    open();
    QMdiSubWindow* tuner = frameOf(PanelSlot::Tuner);
    ASSERT_TRUE(main().panelVisible(PanelSlot::Tuner));
    EXPECT_TRUE(tuner->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(tuner->geometry(), QRect(QPoint(33, 44), main().panel(PanelSlot::Tuner)->size()));
    EXPECT_EQ(tuner->minimumSize(), tuner->maximumSize());
    QMdiSubWindow* list = frameOf(PanelSlot::Mch);
    EXPECT_FALSE(list->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(list->geometry(), QRect(50, 60, 400, 300));
}

TEST_F(FramePanels, APanelClickedWhileTheMemoryListIsMaximisedStaysItsOwnSize) {
    withMemoryList();
    startOn();
    open();
    main().KeyAction("MEMORY");
    frameOf(PanelSlot::Mch)->showMaximized();
    QMdiSubWindow* tuner = frameOf(PanelSlot::Tuner);
    main().mdiArea()->setActiveSubWindow(tuner);
    EXPECT_FALSE(tuner->isMaximized());
    EXPECT_EQ(tuner->size(), main().panel(PanelSlot::Tuner)->size());
}

TEST_F(FramePanels, AMinimisedOrMaximisedWindowIsKeptAtTheRectangleItIsRestoredTo) {
    struct Row {
        const char* name;
        PanelSlot slot;
        bool maximise;
        QRect normal;
        const char* entry;
    } rows[] = {
        {"minimised memory list", PanelSlot::Mch, false, QRect(20, 30, 520, 300),
         "Memory List=\"0,1,-1,-1,-1,-1,20,30,540,330\""},
        {"maximised memory list", PanelSlot::Mch, true, QRect(20, 30, 520, 300),
         "Memory List=\"2,1,-1,-1,-1,-1,20,30,540,330\""},
        {"minimised tuner", PanelSlot::Tuner, false, QRect(40, 50, 240, 120),
         "Tuner Form=\"0,1,-1,-1,-1,-1,40,50,280,170\""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        withMemoryList();
        startOn();
        open();
        if (r.slot == PanelSlot::Mch) main().KeyAction("MEMORY");
        QMdiSubWindow* sub = frameOf(r.slot);
        ASSERT_TRUE(sub->isVisible());
        if (r.slot == PanelSlot::Mch) {
            sub->setGeometry(r.normal);
        } else {
            sub->move(r.normal.topLeft());
        }
        ASSERT_EQ(sub->geometry(), r.normal);
        if (r.maximise) {
            sub->showMaximized();
        } else {
            sub->showMinimized();
        }
        main().close();
        EXPECT_NE(ini().find(r.entry), std::string::npos) << ini();

        fx.reset();
        open();
        sub = frameOf(r.slot);
        ASSERT_TRUE(sub->isVisible());
        EXPECT_FALSE(sub->isMinimized());
        EXPECT_EQ(sub->isMaximized(), r.maximise);
        if (r.maximise) {
            EXPECT_EQ(sub->geometry().size(), main().mdiArea()->viewport()->size());
            sub->showNormal();
        }
        EXPECT_EQ(sub->geometry(), r.normal);
        fx.reset();
    }
}

// A window nobody touches in a run is saved as its entry placed it: hidden all run (the toolkit
// tells a hidden window of no move), or maximised from the start.
TEST_F(FramePanels, AWindowLeftHiddenOrMaximisedAllRunIsSavedWhereItsEntryPutIt) {
    const char* rows[] = {
        "Tuner Form=\"0,0,-1,-1,-1,-1,40,50,280,170\"",
        "DSP Form=\"0,0,-1,-1,-1,-1,300,10,540,130\"",
        "Memory List=\"0,0,-1,-1,-1,-1,60,70,580,370\"",
        "Memory List=\"2,1,-1,-1,-1,-1,20,30,540,330\"",
        "Memory List=\"2,0,-1,-1,-1,-1,20,30,540,330\"",
    };
    for (const char* entry : rows) {
        SCOPED_TRACE(entry);
        withMemoryList();
        startOn(std::string("[WINDOW_PLACEMENT]\r\n") + entry + "\r\n");
        open();
        main().KeyAction("SCAN");  // another panel's command on the way
        main().close();
        EXPECT_NE(ini().find(entry), std::string::npos) << ini();
        fx.reset();
    }
}

// Minimised, the memory list is still open: a panel command records it as shown, the View item
// is checked, and "MEMORY" hides it (saving its normal rectangle) instead of showing it.
TEST_F(FramePanels, AMinimisedMemoryListCountsAsOpen) {
    withMemoryList();
    startOn("[WINDOW_PLACEMENT]\r\nMemory List=\"0,1,-1,-1,-1,-1,20,30,540,330\"\r\n");
    open();
    QMdiSubWindow* list = frameOf(PanelSlot::Mch);
    ASSERT_TRUE(main().panelVisible(PanelSlot::Mch));
    list->showMinimized();
    ASSERT_TRUE(list->isVisible());
    EXPECT_TRUE(main().panelVisible(PanelSlot::Mch));
    main().KeyAction("DTMF");
    EXPECT_TRUE(main().panel(PanelSlot::Mch)->fVisiblePwrOn);
    EXPECT_TRUE(list->isVisible());
    main().UpdateMenus();
    EXPECT_TRUE(main().menuAction(shell::MenuId::View, 5)->isChecked());

    main().KeyAction("MEMORY");
    EXPECT_FALSE(main().panelVisible(PanelSlot::Mch));
    EXPECT_TRUE(list->isHidden());
    EXPECT_FALSE(main().panel(PanelSlot::Mch)->fVisiblePwrOn);
    EXPECT_NE(ini().find(",-1,-1,-1,-1,20,30,540,330\""), std::string::npos) << ini();
    main().UpdateMenus();
    EXPECT_FALSE(main().menuAction(shell::MenuId::View, 5)->isChecked());

    // Shown again it is still minimised, its list inside kept for the restore.
    main().KeyAction("MEMORY");
    EXPECT_TRUE(main().panelVisible(PanelSlot::Mch));
    EXPECT_TRUE(list->isMinimized());
    EXPECT_TRUE(main().panel(PanelSlot::Mch)->isHidden());
    list->showNormal();
    EXPECT_EQ(list->geometry(), QRect(20, 30, 520, 300));
    EXPECT_TRUE(main().panel(PanelSlot::Mch)->isVisible());
}

}  // namespace
}  // namespace corvell::test
