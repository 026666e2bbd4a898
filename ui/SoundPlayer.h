// Playing a sound file without waiting for it, behind a seam: the program plays through Qt
// Multimedia (ui/sound/QtSoundPlayer.h), tests install a recording stand-in.
// Thread contract: user-interface thread only.
#pragma once

#include <string>

namespace corvell::ui {

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Starts playing the sound file at `path` and returns at once; a sound this player is still
    // playing stops. False when the sound cannot start (no audio output, unreadable file); the
    // reason is logged, the user is not asked anything.
    virtual bool playAsync(const std::string& path) = 0;
};

}  // namespace corvell::ui
