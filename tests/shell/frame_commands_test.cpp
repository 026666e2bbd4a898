// The command words as a user reaches them: menus, tools and panels all end in KeyAction.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "platform/process_start.h"
#include "shell/DlgComOption.h"
#include "shell/frmTitle.h"
#include "tests/shell/frame_test_base.h"
#include "ui/FileDialogs.h"

namespace corvell::test {
namespace {

using shell::PanelSlot;
using Slots = std::vector<PanelSlot>;

const Slots kSimple = {PanelSlot::ScanPad, PanelSlot::Scope, PanelSlot::Mode, PanelSlot::Tuner};

class Commands : public FrameTest {};

TEST_F(Commands, PowerSwitchesOnWithThePanelsOfTheLastPowerOnAndOffHidingAll) {
    open();
    EXPECT_TRUE(visiblePanels().empty());
    main().KeyAction("POWER");
    EXPECT_EQ(main().Connect(), 1);
    EXPECT_EQ(fx.rx->Power(), 1);
    EXPECT_EQ(rs.count("RsPowerOn"), 1);
    EXPECT_EQ(visiblePanels(), kSimple);  // a first start shows the panels of its mode
    EXPECT_GE(rs.count("RsSendScope"), 1);

    main().KeyAction("SCAN");  // hide the scan pad while on: recorded for the next power-on
    main().KeyAction("POWER");
    EXPECT_EQ(fx.rx->Power(), 0);
    EXPECT_EQ(rs.count("RsPowerOff"), 1);
    EXPECT_TRUE(visiblePanels().empty());
    main().KeyAction("POWER");
    EXPECT_EQ(visiblePanels(), (Slots{PanelSlot::Scope, PanelSlot::Mode, PanelSlot::Tuner}));
    EXPECT_EQ(rs.count("RsPowerOn"), 2);
}

TEST_F(Commands, PanelWordsToggleTheirPanelAndAreRecordedOnlyWhileOn) {
    open();
    const std::pair<const char*, PanelSlot> toggles[] = {
        {"SCAN", PanelSlot::ScanPad}, {"SCOPE", PanelSlot::Scope}, {"MODE", PanelSlot::Mode},
        {"TUNER", PanelSlot::Tuner},  {"DTMF", PanelSlot::DTMF},   {"DSP", PanelSlot::DSP},
    };
    for (const auto& [word, slot] : toggles) {
        SCOPED_TRACE(word);
        const bool before = main().panelVisible(slot);
        main().KeyAction(word);
        EXPECT_NE(main().panelVisible(slot), before);
        // Off: the change is not what the next power-on shows.
        EXPECT_EQ(main().panel(slot)->fVisiblePwrOn,
                  slot != PanelSlot::DTMF && slot != PanelSlot::DSP);
        main().KeyAction(word);
        EXPECT_EQ(main().panelVisible(slot), before);
    }
    main().KeyAction("POWER");
    main().KeyAction("DTMF");
    EXPECT_TRUE(main().panel(PanelSlot::DTMF)->fVisiblePwrOn);
}

TEST_F(Commands, ModeWordsSwitchOnlyFromAnotherMode) {
    open();
    main().KeyAction("POWER");
    main().KeyAction("RADIO");
    EXPECT_EQ(main().PanelMode(), 1);
    EXPECT_EQ(visiblePanels(), Slots{PanelSlot::Radio});
    main().KeyAction("TUNER");  // a panel shown by hand in RADIO mode stays until a switch
    main().KeyAction("RADIO");  // already RADIO: nothing is touched
    EXPECT_EQ(visiblePanels(), (Slots{PanelSlot::Radio, PanelSlot::Tuner}));
    main().KeyAction("RECEIVER");
    EXPECT_EQ(main().PanelMode(), 2);
    EXPECT_EQ(visiblePanels(), Slots{PanelSlot::Receiver});
    main().KeyAction("SIMPLE");
    EXPECT_EQ(main().PanelMode(), 0);
    EXPECT_EQ(visiblePanels(), kSimple);
    main().KeyAction("SIMPLE");
    EXPECT_EQ(main().PanelMode(), 0);
}

TEST_F(Commands, MemoryHidingSavesTheListsPlacementAtOnce) {
    open();
    main().KeyAction("MEMORY");
    EXPECT_TRUE(main().panelVisible(PanelSlot::Mch));
    EXPECT_EQ(ini().find("Memory List="), std::string::npos);
    main().KeyAction("MEMORY");
    EXPECT_FALSE(main().panelVisible(PanelSlot::Mch));
    EXPECT_NE(ini().find("Memory List="), std::string::npos);
}

TEST_F(Commands, DialogWordsShowAndHideTheFramesDialogs) {
    CountingDialog* scan = nullptr;
    CountingDialog* option = nullptr;
    CountingDialog* message = nullptr;
    CountingDialog* af = nullptr;
    // The fixture's parts are built in open(); give it dialog factories through the frame's
    // parts by building the window here.
    fx.open();
    fx.main.reset();
    clsProfileIO& profile = ProgramProfile();
    shell::MainParts parts;
    parts.receiver = fx.rx.get();
    parts.profile = &profile;
    parts.settings = &ProgramSettings();
    parts.placement = &fx.placement;
    parts.memory = &ProgramMemory();
    CountingDialog* ctcss = nullptr;
    parts.scanOption = [&] { return shell::frameDialog(scan = new CountingDialog); };
    parts.dtmfOption = [&] { return shell::frameDialog(option = new CountingDialog); };
    parts.dtmfMessage = [&] { return shell::frameDialog(message = new CountingDialog); };
    parts.afOption = [&] { return shell::frameDialog(af = new CountingDialog); };
    parts.ctcss = [&] { return shell::frameDialog(ctcss = new CountingDialog); };
    parts.ended = [] {};
    shell::frmMain frame(std::move(parts));
    frame.MDIForm_Load();
    ASSERT_TRUE(scan && option && message);
    EXPECT_EQ(scan->inits, 1);
    EXPECT_TRUE(scan->isLoaded());
    frame.KeyAction("SCANSET");
    EXPECT_TRUE(scan->isVisible());
    EXPECT_TRUE(frame.CheckVisiblePanel("SCANSET"));
    frame.KeyAction("SCANSET");
    EXPECT_FALSE(scan->isVisible());
    frame.KeyAction("DTMFSET");
    EXPECT_TRUE(option->isVisible());
    // Minimised (by the window manager), a dialog is still shown: its key brings it back in
    // the normal state instead of hiding it, or showing it again minimised.
    for (auto [word, dialog] : {std::pair{"SCANSET", scan}, std::pair{"DTMFSET", option}}) {
        SCOPED_TRACE(word);
        dialog->show();
        dialog->setWindowState(Qt::WindowMinimized);
        ASSERT_TRUE(dialog->isMinimized());
        frame.KeyAction(word);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(dialog->isMinimized());
        frame.KeyAction(word);
        EXPECT_FALSE(dialog->isVisible());
        frame.KeyAction(word);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(dialog->isMinimized());
    }
    frame.KeyAction("DTMFM");
    EXPECT_TRUE(message->isVisible());
    frame.KeyAction("DTMFM");
    EXPECT_FALSE(message->isVisible());
    EXPECT_EQ(af, nullptr);  // made on first use
    // The tone-squelch dialog gets its heartbeat step only while it is shown.
    ASSERT_NE(ctcss, nullptr);
    EXPECT_TRUE(ctcss->isLoaded());
    frame.Timer1_Timer();
    EXPECT_EQ(ctcss->tasks, 0);
    ctcss->show();
    frame.Timer1_Timer();
    EXPECT_EQ(ctcss->tasks, 1);
    frame.KeyAction("EXTSP");
    ASSERT_NE(af, nullptr);
    EXPECT_TRUE(af->isVisible());
    EXPECT_EQ(fx.rx->afmute(), 1);
    EXPECT_TRUE(frame.CheckVisiblePanel("EXTSP"));
    frame.close();
}

TEST_F(Commands, ComPortOpensTheDialogModelessOverTheFrame) {
    open();
    main().KeyAction("COMPORT");
    shell::DlgComOption* dlg = main().comDialog();
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_FALSE(dlg->isModal());
    EXPECT_TRUE(main().CheckVisiblePanel("COMPORT"));
    EXPECT_TRUE(dlg->cancelButton()->isEnabled());
    dlg->reject();
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(Commands, AboutShowsTheTitleWindowModally) {
    open();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        shell::frmTitle* about = main().aboutWindow();
        seen = about && about->isVisible() && about->isModal() &&
               about->windowTitle() == "About Corvell" && about->okButton()->isVisible();
        if (about) QTest::mouseClick(about->okButton(), Qt::LeftButton);
    });
    main().KeyAction("ABOUT");
    EXPECT_TRUE(seen);
    EXPECT_FALSE(main().aboutWindow()->isVisible());
}

TEST_F(Commands, HelpOpensTheGuideWithTheDesktopOnlyWhenThereIsOne) {
    std::vector<std::string> opened;
    platform::DesktopOpener previous = platform::setDesktopOpener([&](const std::string& p) {
        opened.push_back(p);
        return platform::StartResult{true, 1, {}};
    });
    open();
    main().KeyAction("HELP");
    EXPECT_TRUE(opened.empty());
    fx.reset();
    fx.helpFile = home.path("Corvell.html");
    open();
    main().KeyAction("HELP");
    EXPECT_EQ(opened, std::vector<std::string>{home.path("Corvell.html")});
    EXPECT_TRUE(presenter.shown().empty());
    platform::setDesktopOpener(previous);
}

TEST_F(Commands, HelpSaysWhereTheGuideIsWhenNoOpenerOpensIt) {
    // The desktop's own opener, on a PATH that has no xdg-open or one that fails.
    const std::string bin = home.path("bin");
    std::filesystem::create_directories(bin);
    const struct {
        const char* opener;  // the xdg-open script, or none
        const char* reason;
    } cases[] = {
        {nullptr, "xdg-open is not installed"},
        {"#!/bin/sh\nexit 3\n", "xdg-open ended with status 3"},
    };
    struct PathFor {
        std::string saved = std::getenv("PATH") ? std::getenv("PATH") : "";
        explicit PathFor(const std::string& path) { ::setenv("PATH", path.c_str(), 1); }
        ~PathFor() { ::setenv("PATH", saved.c_str(), 1); }
    } path(bin);
    fx.helpFile = home.path("Corvell.html");
    open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const std::string script = bin + "/xdg-open";
        std::filesystem::remove(script);
        if (c.opener) {
            home.write("bin/xdg-open", c.opener);
            std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        }
        const std::size_t before = presenter.shown().size();
        main().KeyAction("HELP");
        ASSERT_TRUE(QTest::qWaitFor([&] { return presenter.shown().size() > before; }, 10000));
        const std::string text = presenter.shown().back().text;
        EXPECT_NE(text.find(home.path("Corvell.html")), std::string::npos) << text;
        EXPECT_NE(text.find(c.reason), std::string::npos) << text;
        EXPECT_NE(text.find("web browser"), std::string::npos) << text;
        EXPECT_EQ(presenter.shown().size(), before + 1);
    }
}

