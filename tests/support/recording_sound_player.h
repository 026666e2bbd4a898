// A sound-player stand-in for tests: records every path it is asked to play and answers that the
// sound started.
#pragma once

#include <string>
#include <vector>

#include "ui/SoundPlayer.h"

namespace corvell::test {

class RecordingSoundPlayer : public ui::SoundPlayer {
  public:
    bool playAsync(const std::string& path) override {
        played.push_back(path);
        return true;
    }
    std::vector<std::string> played;
};

}  // namespace corvell::test
