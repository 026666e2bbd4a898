// Where one image hot zone of a drawn panel sits on its skin (panel pixels) and the legend it is
// named by for screen readers and tests (none for images that do not act). A panel keeps one
// table of them, indexed by image number, and DrawnPanel::placeImages lays it out.
// Thread contract: constant data; any thread.
#pragma once

#include <cstdint>

namespace corvell::panels {

struct ImagePlace {
    int16_t index;
    int16_t x, y, width, height;
    const char* legend;
};

}  // namespace corvell::panels
