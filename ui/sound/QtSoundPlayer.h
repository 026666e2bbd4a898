// The program's sound player on Qt Multimedia: one sound effect at a time, played
// asynchronously. Without an audio output device (a server, a container, the offscreen platform)
// nothing plays and a line is logged; a file that cannot be decoded is logged the same way when
// the player finds out.
// Thread contract: user-interface thread only; needs a running Qt application for the sound to
// be heard.
#pragma once

#include <memory>

#include "ui/SoundPlayer.h"

class QSoundEffect;

namespace corvell::ui {

class QtSoundPlayer : public SoundPlayer {
  public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    bool playAsync(const std::string& path) override;

  private:
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace corvell::ui
