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

}  // namespace corvell::art
