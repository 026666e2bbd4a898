// The channel operations of the memory list on the receiver object (link fake) and real .MCH
// files: recall, transfers, insert, delete, bank stepping, and what they ask of the window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/clsMchDATA.h"
#include "core/clsTSbase.h"
#include "memory/MemoryListOps.h"
#include "platform/private_profile.h"
#include "scan/frmSCANctrl.h"
#include "tests/support/rx_fixture.h"

namespace {

using namespace corvell;

// The window as the operations see it: records what it was asked.
struct RecordingView : MemoryListView {
    int sheets = 0, bankLists = 0;
    std::vector<int> shown;
    bool visible = true;
    void UpdateSheet() override { ++sheets; }
    void ListBankName() override { ++bankLists; }
    void ShowChannel(int channel) override { shown.push_back(channel); }
    bool ListVisible() const override { return visible; }
};

class MemoryListOpsTest : public test::RxTest {
  protected:
    MemoryListOpsTest() {
        load();
        memory().NewMemory();
        ops().setView(&view);
    }
    ~MemoryListOpsTest() override {
        ops().setView(nullptr);
        ResetProgramMemoryList();
    }
    clsMEMORY& memory() { return ProgramMemory(); }
    MemoryListOps& ops() { return ProgramMemoryList(); }

    // Channel (bank, ch) used: a name, the frequency and the remark "r<ch>".
    void use(int bank, int ch, int32_t hz) {
        clsMchDATA& r = memory().chData(bank, ch);
        memory().DefaultBlank(r);
        r.setName1("CH" + std::to_string(ch));
        r.setName2("r" + std::to_string(ch));
        r.setLngFreq(hz);
    }
    // The frequencies of a bank's 50 channels.
    std::vector<int32_t> bankFreqs(int bank) {
        std::vector<int32_t> f;
        for (int ch = 0; ch < 50; ++ch) f.push_back(memory().chData(bank, ch).lngFreq());
        return f;
    }
    std::vector<int32_t> ramp(int first, int last, int32_t base) {
        std::vector<int32_t> f;
        for (int i = first; i <= last; ++i) f.push_back(base + i);
        return f;
    }
    void settle() {
        memory().setMemoryRedraw(false);
        view = RecordingView{};
        rs.clear();
        messagesBefore_ = presenter.shown().size();
    }
    // The message boxes shown since the last settle().
    std::vector<platform::MessageRequest> messages() const {
        const auto all = presenter.shown();
        return {all.begin() + static_cast<std::ptrdiff_t>(messagesBefore_), all.end()};
    }

