// The memory list window over a full memory file (20 banks of 50 channels): one redraw of the
// grid, and showing each of the 20 banks in turn right after the file was opened, so every
// channel is read from the file on the way.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <filesystem>
#include <memory>
#include <string>

#include "core/frmTesselbase.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "memory/frmMch.h"
#include "ui/PanelWindow.h"

namespace {

using namespace corvell;

struct NoOwner : ui::PanelOwner {
    void KeyAction(const std::string&) override {}
};

// A full memory file in a temporary directory, the receiver object (never switched on) and the
// window, shown offscreen; made once for all benchmarks.
class ListRig {
  public:
    ListRig() {
        if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "bench_memory";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        char tmpl[] = "/tmp/corvell-bench-list-XXXXXX";
        dir_ = ::mkdtemp(tmpl);
        ::setenv("CORVELL_HOME", dir_.c_str(), 1);
        clsMEMORY& memory = ProgramMemory();
        memory.NewMemory();
        for (int bank = 0; bank < 20; ++bank) {
            memory.setStrBankName(bank, "Bank " + std::to_string(bank));
            for (int ch = 0; ch < 50; ++ch) {
                clsMchDATA& r = memory.chData(bank, ch);
                memory.DefaultBlank(r);
                r.setName1("Channel " + std::to_string(bank * 50 + ch));
                r.setName2("a remark");
                r.setLngFreq(118000000 + bank * 10000000 + ch * 12500);
                r.setModeText(ch % 2 ? "AM" : "FM");
                r.setIntTsql(static_cast<int16_t>(ch % 52));
            }
        }
        if (memory.SaveAsMemory(file()) != 1) std::abort();
        SetProgramReceiver(&rx_);
        window_ = std::make_unique<frmMch>(ProgramMemoryList());
        window_->Init(owner_);
        window_->show();
    }
    ~ListRig() {
        window_.reset();
        ResetProgramMemoryList();
        SetProgramReceiver(nullptr);
        ResetProgramMemory();
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string file() const { return dir_ + "/full.MCH"; }
    frmMch& window() { return *window_; }

  private:
    std::unique_ptr<QApplication> app_;
    std::string dir_;
    frmTesselbase rx_;
    NoOwner owner_;
    std::unique_ptr<frmMch> window_;
};

ListRig& rig() {
    static ListRig r;
    return r;
}

// One redraw of the 550 cells, the bank number and the bank name.
void BM_UpdateSheetOfOneBank(benchmark::State& state) {
    frmMch& window = rig().window();
    ProgramMemory().setActiveBank(7);
    for (auto _ : state) window.UpdateSheet();
}
BENCHMARK(BM_UpdateSheetOfOneBank)->Unit(benchmark::kMicrosecond);

// The file opened afresh (not timed), then banks 1..19 and 0 shown one after another; each
// bank's 50 channels are read from the file on the way, and the grid is painted each time.
void BM_ShowEveryBankAfterOpening(benchmark::State& state) {
    ListRig& r = rig();
    clsMEMORY& memory = ProgramMemory();
    for (auto _ : state) {
        state.PauseTiming();
        if (memory.LoadMemory(r.file()) != 1) std::abort();
        memory.setActiveBank(0);
        state.ResumeTiming();
        for (int bank = 1; bank <= 20; ++bank) {
            r.window().ChangeBank(bank % 20);
            QCoreApplication::processEvents();  // the grid is painted
        }
    }
}
BENCHMARK(BM_ShowEveryBankAfterOpening)->Unit(benchmark::kMillisecond);

}  // namespace
