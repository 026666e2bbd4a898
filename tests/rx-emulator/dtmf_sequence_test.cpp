// DTMF keys as the receiver reports them, at a person's pace on an injected clock.
#include "tools/rx-emulator/dtmf_sequence.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using rxemu::DtmfSequence;

TEST(DtmfCode, EachKeyHasItsCodeAndNothingElseHasOne) {
    const std::string keys = "0123456789ABCD*#";
    for (size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(rxemu::dtmfCode(keys[i]), 16 + static_cast<int>(i)) << keys[i];
    }
    for (char other : std::string("abcdE ,\n") + '\0') {
        EXPECT_EQ(rxemu::dtmfCode(other), std::nullopt) << int{other};
    }
}

constexpr int64_t kPeriod = 200000;  // µs

TEST(DtmfSequence, KeysComeOneAtATimeAPeriodApartTheFirstAtOnce) {
    DtmfSequence sequence(kPeriod);
    EXPECT_EQ(sequence.nextDueUs(), std::nullopt);
    EXPECT_EQ(sequence.takeDue(5'000'000), std::nullopt);

    ASSERT_TRUE(sequence.append("12#"));
    int64_t now = 5'000'000;
    EXPECT_EQ(sequence.takeDue(now), 17);
    EXPECT_EQ(sequence.nextDueUs(), now + kPeriod);
    EXPECT_EQ(sequence.takeDue(now + kPeriod - 1), std::nullopt);  // never two at once
    EXPECT_EQ(sequence.takeDue(now + kPeriod), 18);
    // A late turn sends one key only, and the pace counts from when it went.
    now += 5 * kPeriod;
    EXPECT_EQ(sequence.takeDue(now), 31);
    EXPECT_EQ(sequence.waiting(), 0u);
    EXPECT_EQ(sequence.nextDueUs(), std::nullopt);
    EXPECT_EQ(sequence.takeDue(now + 10 * kPeriod), std::nullopt);
}

TEST(DtmfSequence, KeysAddedSoonAfterKeepThePaceAndAfterAPauseGoAtOnce) {
    DtmfSequence sequence(kPeriod);
    ASSERT_TRUE(sequence.append("5"));
    EXPECT_EQ(sequence.takeDue(1000), 21);
    ASSERT_TRUE(sequence.append("6"));
    EXPECT_EQ(sequence.takeDue(1000 + kPeriod / 2), std::nullopt);
    EXPECT_EQ(sequence.takeDue(1000 + kPeriod), 22);
    ASSERT_TRUE(sequence.append("7"));
    ASSERT_TRUE(sequence.append("8"));  // behind the one still waiting
    EXPECT_EQ(sequence.takeDue(90'000'000), 23);
    EXPECT_EQ(sequence.takeDue(90'000'000 + kPeriod), 24);
}

TEST(DtmfSequence, KeysWithOneThatIsNoKeyAreRefusedWhole) {
    DtmfSequence sequence(kPeriod);
    for (const char* bad : {"12x", "1 2", "a", "#E"}) {
        EXPECT_FALSE(sequence.append(bad)) << bad;
    }
    EXPECT_EQ(sequence.waiting(), 0u);
    EXPECT_TRUE(sequence.append(""));
    EXPECT_EQ(sequence.waiting(), 0u);
}

}  // namespace