TEST_F(Commands, DarcStartsTheDecoderBesideTheProgramOnlyWhenItIsThere) {
    open();
    EXPECT_FALSE(main().DecoderExists());
    main().KeyAction("DARC");  // nothing to start: nothing happens
    const std::string marker = home.path("started");
    home.write("Skarnview", "#!/bin/sh\necho \"$#\" > " + marker + "\n");
    std::filesystem::permissions(home.path("Skarnview"), std::filesystem::perms::owner_all);
    main().KeyAction("DARC");
    EXPECT_TRUE(main().DecoderExists());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !home.read("started").empty(); }, 5000));
    EXPECT_EQ(home.read("started"), "0\n");  // no arguments
}

TEST_F(Commands, WordsAreComparedExactlyAndUnknownOnesDoNothing) {
    open();
    main().KeyAction("power");
    main().KeyAction("POWER ");
    main().KeyAction("");
    EXPECT_EQ(main().Connect(), 0);
    EXPECT_EQ(rs.count("RsPowerOn"), 0);
}

// Every word of the table is exercised by a test of this file.
TEST_F(Commands, TheTableHoldsExactlyTheProgramsWords) {
    const std::vector<std::string_view> table = shell::frmMain::commandWords();
    const std::set<std::string_view> words(table.begin(), table.end());
    const std::set<std::string_view> expected = {
        "EXIT",  "POWER", "NEW",      "OPEN",   "SAVE", "SAVEAS", "COMPORT", "SCANSET",
        "EXTSP", "RADIO", "RECEIVER", "SIMPLE", "SCAN", "SCOPE",  "MODE",    "TUNER",
        "DTMF",  "DSP",   "DTMFSET",  "DTMFM",  "DARC", "ABOUT",  "MEMORY",  "HELP"};
    EXPECT_EQ(words, expected);
    EXPECT_EQ(table.size(), expected.size());
}

