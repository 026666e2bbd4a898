// The mode panel's images as data: the 16 keys (rectangle, pressed bitmap, action, firing rule,
// whether a blank receiver stops them, legend) and the 11 indicators with their places; the
// layout, the key dispatch and the tests all read these tables.
// Thread contract: constants, any thread.
#pragma once

#include <cstdint>
#include <span>

namespace corvell::panels {

enum class ModeAction {
    Ssb,
    Cw,
    Am,
    AutoMode,
    Wfm,
    Fm,
    ToneSquelch,
    FilterUp,
    FilterDown,
    IfShiftCentre,
    Afc,
    Att,
    Nb,
    Agc,
    Monitor,
    AfMute,
};

struct ModeKey {
    int16_t index;
    int16_t x, y, width, height;
    int16_t heldId;
    ModeAction action;
    bool everyFiring;  // false: the press only
    bool notBlank;     // nothing while the receiver is blank
    const char* legend;
};

struct ModeIndicatorPlace {
    int16_t index;
    int16_t x, y;
    int16_t sizeId;  // the image takes the size of this bitmap
    const char* legend;
};

inline constexpr int kModeImageCount = 28;
inline constexpr int16_t kModeSkinId = 1201;

std::span<const ModeKey> ModeKeys();
const ModeKey* FindModeKey(int index);
std::span<const ModeIndicatorPlace> ModeIndicatorPlaces();

// The sliders: AF gain, squelch, IF shift.
struct ModeSliderPlace {
    int x, y, width, height;
};
inline constexpr ModeSliderPlace kAfgainSlider{380, 38, 95, 12};
inline constexpr ModeSliderPlace kSquelchSlider{380, 68, 95, 12};
inline constexpr ModeSliderPlace kIfShiftSlider{213, 77, 95, 12};

}  // namespace corvell::panels
