// The main window: a frame whose client area holds the nine panels as child windows, with the
// menus, the tool strip and the caption. Every user command is one command word run by
// KeyAction from one table; the 50 ms heartbeat runs one visible ordered list of steps.
// Everything the window works with is handed in by the program (MainParts), so tests build it
// on their own objects.
// Thread contract: user-interface thread only.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/clsTick.h"
#include "platform/window_messages.h"
#include "shell/DlgComOption.h"
#include "shell/FrameParts.h"
#include "shell/LinkCheck.h"
#include "shell/MenuModel.h"
#include "shell/PanelSlots.h"
#include "shell/ToolModel.h"
#include "shell/frmTitle.h"
#include "ui/PanelWindow.h"

class QAction;
class QDialog;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace corvell {
class frmTesselbase;
class clsProfileIO;
class clsSettingTessel;
class clsMEMORY;
class frmSCANctrl;
class MemoryListOps;
}  // namespace corvell

namespace corvell::ui {
class ImageHotZone;
}

namespace corvell::shell {

class clsMDIPlaceWindow;
class MemoryFileCommands;

struct MainParts {
    frmTesselbase* receiver = nullptr;
    clsProfileIO* profile = nullptr;
    clsSettingTessel* settings = nullptr;
    clsMDIPlaceWindow* placement = nullptr;
    clsMEMORY* memory = nullptr;
    MemoryListOps* memoryList = nullptr;  // recall and bank names after a memory-file command
    std::array<PanelFactory, kPanelCount> panels;  // in PanelSlot order
    DialogFactory scanOption, ctcss, dtmfOption, dtmfMessage, afOption;
    std::string programDir;  // where the decoder program is looked for
    std::string helpFile;    // empty: HELP does nothing
    // Runs a modal dialog (the first-run COM dialog); default exec().
    std::function<int(QDialog&)> runModal;
    // Called when the close is past its prompt and the program will end.
    std::function<void()> ending;
    // Called once the final unload has finished and the end's settings are written (and any
    // box about them answered); default: the application quits.
    std::function<void()> ended;
    // The whole second of the time of day for the link check; default the clock.
    LinkCheck::SecondSource secondOfDay;
    // Whether a failure to write the settings file was told already, with no write reaching it
    // since: the end's failed write is then logged by the frame, as nothing else says it.
    // None: the frame always logs it.
    std::function<bool()> settingsFailureTold;
};

// The frame's dialogs, one row each, in the order they are unloaded at the end: the command
// word that opens it, the part that makes it, whether it is loaded as soon as it is made (the
// AF-output dialog is loaded by its command each time it is shown), and whether the final
// unload makes it first (the tone-squelch dialog is unloaded even when it never was made).
struct FrameDialogInfo {
    std::string_view word;
    DialogFactory MainParts::*factory;
    bool loadWhenMade;
    bool makeToUnload;
};
inline constexpr std::array<FrameDialogInfo, 5> kFrameDialogs = {{
    {"SCANSET", &MainParts::scanOption, true, false},
    {"DTMFSET", &MainParts::dtmfOption, true, false},
    {"DTMFM", &MainParts::dtmfMessage, true, false},
    {"EXTSP", &MainParts::afOption, false, false},
    {"CTCSS", &MainParts::ctcss, true, true},
}};

class frmMain : public QMainWindow, public ui::PanelOwner {
    Q_OBJECT

  public:
    explicit frmMain(MainParts parts, QWidget* parent = nullptr);
    ~frmMain() override;

    // ---- life ----
    void MDIForm_Load();
    // The close request; false when the user kept the program running.
    bool MDIForm_QueryUnload();
    // The final unload; runs after the tick it is nested in when one is running.
    void MDIForm_Unload();
    bool ended() const { return ended_; }
    // An end asked for while the load still runs: the dialog or box it shows answers as its
    // Cancel, and a load at the first run's COM-port dialog goes no further (loadStopped()).
    void endStart();
    bool loadStopped() const { return loadStopped_; }

    // ---- commands ----
    void KeyAction(const std::string& word) override;
    bool CheckVisiblePanel(std::string_view word);
    // The words KeyAction knows, in table order.
    static std::vector<std::string_view> commandWords();
    void UpdateMenus();
    QAction* menuAction(MenuId menu, int index) const;

    // ---- heartbeat ----
    void Timer1_Timer();
    // The scan-status notification (message 0x200, 1, 10).
    void ScanStatusNotify();
    struct HeartbeatStep {
        std::string name;
        std::function<void()> run;
    };
    const std::vector<HeartbeatStep>& heartbeatSteps() const { return heartbeat_; }
    bool timerBusy() const { return timerBusy_; }
    QTimer& timer1() { return timer1_; }
    platform::WindowHandle notifyHandle() const { return notifyHandle_; }