TEST_F(Commands, MenuItemsRunTheirWords) {
    open();
    QAction* powerOn = main().menuAction(shell::MenuId::File, 0);
    ASSERT_NE(powerOn, nullptr);
    EXPECT_EQ(powerOn->text(), "Power ON");
    powerOn->trigger();
    EXPECT_EQ(main().Connect(), 1);
    QAction* radio = main().menuAction(shell::MenuId::View, 2);
    EXPECT_EQ(radio->text(), "Radio Screen");
    radio->trigger();
    EXPECT_EQ(main().PanelMode(), 1);
    EXPECT_EQ(main().menuAction(shell::MenuId::View, 1)->text(), "   Panel Selection");
}

}  // namespace
}  // namespace corvell::test

namespace corvell::test {
namespace {

TEST_F(Commands, APanelsCloseBoxHidesItAndItStaysLoaded) {
    open();
    main().KeyAction("POWER");
    ui::PanelWindow* tuner = main().panel(PanelSlot::Tuner);
    QMdiSubWindow* frame = nullptr;
    for (QMdiSubWindow* s : main().mdiArea()->subWindowList()) {
        if (s->widget() == tuner) frame = s;
    }
    ASSERT_NE(frame, nullptr);
    frame->close();
    EXPECT_FALSE(main().panelVisible(PanelSlot::Tuner));
    EXPECT_TRUE(tuner->isLoaded());
    EXPECT_FALSE(tuner->fVisiblePwrOn);
    main().KeyAction("TUNER");
    EXPECT_TRUE(main().panelVisible(PanelSlot::Tuner));
}

}  // namespace
}  // namespace corvell::test

