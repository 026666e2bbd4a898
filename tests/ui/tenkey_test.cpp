#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/clsTENKEY.h"

namespace corvell::ui {
namespace {

constexpr int32_t kTuned = 433'920'000;  // the receiver's frequency the keys may look at

struct Sequence {
    const char* name;
    int16_t digit;
    std::vector<int16_t> keys;
    std::string lastResult;
    std::string buff;
    std::string inputPos;
    int16_t mode;
};

constexpr int16_t DP = clsTENKEY::kDP, CE = clsTENKEY::kCE, ENT = clsTENKEY::kENT,
                  FINP = clsTENKEY::kFINP, MCH = clsTENKEY::kMCH;

TEST(TenKey, KeySequencesGiveTheBufferPositionAndResult) {
    const std::vector<Sequence> table = {
        {"whole MHz from idle", 10, {1, 4, 5, ENT}, "ENT", " 145000000", "3", 0},
        {"as a panel types it: entry opened first",
         10,
         {FINP, 1, 4, 5, DP, 5, ENT},
         "ENT",
         " 145500000",
         "11",
         0},
        {"nine digits, no point",
         10,
         {1, 4, 5, 5, 0, 0, 0, 0, 0, ENT},
         "ENT",
         " 145500000",
         "9",
         0},
        {"nine places read in 10 Hz", 9, {1, 4, 5, ENT}, "ENT", " 14500000", "3", 0},
        {"nine places with a point",
         9,
         {FINP, 1, 4, 5, DP, 5, 2, 5, ENT},
         "ENT",
         " 14552500",
         "13",
         0},
        {"digits while typing shift left", 10, {FINP, 1, 4}, "", "        14", "2", 1},
        {"point first takes the tuned MHz", 10, {DP, 5}, "", " 433     5", "11", 1},
        {"point right after a first digit from idle keeps the digit as the MHz",
         10,
         {7, DP},
         "",
         "   7      ",
         "10",
         1},
        {"point after five digits does nothing",
         10,
         {FINP, 1, 2, 3, 4, 5, DP},
         "",
         "     12345",
         "5",
         1},
        {"six places behind the point fill it",
         10,
         {FINP, 1, DP, 1, 2, 3, 4, 5, 6, 7, ENT},
         "ENT",
         "   1234567",
         "16",
         0},
        {"five digits from idle stay as typed, as after FINP",
         10,
         {2, 0, 1, 4, 5, ENT},
         "ENT",
         "     20145",
         "5",
         0},
        {"four whole-MHz digits above 1999 enter nothing",
         10,
         {FINP, 9, 1, 4, 5, ENT},
         "",
         "9145000000",
         "4",
         0},
        {"ten digits of 2,000,000,000 or more enter nothing",
         10,
         {FINP, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, ENT},
         "",
         "2000000000",
         "9",
         0},
        {"just below the limit enters",
         10,
         {FINP, 1, 9, 9, 9, 9, 9, 9, 9, 9, 9, ENT},
         "ENT",
         "1999999999",
         "9",
         0},
        {"MCH right after the point cancels", 10, {FINP, 1, DP, MCH}, "CE", "   1      ", "10", 0},
        {"MCH after a digit behind the point",
         10,
         {FINP, 1, DP, 2, MCH},
         "MCH",
         "   1     2",
         "11",
         0},
        {"MCH with a channel number", 10, {FINP, 4, 2, MCH}, "MCH", "        42", "2", 0},
        {"CE ends an entry", 10, {FINP, 1, CE}, "CE", "         1", "1", 0},
        {"CE while idle", 10, {CE}, "CE", std::string(10, ' '), "0", 0},
        {"ENT while idle", 10, {ENT}, "CE", std::string(10, ' '), "0", 0},
        {"MCH while idle", 10, {MCH}, "", std::string(10, ' '), "0", 0},
        {"FINP while open does nothing", 10, {FINP, 3, FINP}, "", "         3", "1", 1},
        {"unknown code does nothing", 10, {FINP, 3, 42, -1}, "", "         3", "1", 1},
    };
    for (const Sequence& s : table) {
        clsTENKEY tenkey;
        tenkey.setDigit(s.digit);
        std::string result = "unset";
        for (int16_t key : s.keys) result = tenkey.Operation(key, kTuned);
        EXPECT_EQ(result, s.lastResult) << s.name;
        EXPECT_EQ(tenkey.buff(), s.buff) << s.name;
        EXPECT_EQ(tenkey.InputPos(), s.inputPos) << s.name;
        EXPECT_EQ(tenkey.mode(), s.mode) << s.name;
    }
}

// A digit typed with no entry open opens the entry itself: whatever follows gives what it gives
// after FINP, so a caller that forgets FINP still enters the frequency typed.
TEST(TenKey, ADigitIntoAClosedEntryCountsAsAfterFinp) {
    const std::vector<std::vector<int16_t>> sequences = {
        {2, 0, 1, 4, 5, ENT},
        {1, 4, 5, DP, 5, ENT},
        {4, 2, MCH},
        {7, DP, 1, ENT},
        {1, 2, 3, 4, 5, DP},
        {9, ENT},
        {1, 9, 9, 9, 9, 9, 9, 9, 9, 9, ENT},
    };
    for (int16_t digit : {int16_t{9}, int16_t{10}}) {
        for (const std::vector<int16_t>& keys : sequences) {
            clsTENKEY typed;
            clsTENKEY opened;
            typed.setDigit(digit);
            opened.setDigit(digit);
            opened.finp(kTuned);
            std::string typedResult, openedResult;
            for (int16_t key : keys) {
                typedResult = typed.Operation(key, kTuned);
                openedResult = opened.Operation(key, kTuned);
            }
            SCOPED_TRACE(testing::Message() << "digit " << digit << ", first key " << keys[0]
                                            << ", " << keys.size() << " keys");
            EXPECT_EQ(typedResult, openedResult);
            EXPECT_EQ(typed.buff(), opened.buff());
            EXPECT_EQ(typed.InputPos(), opened.InputPos());
            EXPECT_EQ(typed.mode(), opened.mode());
        }
    }
}

TEST(TenKey, APanelEntryOf145Point5ReadsAs145500000Hz) {
    // The panel opens the entry before the first digit, then converts buff after "ENT".
    clsTENKEY tenkey;
    tenkey.setDigit(10);
    std::string result;
    for (int16_t key : {1, 4, 5, 10, 5, 12}) {
        if (tenkey.mode() == 0 && key <= 10) tenkey.finp(kTuned);
        result = tenkey.Operation(key, kTuned);
    }
    ASSERT_EQ(result, "ENT");
    EXPECT_EQ(std::stoll(tenkey.buff()), 145'500'000);
}

TEST(TenKey, TheMhzOfTheTunedFrequencyFillFourPlaces) {
    clsTENKEY tenkey;
    tenkey.Operation(DP, 1'300'000'000);
    EXPECT_EQ(tenkey.buff(), "1300      ");
    tenkey.off();
    tenkey.Operation(DP, 999'999);
    EXPECT_EQ(tenkey.buff(), "   0      ");
}

TEST(TenKey, DigitAcceptsOnlyNineOrTenAndAlwaysClosesTheEntry) {
    clsTENKEY tenkey;
    EXPECT_EQ(tenkey.digit(), 10);
    tenkey.finp(0);
    tenkey.setDigit(8);
    EXPECT_EQ(tenkey.digit(), 10);
    EXPECT_EQ(tenkey.mode(), 0);
    tenkey.setDigit(9);
    EXPECT_EQ(tenkey.digit(), 9);
    EXPECT_EQ(tenkey.buff().size(), 9u);
}

TEST(TenKey, OffEndsTheEntryAndKeepsWhatWasTyped) {
    clsTENKEY tenkey;
    tenkey.Operation(7, 0);
    tenkey.off();
    EXPECT_EQ(tenkey.mode(), 0);
    EXPECT_EQ(tenkey.buff(), "         7");
    EXPECT_EQ(tenkey.Operation(CE, 0), "CE");
}

TEST(TenKey, KeyboardCharactersMapToKeys) {
    clsTENKEY tenkey;
    EXPECT_EQ(tenkey.Operation_k(13, 0), "");  // carriage return while idle opens an entry
    EXPECT_EQ(tenkey.mode(), 1);
    for (char c : std::string("145.5")) tenkey.Operation_k(c, 0);
    EXPECT_EQ(tenkey.Operation_k(13, 0), "ENT");
    EXPECT_EQ(tenkey.buff(), " 145500000");
    tenkey.finp(0);
    EXPECT_EQ(tenkey.Operation_k('x', 0), "CE");
}

TEST(TenKey, KeyNamesMapToKeys) {
    clsTENKEY tenkey;
    tenkey.Operation_s("FINP", 0);
    for (const char* name : {"1", "4", "5", "DP", "5"}) tenkey.Operation_s(name, 0);
    EXPECT_EQ(tenkey.Operation_s("ENT", 0), "ENT");
    EXPECT_EQ(tenkey.buff(), " 145500000");

    tenkey.Operation_s("39", 0);  // between "0" and "9" in text order: its first digit
    EXPECT_EQ(tenkey.buff(), "         3");
    EXPECT_EQ(tenkey.Operation_s("MCH", 0), "MCH");
    tenkey.Operation_s("2", 0);
    EXPECT_EQ(tenkey.Operation_s("CE", 0), "CE");
    tenkey.Operation_s("2", 0);
    EXPECT_EQ(tenkey.Operation_s("", 0), "CE");
    EXPECT_EQ(tenkey.Operation_s("9x", 0), "CE");  // after "9" in text order
}

}  // namespace
}  // namespace corvell::ui
