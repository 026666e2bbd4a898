#include "core/clsEDGES.h"

namespace corvell {

void clsEDGES::add(std::string_view key, int32_t low, int32_t high) {
    for (const auto& entry : edges_) {
        if (entry.first == key) return;
    }
    clsEDGE edge;
    edge.setLow(low);
    edge.setHigh(high);
    edges_.emplace_back(std::string(key), edge);
    // The given values, not the stored ones, decide the table's extremes.
    if (lowest_ == 0 || low < lowest_) lowest_ = low;
    if (high > highest_) highest_ = high;
}

bool clsEDGES::inside(int32_t f) const {
    for (const auto& entry : edges_) {
        if (entry.second.compair(f) == clsEDGE::isINSIDE) return true;
    }
    return false;
}

int32_t clsEDGES::nextedge(int32_t f, bool up) const {
    if (edges_.empty()) return f;
    if (up) {
        const int32_t r = findnextlow(f);
        return r == 0 ? lowest_ : r;
    }
    const int32_t r = findnexthigh(f);
    return r == 0 ? highest_ : r;
}

int32_t clsEDGES::findnexthigh(int32_t f) const {
    if (edges_.size() <= 1 || lowest_ <= 0 || lowest_ > f) return 0;
    int32_t best = 0;
    for (const auto& entry : edges_) {
        const int32_t high = entry.second.high();
        if (high < f && high > best) best = high;
    }
    return best;
}

int32_t clsEDGES::findnextlow(int32_t f) const {
    if (edges_.size() <= 1 || highest_ <= 0 || f >= highest_) return 0;
    int32_t best = 0;
    for (const auto& entry : edges_) {
        const int32_t low = entry.second.low();
        if (low > f && (best == 0 || low < best)) best = low;
    }
    return best;
}

}  // namespace corvell
