// The tables of the artwork catalog, one per id range. Each is defined in its own file
// (ArtTitle.cpp, ArtToolStrip.cpp, ...) and registered once, in ArtTables.cpp.
// Thread contract: constants, initialised before any code runs.
#pragma once

#include "resources/ArtCatalog.h"

namespace corvell::art {

extern const ArtTable kTitleArt;
extern const ArtTable kToolStripArt;
extern const ArtTable kTunerArt;
extern const ArtTable kModeArt;
extern const ArtTable kDtmfArt;
extern const ArtTable kDspArt;
extern const ArtTable kDigitArt;
extern const ArtTable kScopeArt;
extern const ArtTable kScanPadArt;

// Pictures the windows show that have no resource id of their own.
inline constexpr int kScopeLimitIconId = 1190;  // the scope's "step limited" status icon
inline constexpr int kScopePauseIconId = 1191;  // the scope's "paused" status icon
inline constexpr int kScopePowerOffId = 1192;   // the cover over the scope while switched off

}  // namespace corvell::art
