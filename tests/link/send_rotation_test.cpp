// Where a sender woken from a rest starts: the first group with a raised flag, looked for from
// the step the rotation stands on, round its end and back to it.
#include "link/send_rotation.h"

#include <gtest/gtest.h>

#include <vector>

#include "link/receiver_state.h"
#include "tests/link/link_fixture.h"

namespace {

using quillon::Flag;
using quillon::ReceiverState;
using quillon::SendRotation;

TEST(SendRotationTest, TheFirstRaisedGroupIsFoundFromTheStepTheRotationStandsOn) {
    struct Case {
        std::vector<Flag> raised;
        int32_t from;
        int32_t first;
    };
    const Case cases[] = {
        {{}, 0, -1},
        {{Flag::Pll, Flag::Afc}, 4, -1},  // raised, but no group sends them
        {{Flag::Af}, 2, 2},               // the group it stands on
        {{Flag::Af}, 4, 2},               // round the end and back
        {{Flag::Filter}, 2, 8},           // the frequency group has two steps
        {{Flag::Vsc}, 10, 0},
        {{Flag::An}, 0, 16},
        {{Flag::Level, Flag::Ctcss}, 4, 14},
        {{Flag::Level, Flag::Ctcss}, 16, 2},
        {{Flag::Bpf}, 7, 12},  // a step off the rotation starts it again from 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "from " << c.from << ", " << c.raised.size() << " raised");
        link_test::TestNames names;
        ReceiverState state(names.relayMapping, names.relayMutex);
        for (Flag f : c.raised) state.raise(f);
        EXPECT_EQ(SendRotation::FirstRaised(state, c.from), c.first);
    }
}

}  // namespace
