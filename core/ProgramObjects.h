// The program-wide single instances of the core: the settings-file profile, the program
// settings and the band-edge table set. Each is created on first use; tests reset them.
// Thread contract: user-interface thread only.
#pragma once

#include "core/clsProfileIO.h"
#include "core/clsSettingTessel.h"
#include "core/objEDGES.h"

namespace corvell {

// The profile on "Corvell.ini" in the program directory (created that way on first use, so
// it never points anywhere else even before start-up has set it up).
clsProfileIO& ProgramProfile();

// The program settings; start-up hands it the profile with Init.
clsSettingTessel& ProgramSettings();

// The band-edge table set, empty until the receiver object builds its tables.
objEDGES& ProgramEdges();

// Releases all three as the end of the program does (the settings save once more through the
// profile they were given), so the next use creates them anew.
void ResetProgramObjects();

}  // namespace corvell
