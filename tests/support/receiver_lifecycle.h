// Start-up and end of the program for the receiver object in tests: made, loaded and set as the
// program's receiver; then unloaded and forgotten together with the program-wide objects.
// Thread contract: used from the test's main thread.
#pragma once

#include <memory>

#include "core/ProgramObjects.h"
#include "core/frmTesselbase.h"
#include "memory/MemoryFileSetting.h"
#include "memory/clsMEMORY.h"
#include "platform/private_profile.h"

namespace corvell::test {

// A receiver object made and loaded as start-up does, kept in `rx`.
inline frmTesselbase& loadReceiver(std::unique_ptr<frmTesselbase>& rx) {
    static MemoryFileSetting memoryFile;
    rx = std::make_unique<frmTesselbase>();
    rx->setSettingsPart(&memoryFile);
    SetProgramReceiver(rx.get());
    rx->Init();
    rx->Load();
    return *rx;
}

// Unloads and forgets the receiver object in `rx` and the program-wide objects, as the end of
// the program does, so the next load starts from the settings file alone.
inline void restartReceiver(std::unique_ptr<frmTesselbase>& rx) {
    rx->Unload();
    SetProgramReceiver(nullptr);
    rx.reset();
    ResetProgramMemory();
    ResetProgramObjects();
    platform::clearProfileCache();
}

}  // namespace corvell::test
