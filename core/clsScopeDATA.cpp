#include "core/clsScopeDATA.h"

namespace corvell {

void clsScopeDATA::setMode(int16_t v) {
    if (v >= 0 && v <= 2) mode_ = v;
}

void clsScopeDATA::setTs(int32_t v) {
    if (v >= 1 && v <= 100000) ts_ = v;
}

void clsScopeDATA::setBwidth(int32_t v) {
    if (v >= 0 && v <= 255) bwidth_ = static_cast<int16_t>(v);
}

void clsScopeDATA::setSpeed(int16_t v) {
    if (v >= 1 && v <= 200) speed_ = v;
}

void clsScopeDATA::buff_clear() {
    for (int i = 0; i < kPoints; ++i) setSCOPE_buff(i, 0);
}

int16_t clsScopeDATA::SCOPE_buff(int index) {
    if (!valid(index)) return 0;
    const int16_t level = level_[static_cast<std::size_t>(index)];
    setSCOPE_change(index, 0);
    return level;
}

void clsScopeDATA::setSCOPE_buff(int index, int16_t level) {
    if (!valid(index)) return;
    int16_t& stored = level_[static_cast<std::size_t>(index)];
    if (stored == level) return;
    stored = level;
    setSCOPE_change(index, 1);
}

int16_t clsScopeDATA::SCOPE_buff_WoFlag(int index) const {
    return valid(index) ? level_[static_cast<std::size_t>(index)] : 0;
}

int16_t clsScopeDATA::SCOPE_change(int index) const {
    return valid(index) ? change_[static_cast<std::size_t>(index)] : 0;
}

void clsScopeDATA::setSCOPE_change(int index, int16_t flag) {
    if (!valid(index)) return;
    int16_t& stored = change_[static_cast<std::size_t>(index)];
    if (stored == flag) return;
    stored = flag;
    if (flag == 1) {
        ++changeCount_;
    } else if (changeCount_ > 0) {
        --changeCount_;
    }
}

}  // namespace corvell