    // ---- panels ----
    ui::PanelWindow* panel(PanelSlot slot) const;
    bool panelVisible(PanelSlot slot) const;
    void setPanelVisible(PanelSlot slot, bool visible);
    void PowerSet(int state);
    int16_t PanelMode() const { return panelMode_; }
    int16_t Connect() const { return connect_; }
    bool DecoderExists() const { return decoderExists_; }
    QMdiArea* mdiArea() const { return mdi_; }
    // The dialog a command word opens ("SCANSET", "EXTSP", "DTMFSET", "DTMFM", "CTCSS"),
    // made first when `create` and the program has one; else null.
    ui::Form* dialog(std::string_view word, bool create = false);
    DlgComOption* comDialog() const { return comDialog_; }
    frmTitle* aboutWindow() const { return about_; }
    MemoryFileCommands& memoryFiles() { return *memoryFiles_; }

    // ---- tool strip and caption ----
    void RefreshToolImages();
    void UpdateCaption();
    ui::ImageHotZone* tool(int index) const;
    int toolImageShown(int index) const { return toolShown_[static_cast<std::size_t>(index)]; }
    void RememberPanelVisibility();
    void RestorePanelVisibility();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // load pieces
    void buildMenus();
    void buildToolStrip();
    void buildHeartbeat();
    void CreatePanels();
    void LoadPanel(PanelSlot slot);
    // Panels placed outside the main area at load are moved into it (frmMain_area.cpp).
    void BringPanelsIntoArea();
    void registerScanNotify();
    void unregisterScanNotify();
    // Unloads everything; the program has ended once it returns, but is not told yet.
    void finalUnload();
    // Tells the owner that the program has ended (MainParts::ended), or ends the event loop.
    void announceEnded();

    // commands (frmMain_commands.cpp)
    struct Command;
    static const std::vector<Command>& commands();
    void cmdExit(std::string_view);
    void cmdPower(std::string_view);
    void cmdMemoryFile(std::string_view);
    void cmdComPort(std::string_view);
    void cmdScanSet(std::string_view);
    void cmdExtSp(std::string_view);
    void cmdPanelMode(std::string_view);
    void cmdTogglePanel(std::string_view);
    void cmdToggleDialog(std::string_view);
    void cmdDarc(std::string_view);
    void cmdAbout(std::string_view);
    void cmdMemory(std::string_view);
    void cmdHelp(std::string_view);
    void updateUnitMenus();
    MenuInputs menuInputs();

    // panels (frmMain_panels.cpp)
    void HidePanels();
    // Shows the panels of `mode` (unless `showOwn` is false: they stay as they are) and hides
    // those of the other modes.
    void ShowModePanels(int16_t mode, bool showOwn);
    void SavePanelPlacements();
    void SaveWindowOrder();
    void PowerOnSequence();
    void PowerOffSequence();
    void RefreshScopeDisplay();
    QMdiSubWindow* subWindow(PanelSlot slot) const;
    bool isDecoderPresent() const;

    // heartbeat (frmMain_heartbeat.cpp)
    void linkCheckStep();

    // tools (frmMain_tools.cpp)
    ToolInputs toolInputs() const;
    void ComputeToolStates();
    void RunToolCommand();
    void toolDown(int index, int button);
    void toolMove(int index, float x, float y);
    void toolUp(int index);
    void toolDblClick(int index);
    void LayoutTools();
    void ToolTask_exec();

    MainParts parts_;
    frmTesselbase& rx_;
    QMdiArea* mdi_ = nullptr;
    QWidget* toolStrip_ = nullptr;
    std::array<ui::ImageHotZone*, kToolCount + 1> tools_{};
    std::array<QPointer<ui::PanelWindow>, kPanelCount> panels_{};
    std::array<QPointer<QMdiSubWindow>, kPanelCount> subs_{};
    std::array<std::function<void()>, kPanelCount> scopeRefresh_{};
    std::vector<std::pair<MenuItemDef, QAction*>> menuActions_;
    QMenu* simpleMenu_ = nullptr;

    std::unique_ptr<frmSCANctrl> scanCtrl_;
    struct HeldDialog {
        QPointer<ui::Form> form;
        std::function<void()> task;
    };
    HeldDialog* held(std::string_view word);
    // Makes, sets up and loads the dialog of the word when it is not there yet.
    ui::Form* makeDialog(std::string_view word);
    std::array<HeldDialog, kFrameDialogs.size()> dialogs_;  // in kFrameDialogs order
    QPointer<DlgComOption> comDialog_;
    QPointer<frmTitle> about_;
    std::unique_ptr<MemoryFileCommands> memoryFiles_;

    QTimer timer1_;
    std::vector<HeartbeatStep> heartbeat_;
    LinkCheck linkCheck_;
    platform::WindowHandle notifyHandle_ = 0;

    int16_t panelMode_ = 0;
    int16_t connect_ = 0;
    bool timerBusy_ = false;
    bool powerInitDone_ = false;
    bool decoderExists_ = false;
    bool loaded_ = false;
    bool closing_ = false;
    bool unloadPending_ = false;
    bool ended_ = false;
    bool startEnded_ = false;
    bool loadStopped_ = false;

    // tool strip state
    int toolIndex_ = kNoTool;
    bool toolHeld_ = false;
    bool toolOnImage_ = false;
    std::array<int, kToolCount + 1> toolWanted_{};
    std::array<int, kToolCount + 1> toolShown_{};
    bool powerBlink_ = false;
    clsTick powerBlinkTick_;
    bool toolRedrawBusy_ = false;
};

}  // namespace corvell::shell
