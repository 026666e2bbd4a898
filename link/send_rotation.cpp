#include "link/send_rotation.h"

#include <span>

#include "link/receiver_state.h"

namespace quillon {
namespace {

constexpr Flag kFrequencyAndSquelch[] = {Flag::Frequency, Flag::Mode,    Flag::Filter,
                                         Flag::Squelch,   Flag::Monitor, Flag::Vsc};
constexpr Flag kCtcssAndAf[] = {Flag::Ctcss, Flag::Af};
constexpr Flag kIfshiftAndAgc[] = {Flag::Ifshift, Flag::Agc};
constexpr Flag kNbAndBfo[] = {Flag::Nb, Flag::Bfo};
constexpr Flag kAttAndAnl[] = {Flag::Att, Flag::Anl};
constexpr Flag kBpf[] = {Flag::Bpf};
constexpr Flag kPlugAndLevel[] = {Flag::Plug, Flag::Level};
constexpr Flag kDsp[] = {Flag::DspUnit, Flag::DspOn, Flag::Nr, Flag::An};

std::span<const Flag> GroupOf(int32_t step) {
    switch (step) {
        case 0:
        case 8:
            return kFrequencyAndSquelch;
        case 2:
            return kCtcssAndAf;
        case 4:
            return kIfshiftAndAgc;
        case 6:
            return kNbAndBfo;
        case 10:
            return kAttAndAnl;
        case 12:
            return kBpf;
        case 14:
            return kPlugAndLevel;
        case 16:
            return kDsp;
        default:
            return {};
    }
}

}  // namespace

int32_t SendRotation::Next(int32_t step) {
    return step >= 0 && step < kLastStep && step % 2 == 0 ? step + 2 : 0;
}

bool SendRotation::GroupRaised(const ReceiverState& state, int32_t step) {
    for (Flag f : GroupOf(step)) {
        if (state.flag(f)) return true;
    }
    return false;
}

int32_t SendRotation::FirstRaised(const ReceiverState& state, int32_t from) {
    int32_t step = from;
    // One more look than there are steps, so a start off the rotation still sees all of it.
    for (int i = 0; i <= kSteps; ++i, step = Next(step)) {
        if (GroupRaised(state, step)) return step;
    }
    return -1;
}

}  // namespace quillon
