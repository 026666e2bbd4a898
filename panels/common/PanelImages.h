// The wanted and shown bitmap ids of a drawn panel's image hot zones (1..N; 0 = no picture) and
// DispAll, which recomputes the wanted ids and hands on only the images whose id changed. DispAll
// refuses to run inside itself (image keys fire from press-and-hold while the heartbeat redraws).
// Thread contract: user-interface thread only.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace corvell::panels {

class PanelImages {
  public:
    // Images 1..last; index 0 exists and is cleared with them, but DispAll never shows it.
    explicit PanelImages(int last)
        : wanted_(static_cast<std::size_t>(last) + 1), shown_(wanted_.size()) {}

    int last() const { return static_cast<int>(wanted_.size()) - 1; }

    // Indexes outside 0..last are ignored (read as 0).
    int16_t wanted(int i) const { return inRange(i) ? wanted_[static_cast<std::size_t>(i)] : 0; }
    void setWanted(int i, int16_t id) {
        if (inRange(i)) wanted_[static_cast<std::size_t>(i)] = id;
    }
    int16_t shown(int i) const { return inRange(i) ? shown_[static_cast<std::size_t>(i)] : 0; }

    // Both tables to 0, as a panel's layout starts.
    void clear() {
        std::fill(wanted_.begin(), wanted_.end(), int16_t{0});
        std::fill(shown_.begin(), shown_.end(), int16_t{0});
    }

    // `id` while image `index` is the held one (repeatIndex) and a press is on (repeatStat > 0),
    // else 0.
    void SetKeyHeld(int index, int16_t id, int repeatIndex, int repeatStat) {
        setWanted(index, (repeatIndex == index && repeatStat > 0) ? id : int16_t{0});
    }

    bool running() const { return running_; }

    // indicators() sets the wanted ids; then show(index, id) runs for each image whose wanted id
    // differs from the shown one, which takes the new id. Returns the number of images shown
    // anew, or -1 when DispAll was already running (nothing done).
    template <class Indicators, class Show>
    int DispAll(Indicators&& indicators, Show&& show) {
        if (running_) return -1;
        running_ = true;
        struct Reset {
            bool& flag;
            ~Reset() { flag = false; }
        } reset{running_};
        indicators();
        int changed = 0;
        for (std::size_t i = 1; i < wanted_.size(); ++i) {
            if (wanted_[i] == shown_[i]) continue;
            shown_[i] = wanted_[i];
            show(static_cast<int>(i), shown_[i]);
            ++changed;
        }
        return changed;
    }

  private:
    bool inRange(int i) const { return i >= 0 && static_cast<std::size_t>(i) < wanted_.size(); }

    std::vector<int16_t> wanted_;
    std::vector<int16_t> shown_;
    bool running_ = false;
};

}  // namespace corvell::panels
