// A text kept with the inputs it was made from, so a heartbeat tick that finds the same inputs
// takes the text as it stands instead of formatting it again.
// Thread contract: one thread per object.
#pragma once

#include <string>
#include <tuple>

namespace corvell::panels {

template <typename... Inputs>
class TextMemo {
  public:
    // The text `make()` gives for these inputs; `make` runs only when they differ from the
    // last call's (and on the first call).
    template <typename Make>
    const std::string& operator()(Make&& make, const Inputs&... inputs) {
        if (!made_ || !(std::tie(inputs...) == inputs_)) {
            inputs_ = std::tuple<Inputs...>(inputs...);
            text_ = make();
            made_ = true;
        }
        return text_;
    }

  private:
    bool made_ = false;
    std::tuple<Inputs...> inputs_{};
    std::string text_;
};

}  // namespace corvell::panels
