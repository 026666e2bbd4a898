// The tuner panel as the program makes it: on the program's receiver, memory, memory list
// operations and settings, loaded and shown; press-and-hold driven by the given environment.
#pragma once

#include <memory>

#include "core/ProgramObjects.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "panels/tuner/frmTuner.h"

namespace corvell::test {

inline std::unique_ptr<panels::frmTuner> loadProgramTuner(frmTesselbase& rx,
                                                          ui::HoldEnvironment* hold,
                                                          ui::PanelOwner* owner = nullptr) {
    auto tuner = std::make_unique<panels::frmTuner>(
        panels::TunerLogic::Neighbours{rx, ProgramMemory(), ProgramMemoryList(), ProgramSettings()},
        nullptr, hold);
    if (owner) tuner->Init(*owner);
    tuner->Load();
    tuner->show();
    return tuner;
}

}  // namespace corvell::test
