// The whole program started again and again over one Corvell.ini, as a user starts it day after
// day: in-process on the real libquillon.so and the emulated receiver (a real pseudo-terminal),
// each run ended by Exit, the file read anew by the next run. What a run saved is at hand as
// the file's entries, so a test compares one run's places with the next one's.
// Thread contract: the test's (user-interface) thread only. The test program must load the real
// link library (corvell_test ... USES_LINK_LIBRARY) and link corvell_app and rx_emulator.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRect>
#include <QTest>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/Program.h"
#include "core/ProgramObjects.h"
#include "core/ReceiverCodes.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "platform/private_profile.h"
#include "shell/PanelSlots.h"
#include "shell/frmMain.h"
#include "tests/support/fast_emulator.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"
#include "tools/rx-emulator/rx_emulator.h"

// Rectangles in failure messages as "left,top widthxheight".
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.left() << ',' << r.top() << ' ' << r.width() << 'x' << r.height();
}

namespace corvell::test {

class ProgramStarts {
  public:
    // The settings of the first start; without them the program starts as it does the very
    // first time, and its COM-port dialog is answered by `onModal`.
    explicit ProgramStarts(const std::string& ini = {}) : emu_(fastEmulatorOptions()) {
        ResetProgramObjects();
        ResetProgramMemory();
        if (!ini.empty()) home.write("Corvell.ini", ini);
        platform::clearProfileCache();
        if (!emu_.start()) ADD_FAILURE() << "emulator: " << emu_.lastError();
        ::setenv("QUILLON_COM1", emu_.devicePath().c_str(), 1);
    }
    ~ProgramStarts() {
        program_.reset();
        ResetProgramMemory();
        ResetProgramObjects();
        emu_.stop();
        ::unsetenv("QUILLON_COM1");
    }
    ProgramStarts(const ProgramStarts&) = delete;
    ProgramStarts& operator=(const ProgramStarts&) = delete;

    // A new run on the file as the last one left it; when its settings switch the receiver on,
    // it returns once the receiver answers. The main window is shown and exposed.
    shell::frmMain& start() {
        if (program_) exit();
        platform::clearProfileCache();
        app::Program::Options options;
        options.executableDir = home.dir();
        options.ended = [this] { ++ended_; };
        options.runModal = [this](QDialog& d) { return onModal ? onModal(d) : 0; };
        program_ = std::make_unique<app::Program>(std::move(options));
        ++starts_;
        EXPECT_TRUE(program_->start()) << "start " << starts_;
        shell::frmMain& window = main();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        if (window.Connect() == 1) {
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return program_->receiver()->LinkStat() == kLinkStatLinked; }, 5000))
                << "start " << starts_ << ": the receiver did not answer";
        }
        // A few heartbeat ticks, as a user's first look at the window takes.
        QTest::qWait(150);
        return window;
    }

    // Ends the run as the user does, by Exit, and forgets it; the file holds what it saved.
    void exit() {
        if (!program_) return;
        const int before = ended_;
        main().KeyAction("EXIT");
        EXPECT_TRUE(QTest::qWaitFor([&] { return ended_ > before; }, 5000))
            << "start " << starts_ << " did not end by Exit";
        program_.reset();
        QApplication::processEvents();
        platform::clearProfileCache();
    }

    bool running() const { return program_ != nullptr; }
    int starts() const { return starts_; }
    shell::frmMain& main() { return *program_->mainWindow(); }
    QMdiSubWindow* frameOf(shell::PanelSlot slot) {
        for (QMdiSubWindow* s : main().mdiArea()->subWindowList()) {
            if (s->widget() == main().panel(slot)) return s;
        }
        return nullptr;
    }
    rxemu::RxEmulator& emulator() { return emu_; }

    std::string ini() const { return home.read("Corvell.ini"); }
    std::optional<std::string> value(std::string_view section, std::string_view key) const {
        return platform::readProfileValue(home.path("Corvell.ini"), section, key);
    }
    // Every "WINDOW_PLACEMENT" entry of the file (the main window's and the nine panels'), by key.
    std::map<std::string, std::string> placements() const {
        std::map<std::string, std::string> out;
        std::vector<std::string> keys = {"frmMain"};
        for (const shell::PanelSlotInfo& info : shell::kPanelSlots) {
            keys.emplace_back(info.placementKey);
        }
        for (const std::string& key : keys) {
            if (auto v = value("WINDOW_PLACEMENT", key)) out[key] = *v;
        }
        return out;
    }

    TempHome home;
    platform::ScriptedPresenter presenter;  // records every box; none is expected
    // Runs a modal dialog (the first start's COM-port dialog); none: closed without a choice.
    std::function<int(QDialog&)> onModal;

  private:
    rxemu::RxEmulator emu_;
    std::unique_ptr<app::Program> program_;
    int ended_ = 0;
    int starts_ = 0;
};

}  // namespace corvell::test