    RecordingView view;
    size_t messagesBefore_ = 0;
};

TEST_F(MemoryListOpsTest, InsertOnTheFirstRowShiftsTheBankDown) {
    memory().setActiveBank(2);
    for (int ch = 0; ch < 49; ++ch) use(2, ch, 100000000 + ch);
    settle();

    EXPECT_TRUE(ops().InsertChannel(0));
    std::vector<int32_t> want{0};
    for (int32_t f : ramp(0, 48, 100000000)) want.push_back(f);
    EXPECT_EQ(bankFreqs(2), want);
    EXPECT_EQ(memory().chData(2, 0).name1(), std::string(16, ' '));
    EXPECT_EQ(memory().chData(2, 0).name2(), std::string(32, ' '));
    EXPECT_EQ(memory().chData(2, 1).name1(), "CH0" + std::string(13, ' '));
    EXPECT_EQ(memory().chData(2, 49).name2(), "r48" + std::string(29, ' '));
    EXPECT_TRUE(memory().MemoryChanged());
    EXPECT_EQ(view.sheets, 1);
    EXPECT_TRUE(messages().empty());
}

TEST_F(MemoryListOpsTest, InsertWithTheLastChannelUsedIsRefusedWithTheMessage) {
    for (int ch = 0; ch < 50; ++ch) use(0, ch, 100000000 + ch);
    memory().chData(0, 48).setLngFreq(0);  // a hole does not help: 49 is used
    settle();
    const std::vector<int32_t> before = bankFreqs(0);

    EXPECT_FALSE(ops().InsertChannel(10));
    const auto shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "The last CH is not BLANK. Cannot insert a channel.");
    EXPECT_EQ(shown[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(shown[0].icon, platform::MessageIcon::None);
    EXPECT_EQ(bankFreqs(0), before);
    EXPECT_FALSE(memory().MemoryChanged());
    EXPECT_EQ(view.sheets, 0);
}

TEST_F(MemoryListOpsTest, InsertOnTheLastRowOnlyBlanksIt) {
    use(0, 48, 145000000);
    settle();
    EXPECT_TRUE(ops().InsertChannel(49));
    EXPECT_EQ(memory().chData(0, 48).lngFreq(), 145000000);
    EXPECT_EQ(memory().chData(0, 49).lngFreq(), 0);
}

TEST_F(MemoryListOpsTest, DeleteShiftsTheRestUpAndBlanksTheLastChannel) {
    struct Case {
        int row;
        std::vector<int32_t> want;
    };
    std::vector<int32_t> first = ramp(1, 49, 100000000);
    first.push_back(0);
    std::vector<int32_t> last = ramp(0, 48, 100000000);
    last.push_back(0);
    for (const Case& c : {Case{0, first}, Case{49, last}}) {
        for (int ch = 0; ch < 50; ++ch) use(4, ch, 100000000 + ch);
        memory().setActiveBank(4);
        settle();
        ops().DeleteChannel(c.row);
        EXPECT_EQ(bankFreqs(4), c.want) << "row " << c.row + 1;
        EXPECT_EQ(memory().chData(4, 49).name1(), std::string(16, ' '));
        EXPECT_EQ(view.sheets, 1);
        EXPECT_TRUE(memory().MemoryChanged());
    }
    EXPECT_EQ(memory().chData(4, 0).name1(), "CH0" + std::string(13, ' '));
}

TEST_F(MemoryListOpsTest, WriteTakesTheReceiverAndKeepsTheNamesWhileTuned) {
    use(1, 7, 50000000);
    clsMchDATA& r = memory().chData(1, 7);
    r.setIntTag(1);
    r.setIntSkip(1);
    memory().setActiveBank(1);
    memory().setActiveCh(7);
    rx->setFrequency(145500000);
    rx->setModeText("USB");
    rx->setFilterText("6k");
    rx->setAtt(1);
    rx->setCtcss(3);
    rx->TSbase().setTsname("12.5k");
    settle();

    ops().mem_write();
    EXPECT_EQ(r.name1(), "CH7" + std::string(13, ' '));
    EXPECT_EQ(r.name2(), "r7" + std::string(30, ' '));
    EXPECT_EQ(r.lngFreq(), 145500000);
    EXPECT_EQ(r.ModeText(), "USB");
    EXPECT_EQ(r.FilterText(), "6k");
    EXPECT_EQ(r.tsfrq(), 12500);
    EXPECT_EQ(r.intAtt(), 1);
    EXPECT_EQ(r.intTsql(), 3);
    EXPECT_EQ(r.intTag() + r.intSkip(), 0);
    EXPECT_EQ(view.sheets, 1);
    EXPECT_TRUE(memory().MemoryChanged());

    // Clear: the receiver goes blank and the channel becomes a default blank channel.
    ops().mem_clear();
    EXPECT_EQ(rx->Frequency(), 0);
    EXPECT_EQ(rx->Blank(), 1);
    EXPECT_EQ(r.lngFreq(), 0);
    EXPECT_EQ(r.name1(), "NONAME          ");
    EXPECT_EQ(r.name2(), std::string(32, ' '));
}

TEST_F(MemoryListOpsTest, LoadingABlankChannelOnlyBlanksTheReceiver) {
    rx->setFrequency(145000000);
    clsMchDATA blank;
    memory().DefaultBlank(blank);
    blank.setModeText("AM");
    settle();
    ops().mem_loadbych(blank);
    EXPECT_EQ(rx->Blank(), 1);
    for (const test::QuillonCall& c : rs.sends()) {
        EXPECT_TRUE(c.name == "RsSetFrequency" || c.name == "RsSetPllRefFrequency") << c.name;
    }

    clsMchDATA used = blank;
    used.setLngFreq(433000000);
    used.setModeText("USB");
    used.setIntAtt(1);
    used.setIntTsql(51);
    used.setTsname("100k");
    ops().mem_loadbych(used);
    EXPECT_EQ(rx->Frequency(), 433000000);
    EXPECT_EQ(rx->ModeText(), "USB");
    EXPECT_EQ(rx->att(), 1);
    EXPECT_EQ(rx->ctcss(), 51);
    EXPECT_EQ(rx->TSbase().tsfrq(), 100000);
    EXPECT_EQ(view.sheets, 0);
    EXPECT_FALSE(memory().MemoryChanged());
}

TEST_F(MemoryListOpsTest, EndlessBankSteppingWrapsWithoutTuning) {
    use(6, 12, 162000000);
    memory().setActiveBank(6);
    memory().setActiveCh(12);
    struct Case {
        int from;
        bool up;
        int to;
        bool result;
        bool tunes;
    };
    for (const Case& c : {Case{19, true, 0, false, false}, Case{0, false, 19, false, false},
                          Case{5, true, 6, true, true}, Case{7, false, 6, true, true}}) {
        memory().setActiveBank(c.from);
        settle();
        rx->setFrequency(80000000);
        rs.clear();
        EXPECT_EQ(c.up ? ops().BankUpEndless() : ops().BankDownEndless(), c.result) << c.from;
        EXPECT_EQ(memory().ActiveBank(), c.to);
        EXPECT_EQ(view.sheets, 1);
        EXPECT_EQ(view.shown, std::vector<int>{memory().ActiveCh()});
        if (c.tunes) {
            EXPECT_EQ(rx->Frequency(), 162000000) << c.from;
            EXPECT_TRUE(rx->DispReq());
        } else {
            EXPECT_EQ(rx->Frequency(), 80000000) << c.from;
            EXPECT_EQ(rs.count("RsSetFrequency"), 0);
        }
    }
}

TEST_F(MemoryListOpsTest, SelectingTheShownBankAgainRedrawsNothing) {
    memory().setActiveBank(3);
    settle();
    EXPECT_FALSE(ops().SelectBank(3));
    EXPECT_EQ(view.sheets, 0);
    EXPECT_TRUE(ops().SelectBank(3, true));  // while the window loads
    EXPECT_EQ(view.sheets, 1);
    EXPECT_TRUE(ops().SelectBank(25));  // out of range shows bank 0
    EXPECT_EQ(memory().ActiveBank(), 0);
    view.visible = false;
    EXPECT_FALSE(ops().SelectBank(4));  // changed, but nobody sees it
    EXPECT_EQ(memory().ActiveBank(), 4);
}

TEST_F(MemoryListOpsTest, RecallStopsARunningScanAndTunesTheReceiver) {
    frmSCANctrl scan(*rx, memory());
    scan.Init();
    rx->setScanObj(&scan);
    rs.setValue("PowerOnStat", 1);
    rx->PowerOn();
    use(0, 3, 120000000);
    use(0, 9, 439000000);
    memory().chData(0, 9).setModeText("AM");
    ASSERT_TRUE(scan.scan_start(3, frmSCANctrl::kProgramTrue));
    ASSERT_EQ(scan.scanning(), 1);
    settle();

    ops().Recall(9);
    EXPECT_EQ(scan.scanning(), 0);
    EXPECT_EQ(rs.callsTo("RsSendScan").back().args, std::vector<int32_t>{0});
    EXPECT_EQ(rx->Frequency(), 439000000);
    EXPECT_EQ(rx->ModeText(), "AM");
    EXPECT_EQ(memory().ActiveCh(), 9);
    EXPECT_TRUE(rx->DispReq());
    rx->setScanObj(nullptr);
}

TEST_F(MemoryListOpsTest, OperationsWorkOnAFileAndSurviveASaveAndReopen) {
    home.write("ops.MCH",
               "[BANK00]\r\nBANKNAME=Air\r\nACTIVECH=0\r\n"
               "00=Tower,east,118.1,AM,6k,OFF,25kHz,ON,OFF,OFF\r\n"
               "01=Ground,,121.9,AM,6k,OFF,25kHz,OFF,OFF,OFF\r\n"
               "02=ATIS,,127.2,AM,6k,OFF,25kHz,OFF,ON,OFF\r\n"
               "[COMMON]\r\nACTIVEBANK=0\r\n");
    ASSERT_EQ(memory().LoadMemory(home.path("ops.MCH")), 1);
    ops().InsertChannel(1);
    ops().DeleteChannel(0);
    rx->setFrequency(145500000);
    memory().setActiveCh(1);
    ops().mem_write();
    memory().SaveMemory();

    const std::string path = home.path("ops.MCH");
    platform::clearProfileCache();
    ResetProgramMemory();
    ASSERT_EQ(ProgramMemory().LoadMemory(path), 1);
    std::vector<int32_t> f = bankFreqs(0);
    f.resize(4);
    EXPECT_EQ(f, (std::vector<int32_t>{0, 145500000, 127200000, 0}));
    EXPECT_EQ(memory().chData(0, 1).name1(), "Ground          ");
    EXPECT_EQ(memory().chData(0, 2).name1(), "ATIS            ");
    EXPECT_EQ(memory().chData(0, 2).intSkip(), 1);
}

}  // namespace

namespace {

TEST_F(MemoryListOpsTest, TheProgramWideOperationsFollowANewMemoryObject) {
    MemoryListOps& before = ops();
    ResetProgramMemory();
    memory().NewMemory();
    memory().chData(0, 0).setLngFreq(7000000);
    MemoryListOps& after = ops();
    EXPECT_EQ(&before, &after);  // a window holding it stays valid
    EXPECT_EQ(&after.memory(), &memory());
    EXPECT_EQ(after.view(), &view);
    after.Recall(0);
    EXPECT_EQ(rx->Frequency(), 7000000);
}

}  // namespace