namespace corvell::test {
namespace {

// A panel with a band-scope pane, counting the redraws the frame asks for.
class ScopePanel : public StubPanel {
  public:
    using StubPanel::StubPanel;
    void ScopeRefreshDisp() { ++redraws; }
    int redraws = 0;
};

TEST_F(Commands, TheBandScopeOfTheNewModeIsRedrawnAfterASwitchAndAtPowerOn) {
    ScopePanel* scope = nullptr;
    ScopePanel* receiver = nullptr;
    fx.makePanel = [&](PanelSlot slot) -> shell::FramePanel {
        if (slot == PanelSlot::Scope) return shell::framePanel(scope = new ScopePanel(slot));
        if (slot == PanelSlot::Receiver) {
            return shell::framePanel(receiver = new ScopePanel(slot));
        }
        return {};
    };
    open();
    ASSERT_TRUE(scope && receiver);
    main().KeyAction("POWER");  // SIMPLE: the scope window's pane
    EXPECT_EQ(scope->redraws, 1);
    EXPECT_EQ(receiver->redraws, 0);
    main().KeyAction("RECEIVER");
    EXPECT_EQ(receiver->redraws, 1);
    main().KeyAction("RADIO");  // the radio panel has no scope pane
    EXPECT_EQ(scope->redraws + receiver->redraws, 2);
    main().KeyAction("SIMPLE");
    EXPECT_EQ(scope->redraws, 2);
}

}  // namespace
}  // namespace corvell::test
