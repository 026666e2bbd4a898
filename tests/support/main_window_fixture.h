// The main window on the test's own objects: a loaded receiver object (on whatever link table
// the test bound), the profile on the temporary program directory, and panels that record each
// heartbeat step they get. Opening runs the window's load as start-up does; the final unload
// only records that the program would end.
// Thread contract: the test's (user-interface) thread only.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/ProgramObjects.h"
#include "core/frmTesselbase.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "shell/clsMDIPlaceWindow.h"
#include "shell/frmMain.h"
#include "tests/support/StubPanel.h"
#include "tests/support/receiver_lifecycle.h"

namespace corvell::test {

// Logs "<member>" for every heartbeat step it gets.
template <class Base>
class RecordingPanel : public Base {
  public:
    template <class... Args>
    RecordingPanel(std::vector<std::string>& log, Args&&... args)
        : Base(std::forward<Args>(args)...), log_(log) {}
    void Task_exec() override { log_.push_back(std::string(shell::slotInfo(this->slot()).member)); }

  private:
    std::vector<std::string>& log_;
};

class MainWindowFixture {
  public:
    MainWindowFixture() = default;
    ~MainWindowFixture() { reset(); }

    // The receiver object is loaded here unless the test loaded one already.
    shell::frmMain& open() {
        if (!rx) loadReceiver(rx);
        clsProfileIO& profile = ProgramProfile();
        ProgramSettings().Init(&profile);
        placement.Init(&profile);
        shell::MainParts parts;
        parts.receiver = rx.get();
        parts.profile = &profile;
        parts.settings = &ProgramSettings();
        parts.placement = &placement;
        parts.memory = &ProgramMemory();
        parts.memoryList = &ProgramMemoryList();
        for (const shell::PanelSlotInfo& info : shell::kPanelSlots) {
            const shell::PanelSlot slot = info.slot;
            parts.panels[static_cast<std::size_t>(shell::slotIndex(slot))] =
                [this, slot]() -> shell::FramePanel {
                if (makePanel) {
                    shell::FramePanel own = makePanel(slot);
                    if (own.window) return own;
                }
                return shell::framePanel(new RecordingPanel<StubPanel>(taskLog, slot));
            };
        }
        parts.programDir = programDir;
        parts.helpFile = helpFile;
        parts.runModal = [this](QDialog& d) {
            ++modalRuns;
            if (onModal) return onModal(d);
            return 0;
        };
        parts.ended = [this] { ++endedCount; };
        parts.secondOfDay = [this] { return second; };
        main = std::make_unique<shell::frmMain>(std::move(parts));
        main->MDIForm_Load();
        main->show();
        return *main;
    }

    // Ends the run as the program does when the window is gone, and forgets every object.
    void reset() {
        main.reset();
        endedCount = 0;
        modalRuns = 0;
        if (rx) {
            if (rx->loaded()) rx->Unload();
            SetProgramReceiver(nullptr);
            rx.reset();
        }
        ResetProgramMemoryList();
        ResetProgramMemory();
        ResetProgramObjects();
        platform::clearProfileCache();
    }

    std::unique_ptr<frmTesselbase> rx;
    shell::clsMDIPlaceWindow placement;
    std::unique_ptr<shell::frmMain> main;
    std::vector<std::string> taskLog;
    // A test's own panel for a slot; null (or no function) takes the recording stand-in.
    std::function<shell::FramePanel(shell::PanelSlot)> makePanel;
    std::string programDir;
    std::string helpFile;
    int modalRuns = 0;
    std::function<int(QDialog&)> onModal;
    int endedCount = 0;
    int32_t second = 1;  // the time of day in whole seconds the link check sees
};

}  // namespace corvell::test
