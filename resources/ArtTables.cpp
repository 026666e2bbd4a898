// The one place where the id-range tables are registered: a new range is a new table file and
// one line here (and its declaration in ArtTables.h).
#include "resources/ArtTables.h"

#include <array>

namespace corvell::art {

std::span<const ArtTable* const> artTables() {
    static constexpr std::array<const ArtTable*, 9> kTables = {
        &kTitleArt, &kToolStripArt, &kTunerArt, &kModeArt,    &kDtmfArt,
        &kDspArt,   &kDigitArt,     &kScopeArt, &kScanPadArt,
    };
    return kTables;
}

}  // namespace corvell::art
