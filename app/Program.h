// The one place that creates the program's objects in their start-up order and hands each its
// neighbours: single instance, language, splash, profile, settings, placement, receiver object
// with its memory-file share, and the main window. main() runs it; tests run it on a temporary
// program directory.
// Thread contract: user-interface thread only.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ProgramEnd.h"
#include "app/ProgramPanels.h"
#include "core/SettingsWriteWatch.h"
#include "memory/MemoryFileSetting.h"
#include "platform/single_instance.h"
#include "shell/clsMDIPlaceWindow.h"
#include "shell/frmMain.h"

namespace corvell {
class frmTesselbase;
}
namespace corvell::shell {
class frmTitle;
}

namespace corvell::app {

class Program {
  public:
    // Hooks a test may set before start().
    struct Options {
        std::function<int(QDialog&)> runModal;
        std::function<void()> ended;
        shell::LinkCheck::SecondSource secondOfDay;
        // The link watch's period in ms; 0 keeps the receiver object's own (10 s).
        int watchPeriodMs = 0;
        // Where the help file and the decoder program are looked for; default the directory
        // of the running executable.
        std::string executableDir;
    };

    Program();
    explicit Program(Options options);
    ~Program();

    // False when the program is not to run on: another instance already runs (nothing was
    // shown), or an end was asked for at the first run's COM-port dialog (nothing written), or
    // the start could not make sure it is the only one (refusal() says why).
    bool start();
    // Why the last start() did not run, for standard error; empty when it ended quietly.
    const std::string& refusal() const { return refusal_; }

    // The names of the start-up steps in the order they ran.
    const std::vector<std::string>& steps() const { return steps_; }
    shell::frmMain* mainWindow() const { return main_.get(); }
    frmTesselbase* receiver() const { return receiver_.get(); }
    const std::string& helpFile() const { return helpFile_; }
    bool splashShownDuringLoad() const { return splashSeenByLoad_; }

    // The lock that keeps a second start out: one per program directory.
    static std::string instanceLockName(const std::string& programDir);
    // How long a start waits for an instance that is ending.
    static constexpr std::chrono::milliseconds kWaitForEnding{5000};

  private:
    Options options_;
    std::unique_ptr<platform::SingleInstance> instance_;
    // Says when the settings cannot be written; kept until every other object has gone.
    std::unique_ptr<SettingsWriteWatch> writeWatch_;
    std::vector<std::string> steps_;
    std::string helpFile_;
    MemoryFileSetting memoryFileSetting_;
    shell::clsMDIPlaceWindow placement_;
    std::unique_ptr<frmTesselbase> receiver_;
    std::unique_ptr<ProgramPanels> panels_;
    std::unique_ptr<shell::frmMain> main_;
    std::unique_ptr<ProgramEnd> end_;  // signals and the session's end, once the window is up
    bool splashSeenByLoad_ = false;
    std::string refusal_;
};

}  // namespace corvell::app
