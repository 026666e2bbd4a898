// The memory object: cursor, clamping, copies and swaps, and the changed and redraw flags.
#include <gtest/gtest.h>

#include "core/ReceiverCodes.h"
#include "memory/clsMEMORY.h"
#include "tests/memory/memory_home.h"

namespace {

using namespace corvell;

class MemoryObject : public ::testing::Test {
  protected:
    void SetUp() override {
        memory().NewMemory();
        for (int ch = 0; ch < 50; ++ch) {
            clsMchDATA& r = memory().chData(19, ch);
            memory().DefaultBlank(r);
            r.setLngFreq(ch == 0 ? 0 : 100000000 + ch);
        }
        memory().setMemoryRedraw(false);
    }
    clsMEMORY& memory() { return ProgramMemory(); }

    test::MemoryHome home_;
};

TEST_F(MemoryObject, CursorIsClampedAndFieldsGoToTheStoredRecord) {
    memory().chData(19, 0).setName1("Corner");
    memory().ch(25, -3);
    EXPECT_EQ(memory().strChName(), "Corner          ");
    memory().ch(19, 80).setLngFreq(145000000);
    EXPECT_EQ(memory().chData(19, 49).lngFreq(), 145000000);

    memory().ch(4, 4);
    memory().setStrChName("Tower");
    memory().setStrComment("east");
    memory().setStrModeName("WFM");
    memory().setStrTsName("100k");
    memory().setIntAtt(1);
    memory().setIntTag(1);
    memory().setIntSkip(1);
    memory().setIntTsql(51);
    const clsMchDATA& r = memory().chData(4, 4);
    EXPECT_EQ(r.name1(), "Tower           ");
    EXPECT_EQ(memory().strComment(), "east" + std::string(28, ' '));
    EXPECT_EQ(r.intMode(), kModeWFM);
    EXPECT_EQ(r.intFilter(), kFilter50k);  // corrected for WFM
    memory().setStrFilterName("3k");
    EXPECT_EQ(memory().strFilterName(), "50k");
    EXPECT_EQ(r.tsfrq(), 100000);
    EXPECT_EQ(memory().intAtt() + memory().intTag() + memory().intSkip(), 3);
    EXPECT_EQ(memory().intTsql(), 51);
    EXPECT_EQ(memory().ch(0, 0).strChName(), "NONAME          ");
}

TEST_F(MemoryObject, OnlyChangeAndBankNamesMarkTheMemoryChanged) {
    memory().ch(1, 1).setLngFreq(50000000);
    memory().Copy(1, 1, 2, 2);
    memory().Swap(1, 1, 3, 3);
    memory().allclear(5);
    EXPECT_FALSE(memory().MemoryChanged());
    EXPECT_TRUE(memory().MemoryRedraw());  // allclear asks for one

    memory().setMemoryRedraw(false);
    memory().Change();
    EXPECT_TRUE(memory().MemoryChanged());
    EXPECT_FALSE(memory().MemoryRedraw());

    memory().NewMemory();
    EXPECT_FALSE(memory().MemoryChanged());
    memory().setMemoryRedraw(false);
    memory().setStrBankName(30, "Top");
    EXPECT_TRUE(memory().MemoryChanged());
    EXPECT_TRUE(memory().MemoryRedraw());
    EXPECT_EQ(memory().BankName(19), "Top");
}

TEST_F(MemoryObject, SwapExchangesTheTenFields) {
    clsMchDATA& used = memory().chData(19, 7);
    used.setName1("Used");
    used.setName2("remark");
    used.setModeText("USB");
    used.setTsname("1k");
    used.setIntTsql(3);
    used.setLngFreqHigh(555);
    memory().chData(19, 0).setLngFreqHigh(777);

    memory().Swap(19, 7, 19, 7);
    EXPECT_EQ(memory().chData(19, 7).name1(), "Used            ");
    EXPECT_EQ(memory().chData(19, 7).lngFreq(), 100000007);

    memory().Swap(19, 0, 19, 7);
    const clsMchDATA& moved = memory().chData(19, 0);
    EXPECT_EQ(moved.lngFreq(), 100000007);
    EXPECT_EQ(moved.name1(), "Used            ");
    EXPECT_EQ(moved.name2(), "remark" + std::string(26, ' '));
    EXPECT_EQ(moved.intMode(), kModeUSB);
    EXPECT_EQ(moved.tsfrq(), 1000);
    EXPECT_EQ(moved.intTsql(), 3);
    EXPECT_EQ(moved.lngFreqHigh(), 777);  // not part of a swap
    EXPECT_TRUE(memory().chk_blank(19, 7));
    EXPECT_EQ(memory().chData(19, 7).name1(), "NONAME          ");
    EXPECT_EQ(memory().chData(19, 7).lngFreqHigh(), 555);
}

TEST_F(MemoryObject, BanksAndChannelsStepAndWrap) {
    memory().setActiveBank(-2);
    EXPECT_EQ(memory().ActiveBank(), 0);
    memory().setActiveBank(40);
    EXPECT_EQ(memory().ActiveBank(), 19);
    memory().setActiveCh(49);
    EXPECT_EQ(memory().ChUp(), 0);
    EXPECT_EQ(memory().ChDown(), 49);
    EXPECT_EQ(memory().ChDown(), 48);
    memory().setActiveBank(3);
    EXPECT_EQ(memory().ActiveCh(), 0);  // every bank keeps its own channel
    memory().setActiveCh(70);
    EXPECT_EQ(memory().ActiveCh(), 49);
    EXPECT_EQ(memory().CurrentCh(19), 48);
    EXPECT_EQ(memory().CurrentCh(3), 49);
    EXPECT_EQ(memory().maxchnum(7), 50);
}

TEST_F(MemoryObject, LoadFailureStillAsksForARedraw) {
    memory().setMemoryRedraw(false);
    EXPECT_EQ(memory().LoadMemory(home_.path("none.MCH")), 0);
    EXPECT_TRUE(memory().MemoryRedraw());
    EXPECT_EQ(memory().chData(19, 5).lngFreq(), 100000005);
}

}  // namespace
