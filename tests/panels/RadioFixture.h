// The radio panel on the receiver object over the fake link library, in a temporary program
// directory holding a real .MCH file, with the memory list's real channel operations, the real
// tone-squelch dialog, a hand-driven press-and-hold clock and tick count.
#pragma once

#include <filesystem>
#include <memory>

#include "core/ProgramObjects.h"
#include "core/clsTSbase.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "panels/common/ToneSquelchKey.h"
#include "panels/dialogs/DlgCtcssOption.h"
#include "panels/radio/frmRadio.h"
#include "tests/panels/PanelFixture.h"

namespace corvell::test {

inline std::string radioFixture(const std::string& name) {
    return (std::filesystem::path(CORVELL_SOURCE_DIR) / "tests" / "fixtures" / name).string();
}

class RadioTest : public PanelTest {
  protected:
    RadioTest() {
        std::filesystem::copy_file(radioFixture("windows.MCH"), home.path("radio.MCH"));
        ProgramMemory().LoadMemory(home.path("radio.MCH"));
        ProgramMemory().setActiveBank(0);
        ProgramMemory().setActiveCh(0);
        rx->setFrequency(145500000);
        rx->setMode(5);
        rx->setFilter(2);
        dialog = std::make_unique<panels::DlgCtcssOption>(*rx, ProgramProfile());
        dialog->Load();
        toneRef = std::make_unique<panels::CtcssDialogRef>(*dialog);
        radio = std::make_unique<panels::frmRadio>(
            panels::RadioLogic::Neighbours{*rx, ProgramMemory(), ProgramMemoryList(),
                                           toneRef.get()},
            nullptr, &hold);
        radio->Load();
        radio->show();
        rs.clear();
    }
    ~RadioTest() override {
        radio.reset();
        dialog.reset();
    }

    int16_t shownId(int index) const { return radio->img(index)->imageId(); }
    // One heartbeat of the panel after `ms` of the tick count.
    void tick(uint32_t ms = 50) {
        clock.advance(ms);
        radio->Task_exec();
    }

    std::unique_ptr<panels::DlgCtcssOption> dialog;
    std::unique_ptr<panels::CtcssDialogRef> toneRef;
    std::unique_ptr<panels::frmRadio> radio;
};

}  // namespace corvell::test
