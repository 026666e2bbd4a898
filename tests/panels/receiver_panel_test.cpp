// The receiver panel as a user works it: every key clicked at its centre acts on the receiver
// object, the scan controller, the scope pane or the memory list, after the entry close, the
// scan's continue flag and the power test; the display rules over receiver states; the blink,
// busy and scan rules of the heartbeat; the scope pane's keys, pictures and click-to-tune; and
// screenshots of the panel off, sweeping, scanning and with the key-pad entry open.
#include <gmock/gmock.h>

#include <QApplication>
#include <QTest>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/clsAUTOMODE.h"
#include "core/clsMchDATA.h"
#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "core/clsTSbase.h"
#include "core/frmScopeCtrl.h"
#include "memory/clsMEMORY.h"
#include "panels/common/InPlaceEditor.h"
#include "panels/common/PanelLabel.h"
#include "panels/dialogs/DlgCtcssOption.h"
#include "panels/receiver/ReceiverKeys.h"
#include "panels/receiver/frmReceiver.h"
#include "panels/tuner/frmTuner.h"
#include "resources/ArtTables.h"
#include "scan/ScanStop.h"
#include "scan/ScopeDisplay.h"
#include "scan/frmSCANctrl.h"
#include "scan/frmScope.h"
#include "tests/panels/PanelFixture.h"
#include "tests/support/accessible_tree.h"
#include "tests/support/paint_counter.h"

namespace corvell::test {
namespace {

using panels::frmReceiver;
using panels::RxAction;

class RecordingOwner : public ui::PanelOwner {
  public:
    std::vector<std::string> words;
    void KeyAction(const std::string& word) override { words.push_back(word); }
};

class ReceiverPanelTest : public PanelTest {
  protected:
    ReceiverPanelTest() {
        rs.setValue("PowerOnStat", 1);  // the receiver has answered: LinkStat 6
        rx->setFrequency(145000000);
        rx->setModeText("FM");
        fillChannels();
        ProgramMemory().setActiveBank(0);
        ProgramMemory().setActiveCh(0);
        scan = std::make_unique<frmSCANctrl>(*rx, ProgramMemory());
        rx->setScanObj(scan.get());
        scan->Init();
        setScanCtrl(scan.get());
        tone = std::make_unique<panels::DlgCtcssOption>(*rx, ProgramProfile());
        tone->Load();
        panel = std::make_unique<frmReceiver>(
            panels::ReceiverLogic::Neighbours{*rx, ProgramMemory(), ProgramMemoryList(),
                                              ProgramSettings(), tone.get()},
            nullptr, &hold);
        panel->Init(owner);
        panel->Load();
        panel->show();
        rs.clear();
    }
    ~ReceiverPanelTest() override {
        panel.reset();
        tone.reset();
        setScanCtrl(nullptr);
        rx->setScanObj(nullptr);
        scan.reset();
    }

    int16_t shown(int index) const { return panel->img(index)->imageId(); }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) {
            rx->ScopeCtrl().Task_exec();
            panel->Task_exec();
            clock.advance(50);
        }
    }
    // The scope commands sent since the last clear: {mode, bwidth, speed, ts}.
    std::vector<std::vector<int32_t>> scopeSends() const {
        std::vector<std::vector<int32_t>> out;
        for (const auto& c : rs.callsTo("RsSendScope")) out.push_back(c.args);
        return out;
    }
    // A sweep whose carrier sits at the tuned frequency, as the link library reports it.
    void sweep() {
        for (int i = 0; i < 256; ++i) {
            const int d = i - 128;
            rs.scope[static_cast<std::size_t>(i)] =
                d == 0 ? 230 : 20 + (i * 37) % 30 + (d * d < 9 ? 90 : 0);
        }
    }
    // A program scan over 144..146 MHz in FM, started as the scan key does.
    bool startProgramScan() {
        clsMchDATA& row = scan->pchData(scan->programno());
        row.setLngFreq(144000000);
        row.setLngFreqHigh(146000000);
        row.setModeText("FM");
        row.setFilterText("15k");
        row.setTsname("20kHz");
        return scan->scan_start(1, frmSCANctrl::kProgramTrue);
    }
    void scopeOn() {
        click(*panel, 40);
        ticks(8);
    }

    RecordingOwner owner;
    std::unique_ptr<frmSCANctrl> scan;
    std::unique_ptr<panels::DlgCtcssOption> tone;
    std::unique_ptr<frmReceiver> panel;
};

// Each key's effect, checked per action.
TEST_F(ReceiverPanelTest, AClickOnEveryKeyActsAsItsRowSays) {
    clsMEMORY& mem = ProgramMemory();
    for (const panels::RxImage& key : panels::ReceiverImages()) {
        if (key.action == RxAction::None) continue;
        SCOPED_TRACE(key.legend);
        panel->logic().tenkey().off();
        scan->scan_stop();
        rs.clear();
        owner.words.clear();
        rx->setModeText("FM");
        const int32_t freq = rx->Frequency();
        const int32_t filter = rx->filter();
        const int16_t ch = mem.ActiveCh();
        const int16_t bank = mem.ActiveBank();
        const int32_t stored = mem.chData(bank, ch).lngFreq();
        const std::string step = rx->TSbase().tsname();
        const int32_t af = rx->afgain(), sq = rx->squelch(), ifs = rx->ifshift();
        const int16_t speed = scan->speed(), delay = scan->delaytime();

        click(*panel, key.index);

        switch (key.action) {
            case RxAction::Att:
                EXPECT_EQ(rx->att(), 1);
                rx->setAtt(0);
                break;
            case RxAction::FilterDown:
                EXPECT_EQ(rx->filter(), filter - 1);
                break;
            case RxAction::FilterUp:
                EXPECT_EQ(rx->filter(), filter + 1);
                break;
            case RxAction::AfGain:  // a left click lowers
                EXPECT_EQ(rx->afgain(), std::max(0, af - 5));
                break;
            case RxAction::Squelch:
                EXPECT_EQ(rx->squelch(), std::max(0, sq - 5));
                break;
            case RxAction::IfShift:
                EXPECT_EQ(rx->ifshift(), std::max(0, ifs - 5));
                break;
            case RxAction::ScanSpeed:  // a left click raises
                EXPECT_EQ(scan->speed(), std::min(100, speed + 5));
                break;
            case RxAction::ScanDelay:
                EXPECT_EQ(scan->delaytime(), std::max(0, delay - 5));
                break;
            case RxAction::Tenkey:
                EXPECT_EQ(panel->logic().tenkey().mode(), key.code <= 10 ? 1 : 0);
                break;
            case RxAction::Mch:
                EXPECT_EQ(panel->logic().tenkey().mode(), 0);
                EXPECT_EQ(rx->Frequency(), freq) << "no entry: nothing recalled";
                break;
            case RxAction::StepUp:
            case RxAction::StepDown:
                EXPECT_NE(rx->TSbase().tsname(), step);
                if (key.action == RxAction::StepUp) rx->TSbase().movedown();
                if (key.action == RxAction::StepDown) rx->TSbase().moveup();
                break;
            case RxAction::ChannelDown:
                EXPECT_EQ(mem.ActiveCh(), (ch + 49) % 50);
                EXPECT_EQ(rx->Frequency(), channelHz(bank, mem.ActiveCh()));
                break;
            case RxAction::ChannelUp:
                EXPECT_EQ(mem.ActiveCh(), (ch + 1) % 50);
                EXPECT_EQ(rx->Frequency(), channelHz(bank, mem.ActiveCh()));
                break;
            case RxAction::BankUp:
                EXPECT_EQ(mem.ActiveBank(), (bank + 1) % 20);
                EXPECT_EQ(rx->Frequency(), channelHz(mem.ActiveBank(), mem.ActiveCh()));
                break;
            case RxAction::BankDown:
                EXPECT_EQ(mem.ActiveBank(), (bank + 19) % 20);
                EXPECT_EQ(rx->Frequency(), channelHz(mem.ActiveBank(), mem.ActiveCh()));
                break;
            case RxAction::MemoryWrite:
            case RxAction::MemoryClear:
                EXPECT_EQ(mem.chData(bank, ch).lngFreq(), stored)
                    << "a click must not write or clear";
                break;
            case RxAction::ToneSquelch:
                EXPECT_TRUE(tone->isVisible());
                click(*panel, key.index);
                EXPECT_FALSE(tone->isVisible());
                EXPECT_EQ(rx->ctcss(), 0);
                break;
            case RxAction::Mode: {
                const std::map<std::string, int32_t> modes = {
                    {"FM", 5}, {"WFM", 6}, {"AM", 2}, {"CW", 3}};
                ASSERT_EQ(modes.count(key.legend), 1u) << key.legend;
                EXPECT_EQ(rx->mode(), modes.at(key.legend)) << key.legend;
                break;
            }
            case RxAction::ModeSsb:
                EXPECT_EQ(rx->mode(), 1);  // 145 MHz: USB
                break;
            case RxAction::AutoMode:
                EXPECT_TRUE(rx->AutoMode().mode());
                rx->AutoMode().off();
                break;
            case RxAction::ScopeSpanUp:
            case RxAction::ScopeSpanDown:
            case RxAction::ScopePause:
                EXPECT_FALSE(scopeSends().empty());
                break;
            case RxAction::ScopeOnOff:
                EXPECT_EQ(rx->ScopeDATA().mode(), 1);
                click(*panel, key.index);
                EXPECT_EQ(rx->ScopeDATA().mode(), 0);
                break;
            case RxAction::ScanStopKey:
                EXPECT_EQ(scan->scanning(), 0);
                break;
            case RxAction::ProgramScan:
            case RxAction::AutoWriteScan:
            case RxAction::MemoryScan:
                break;  // starting scans: ScanToggle's own tests
            case RxAction::ScanSettings:
                EXPECT_EQ(owner.words, (std::vector<std::string>{"SCANSET"}));
                break;
            case RxAction::Dial:
                EXPECT_EQ(rx->Frequency(), freq - rx->TSbase().tsfrq());
                EXPECT_EQ(rs.count("RsSendFreq"), 1);
                break;
            case RxAction::AfcOrNb:
                EXPECT_EQ(rx->afc(), 1);  // FM: the AFC
                EXPECT_EQ(rx->nb(), 0);
                rx->setAfc(0);
                break;
            case RxAction::Agc:
                EXPECT_NE(rx->agc(), 0);
                rx->setAgc(0);
                break;
            case RxAction::Vsc:
                EXPECT_EQ(rx->vsc(), 1);
                rx->setVsc(0);
                break;
            case RxAction::None:
                break;
        }
    }
}

// The frequency is read as one text as the digits show it, the display's pictures by their
// legend and what they show, and its printed legends not at all.
TEST_F(ReceiverPanelTest, TheDisplayReadsWhatItShows) {
    struct Case {
        const char* what;
        int32_t hz;
        const char* mode;
        const char* frequency;
        const char* modeLamp;
    };
    const Case cases[] = {
        {"FM in VHF", 145000000, "FM", "145.000.000 MHz", "MODE: FM"},
        {"AM on short wave", 9650000, "AM", "9.650.000 MHz", "MODE: AM"},
        {"WFM in UHF", 433125000, "WFM", "433.125.000 MHz", "MODE: WFM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        rx->setFrequency(c.hz);
        rx->setModeText(c.mode);
        panel->DispAll();
        EXPECT_EQ(accessibleReadout(panel.get(), "Frequency"), c.frequency);
        EXPECT_TRUE(accessibleNames(panel.get(), QAccessible::Indicator).contains(c.modeLamp))
            << accessibleNames(panel.get(), QAccessible::Indicator).join(", ").toStdString();
    }
    for (const AccessibleNode& node : accessibleTree(panel.get())) {
        for (int legend = 82; legend <= 87; ++legend) EXPECT_NE(node.object, panel->img(legend));
    }
}

TEST_F(ReceiverPanelTest, EntryCloseAndContinueResetComeBeforeThePowerTest) {
    click(*panel, 11);  // "1": the entry opens
    ASSERT_EQ(panel->logic().tenkey().mode(), 1);
    ASSERT_TRUE(startProgramScan());
    ASSERT_EQ(scan->continueFlag(), 1);
    rx->setPower(0);
    click(*panel, 43);  // a scan key with the receiver off: no stop, the flag kept
    EXPECT_EQ(scan->continueFlag(), 1);
    EXPECT_NE(scan->scanning(), 0);
    EXPECT_EQ(panel->logic().tenkey().mode(), 0) << "a non-key-pad image closes the entry";
    click(*panel, 1);  // ATT with the receiver off
    EXPECT_EQ(scan->continueFlag(), 0) << "any image outside 42..46 clears the continue flag";
    EXPECT_EQ(rx->att(), 0) << "nothing acts while the receiver is off";
    scan->scan_stop();
    // The key-pad keys keep the entry open even with the receiver off; a key-pad press after
    // power returns adds to it.
    rx->setPower(1);
    click(*panel, 12);
    click(*panel, 13);
    EXPECT_EQ(panel->logic().tenkey().mode(), 1);
}

TEST_F(ReceiverPanelTest, SsbTogglesSidebandsAndPicksOneByFrequency) {
    struct Case {
        const char* mode;
        int32_t hz;
        int32_t expected;
    };
    for (const Case& c : {Case{"USB", 145000000, 0}, Case{"LSB", 145000000, 1},
                          Case{"AM", 7100000, 0}, Case{"AM", 14200000, 1}}) {
        rx->setModeText(c.mode);
        rx->setFrequency(c.hz);
        click(*panel, 93);
        EXPECT_EQ(rx->mode(), c.expected) << c.mode << " " << c.hz;
    }
}

TEST_F(ReceiverPanelTest, AfcOrNbByModeAndNothingOnABlankReceiver) {
    rx->setModeText("AM");
    click(*panel, 89);
    EXPECT_EQ(rx->nb(), 1);
    EXPECT_EQ(rx->afc(), 0);
    EXPECT_EQ(shown(89), 3010);
    rx->setBlank(1);
    click(*panel, 89);
    click(*panel, 90);
    EXPECT_EQ(rx->nb(), 1);
    EXPECT_EQ(rx->agc(), 0);
    click(*panel, 91);  // VSC acts even then
    EXPECT_EQ(rx->vsc(), 1);
}

TEST_F(ReceiverPanelTest, KnobsFollowTheLevelRuleWithTheirTops) {
    rx->setIfshift(252);
    click(*panel, 88, Qt::RightButton);
    EXPECT_EQ(rx->ifshift(), 255);
    rx->setAfgain(245);
    click(*panel, 7, Qt::RightButton);
    EXPECT_EQ(rx->afgain(), 250);
    scan->setSpeed(97);
    click(*panel, 9, Qt::LeftButton);
    EXPECT_EQ(scan->speed(), 100);
    click(*panel, 9, Qt::RightButton);
    EXPECT_EQ(scan->speed(), 95);
    // The knob marks moved to the new angles.
    const panels::Line af = panel->knobMarks()->mark(0);
    EXPECT_EQ(af, panels::KnobMark(567, 186, panels::KnobAngle(rx->afgain())));
}

TEST_F(ReceiverPanelTest, MchSelectsOneOrTwoTypedDigitsOnlyWhileTheEntryIsOpen) {
    clsMEMORY& mem = ProgramMemory();
    click(*panel, 23);  // no entry: only closes
    EXPECT_EQ(rx->Frequency(), 145000000);
    for (int key : {14, 15}) click(*panel, key);  // "45"
    click(*panel, 23);
    EXPECT_EQ(mem.ActiveCh(), 45);
    EXPECT_EQ(rx->Frequency(), channelHz(0, 45));
    for (int key : {19, 19}) click(*panel, key);  // "99": channel 49 at most
    click(*panel, 23);
    EXPECT_EQ(mem.ActiveCh(), 49);
    EXPECT_EQ(rx->Frequency(), channelHz(0, 49));
    rx->EntryFrequency(145000000);
    for (int key : {11, 12, 13}) click(*panel, key);  // three digits: nothing selected
    click(*panel, 23);
    EXPECT_EQ(mem.ActiveCh(), 49);
    EXPECT_EQ(rx->Frequency(), 145000000);
    EXPECT_EQ(panel->logic().tenkey().mode(), 0);
}

TEST_F(ReceiverPanelTest, KeyPadEntryTunesOnEnt) {
    for (int key : {11, 14, 15, 21, 17, 20, 20}) click(*panel, key);  // "145.700"
    click(*panel, 24);
    EXPECT_EQ(rx->Frequency(), 145700000);
    EXPECT_EQ(panel->logic().tenkey().mode(), 0);
}

TEST_F(ReceiverPanelTest, MemoryWriteActsOnlyPastTheThirdRepeatAndLightsItsMark) {
    clsMEMORY& mem = ProgramMemory();
    ASSERT_EQ(mem.chData(0, 0).lngFreq(), channelHz(0, 0));
    press(*panel, 31);
    hold.advance(301);
    hold.advance(200);
    EXPECT_EQ(mem.chData(0, 0).lngFreq(), channelHz(0, 0)) << "not yet written";
    hold.advance(200);
    EXPECT_EQ(mem.chData(0, 0).lngFreq(), 145000000) << "the receiver's frequency written";
    EXPECT_EQ(shown(94), 2094);
    EXPECT_EQ(shown(95), 2095);
    release(*panel, 31);
}

// The ordered rules over receiver states: what each state image shows.
TEST_F(ReceiverPanelTest, DisplayRulesOverReceiverStates) {
    struct State {
        const char* name;
        const char* mode;
        int32_t filter, att, agc, nb, afc, vsc, ctcss;
        int16_t blank;
        int16_t img1, img74, img78, img89, img90, img91, img73;
    };
    const State states[] = {
        {"FM plain", "FM", 2, 0, 0, 0, 0, 0, 0, 0, 3008, 3107, 0, 3016, 3112, 3004, 3100},
        {"FM all on", "FM", 1, 1, 1, 0, 1, 1, 3, 0, 3006, 3108, 1237, 3014, 3110, 3002, 3100},
        {"AM with NB", "AM", 3, 0, 1, 1, 1, 0, 0, 0, 3008, 3106, 0, 3010, 3110, 3004, 3023},
        {"WFM 230k", "WFM", 4, 0, 0, 0, 0, 0, 0, 0, 3008, 3105, 0, 3016, 3112, 3004, 3099},
        {"LSB 3k", "LSB", 0, 0, 0, 0, 0, 0, 0, 0, 3008, 3109, 0, 3012, 3112, 3004, 3104},
        {"blank", "FM", 2, 1, 1, 0, 1, 1, 3, 1, 3008, 0, 0, 3016, 3112, 3002, 0},
    };
    for (const State& s : states) {
        SCOPED_TRACE(s.name);
        rx->setBlank(0);
        rx->setModeText(s.mode);
        rx->setFilter(s.filter);
        rx->setAtt(s.att);
        rx->setAgc(s.agc);
        rx->setNb(s.nb);
        rx->setAfc(s.afc);
        rx->setVsc(s.vsc);
        rx->setCtcss(s.ctcss);
        rx->setBlank(s.blank);
        panel->DispAll();
        EXPECT_EQ(shown(1), s.img1);
        EXPECT_EQ(shown(74), s.img74);
        EXPECT_EQ(shown(78), s.img78);
        EXPECT_EQ(shown(89), s.img89);
        EXPECT_EQ(shown(90), s.img90);
        EXPECT_EQ(shown(91), s.img91);
        EXPECT_EQ(shown(73), s.img73);
        EXPECT_EQ(shown(40), 3033);  // scope off
        for (auto [i, id] : {std::pair{82, 3092}, {83, 3091}, {84, 3090}, {87, 3087}}) {
            EXPECT_EQ(shown(i), id);
        }
    }
    rx->setBlank(0);
    rx->AutoMode().setMode(1);
    panel->DispAll();
    EXPECT_EQ(shown(79), 3118);
    // 145.000 000 MHz: a blank first place, then 1 4 5 . 0 0 0 . 0 0 0.
    const int16_t digits[] = {0, 1601, 1604, 1605, 1610, 1600, 1600, 1600, 1610, 1600, 1600, 1600};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(shown(61 + i), digits[i]) << 61 + i;
    EXPECT_EQ(panel->img(72)->geometry().right() + 1, 383);
}

TEST_F(ReceiverPanelTest, BusyLampAndItsReceiveErrorFaceAndTheCentreMeter) {
    rs.setValue("Busy", 1);
    ticks(1);
    EXPECT_EQ(shown(60), 3098);
    rs.setValue("Busy", 0);
    ticks(1);
    EXPECT_EQ(shown(60), 0);
    rx->setFilter(2);
    for (auto [cmeter, id] : {std::pair{127, 3094}, {128, 3095}, {129, 3096}}) {
        rs.setValue("Cmeter", cmeter);
        panel->DispAll();
        EXPECT_EQ(shown(80), id);
    }
    rx->setModeText("AM");
    panel->DispAll();
    EXPECT_EQ(shown(80), 0);
}

TEST_F(ReceiverPanelTest, LabelsShowStepBankAndChannelAsStored) {
    rx->TSbase().setTsname("12.5kHz");
    ProgramMemory().setActiveCh(7);
    panel->DispAll();
    EXPECT_EQ(panel->picTsName()->text(), "12.5k");
    EXPECT_EQ(panel->picChNum()->text(), "07");
    EXPECT_EQ(panel->picBankNum()->text(), "00");
    EXPECT_EQ(panel->picChName()->text().trimmed(), "CH7");
    ProgramMemory().chData(0, 7).setLngFreq(0);  // a blank channel
    panel->DispAll();
    EXPECT_EQ(panel->picChName()->text().trimmed(), "-- BLANK --");
}

TEST_F(ReceiverPanelTest, HeldBankKeyAndRunningScanKeyBlinkWithThePhase) {
    // A program scan running: image 43 alternates between 3114 and nothing every 500 ms.
    ASSERT_TRUE(startProgramScan());
    ASSERT_EQ(scan->scantype(), 1);
    const int index = 43;
    const int16_t blinkId = 3114;
    std::vector<int16_t> seen;
    for (int i = 0; i < 4; ++i) {
        ticks(10);  // 500 ms
        seen.push_back(shown(index));
    }
    EXPECT_THAT(seen, ::testing::UnorderedElementsAre(blinkId, blinkId, 0, 0));
    EXPECT_NE(seen[0], seen[1]);
    scan->scan_stop();
    ticks(20);
    EXPECT_EQ(shown(index), 0);
}

TEST_F(ReceiverPanelTest, AScanClosesAnOpenEntryOnTheNextTick) {
    click(*panel, 11);
    ASSERT_EQ(panel->logic().tenkey().mode(), 1);
    ASSERT_TRUE(startProgramScan());
    ticks(1);
    EXPECT_EQ(panel->logic().tenkey().mode(), 0);
    EXPECT_EQ(scan->scanning(), 0);
}

TEST_F(ReceiverPanelTest, CoversFollowPowerAndScope) {
    ticks(1);
    EXPECT_FALSE(panel->picPowerOff()->isVisible());
    EXPECT_TRUE(panel->picScopeOff()->isVisible());
    scopeOn();
    EXPECT_FALSE(panel->picScopeOff()->isVisible());
    rx->setPower(0);
    ticks(1);
    EXPECT_TRUE(panel->picPowerOff()->isVisible());
    EXPECT_TRUE(panel->picScopeOff()->isVisible());
}

TEST_F(ReceiverPanelTest, AHiddenPanelLeavesItsCoversAloneUntilItShowsAgain) {
    ticks(1);
    const auto stackIndex = [&](QObject* w) { return panel->children().indexOf(w); };
    QWidget* image = panel->img(1);
    ASSERT_EQ(image->parent(), panel->picScopeOff()->parent());
    panel->hide();
    ticks(1);
    ASSERT_FALSE(panel->picScopeOff()->isHidden());  // the scope is still off
    image->raise();
    ticks(20);
    EXPECT_GT(stackIndex(image), stackIndex(panel->picScopeOff()))
        << "a hidden panel shows and raises its cover again on every tick";
    panel->show();
    ticks(20);
    EXPECT_LT(stackIndex(image), stackIndex(panel->picScopeOff()));
}

TEST_F(ReceiverPanelTest, TheNeedleFollowsTheSmoothedMeter) {
    ticks(1);
    const panels::Point rest = panel->picSmeter()->tip();
    EXPECT_EQ(rest, panels::NeedleTip(panels::NeedleFor(97, 44), rx->SmeterVirtual()));
    rs.setValue("Smeter", 255);
    clock.advance(10000);  // past the meter's hold after tuning
    for (int i = 0; i < 40; ++i) rx->UpdateSmeter();
    ticks(1);
    EXPECT_EQ(panel->picSmeter()->tip(), (panels::Point{86, 24}));
}

// A panel at rest draws nothing, however often its heartbeat and blink come round (the scope
// is off, so its cover lies over the pane); a moving needle draws the meter alone, not the
// skin under it nor the knob marks over the panel.
TEST_F(ReceiverPanelTest, AtRestNothingIsDrawnAndAMovingNeedleDrawsOnlyTheMeter) {
    for (int i = 0; i < 40; ++i) {  // the scope pane's reset and set-up after the panel appeared
        ticks(1);
        QApplication::processEvents();
    }
    ASSERT_TRUE(panel->picScopeOff()->isVisible());
    {
        PaintCounter paints;
        for (int i = 0; i < 40; ++i) {  // two seconds: four turns of the blink
            ticks(1);
            QApplication::processEvents();
        }
        EXPECT_EQ(paints.total(), 0) << paints.report();
    }
    PaintCounter paints;
    for (int level : {255, 90, 180}) {
        rs.setValue("Smeter", level);
        clock.advance(10000);  // past the meter's hold after tuning
        for (int i = 0; i < 40; ++i) rx->UpdateSmeter();
        ticks(1);
        QApplication::processEvents();
    }
    EXPECT_GT(paints.paints(panel->picSmeter()), 0);
    EXPECT_EQ(paints.total(), paints.paints(panel->picSmeter())) << paints.report();
}

TEST_F(ReceiverPanelTest, TheDialTurnsItsMarkerAndTunes) {
    EXPECT_EQ(panel->logic().dialPosition(), 10);
    const int32_t before = rx->Frequency();
    click(*panel, 50, Qt::RightButton);
    EXPECT_EQ(rx->Frequency(), before + rx->TSbase().tsfrq());
    EXPECT_EQ(panel->logic().dialPosition(), 20);
    const panels::PointF at = panels::DialMarkAt(36);
    EXPECT_EQ(panel->shapeDial()->pos(), QPoint(static_cast<int>(at.x), static_cast<int>(at.y)));
}

TEST_F(ReceiverPanelTest, ScopeOnSendsTheSweepAndThePaneDrawsItHalfSize) {
    scopeOn();
    ASSERT_FALSE(scopeSends().empty());
    EXPECT_EQ(scopeSends().back()[0], 1);
    EXPECT_EQ(shown(40), 3035);
    EXPECT_EQ(rx->ScopeSTAT().HalfWidthPx(), 100);
    EXPECT_EQ(panel->scopePane().labelText(0), " SPAN 4");
    sweep();
    ticks(20);
    const QImage& pic = panel->scopePane().display().shown();
    ASSERT_EQ(pic.size(), QSize(201, 60));
    // The carrier at the centre column is the tallest bar.
    const QImage& wave = panel->scopePane().logic().view().wave();
    auto top = [&](int x) {
        for (int y = 0; y < wave.height(); ++y) {
            if (wave.pixel(x, y) != scopecolour::kBlack) return y;
        }
        return wave.height();
    };
    const int centreTop = top(100);
    EXPECT_LT(centreTop, 5);
    EXPECT_EQ(pic.pixel(100, centreTop) & 0xffffff00u, scopecolour::kCentreBar & 0xffffff00u);
    for (int x = 0; x < wave.width(); ++x) {
        if (wave.pixel(x, centreTop) == scopecolour::kBar) ADD_FAILURE() << "column " << x;
    }
}

TEST_F(ReceiverPanelTest, ClickToTuneByThePanesOwnSpacing) {
    scopeOn();
    const ScopeSpacing fit = panel->scopePane().logic().view().spacing();
    ASSERT_GT(fit.stepHz, 0);
    // The scope window sets up after the pane: the shared settings now hold its spacing.
    frmScope window(*rx, nullptr, &hold);
    window.Load();
    window.Init(owner);
    EXPECT_GT(rx->ScopeSTAT().PixPerPoint(), fit.pixPerPoint);
    const int32_t f0 = rx->Frequency();
    const int p = fit.pixPerPoint;
    const int x = 100 - 3 * p;  // three points left of the centre in the pane
    QTest::mouseClick(&panel->scopePane().display(), Qt::LeftButton, Qt::NoModifier, QPoint(x, 30));
    EXPECT_EQ(rx->Frequency(), f0 - 3 * fit.stepHz);
    ASSERT_FALSE(scopeSends().empty());
}

TEST(ScopeClick, OffsetsForOneTwoAndMorePixelsPerPoint) {
    struct Case {
        int x, p;
        int64_t points;
    };
    for (const Case& c :
         {Case{103, 1, 3}, Case{97, 1, -3}, Case{100, 1, 0}, Case{101, 2, 0}, Case{99, 2, -1},
          Case{104, 2, 2}, Case{117 - 100, 4, -21}, Case{117, 4, 4}, Case{102, 4, 1},
          Case{101, 4, 0}, Case{98, 4, 0}, Case{97, 4, -1}, Case{0, 1, -100}, Case{200, 2, 50}}) {
        EXPECT_EQ(scopeClickOffset(kScopePaneGeometry, c.x, c.p), c.points)
            << "x " << c.x << " p " << c.p;
    }
}

TEST_F(ReceiverPanelTest, PauseMarkerAndClickRelativeToTheFrozenCentre) {
    scopeOn();
    const ScopeSpacing fit = panel->scopePane().logic().view().spacing();
    click(*panel, 41);  // pause
    ASSERT_NE(rx->ScopeSTAT().pause(), 0);
    EXPECT_EQ(panel->scopePane().statusIcon().imageId(), art::kScopePauseIconId);
    rx->setFrequency(rx->Frequency() + 2 * fit.stepHz);
    panel->Task_exec();
    ASSERT_TRUE(panel->scopePane().display().marker().has_value());
    EXPECT_EQ(*panel->scopePane().display().marker(), 100 + 2 * fit.pixPerPoint);
    click(*panel, 41);  // resume
    panel->Task_exec();
    EXPECT_FALSE(panel->scopePane().display().marker().has_value());
}

// A span key at either end of the spans and a hidden spell each set the pane up again while
// the sweep stays paused: the icon still shows the pause.
TEST_F(ReceiverPanelTest, ThePauseIconSurvivesEveryNewSetUp) {
    clsScopeSTAT& stat = rx->ScopeSTAT();
    struct Case {
        const char* name;
        int16_t span;
        std::function<void()> resetup;
    };
    const std::vector<Case> cases = {
        {"span down at the narrowest", 0, [&] { click(*panel, 39); }},
        {"span up at the widest", stat.RangeMax(), [&] { click(*panel, 38); }},
        {"hidden and shown", 3,
         [&] {
             panel->hide();
             ticks(2);
             panel->show();
         }},
        {"refreshed", 3, [&] { panel->ScopeRefreshDisp(); }},
    };
    for (const Case& c : cases) {
        stat.setRangeSelectNo(c.span);
        scopeOn();
        click(*panel, 41);  // pause
        ASSERT_NE(stat.pause(), 0) << c.name;
        ASSERT_EQ(panel->scopePane().statusIcon().imageId(), art::kScopePauseIconId) << c.name;
        c.resetup();
        ticks(8);
        ASSERT_NE(stat.pause(), 0) << c.name;
        EXPECT_EQ(panel->scopePane().statusIcon().imageId(), art::kScopePauseIconId) << c.name;
        click(*panel, 41);  // resume: the icon goes with the pause
        ticks(2);
        EXPECT_EQ(stat.pause(), 0) << c.name;
        EXPECT_NE(panel->scopePane().statusIcon().imageId(), art::kScopePauseIconId) << c.name;
        click(*panel, 40);  // off
        ticks(2);
    }
}

TEST_F(ReceiverPanelTest, TheKeyboardEntersFrequenciesAndShiftArrowsKeepAutomaticMode) {
    for (Qt::Key k : {Qt::Key_1, Qt::Key_4, Qt::Key_5, Qt::Key_Period, Qt::Key_5, Qt::Key_Return}) {
        QTest::keyClick(panel.get(), k);
    }
    EXPECT_EQ(rx->Frequency(), 145500000);
    rx->AutoMode().setMode(1);
    const std::string step = rx->TSbase().tsname();
    QTest::keyClick(panel.get(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_NE(rx->TSbase().tsname(), step);
    EXPECT_TRUE(rx->AutoMode().mode()) << "the receiver panel leaves automatic mode on";
}

TEST_F(ReceiverPanelTest, NameEditorsOpenOnlyOnATunedReceiverAndEnterStores) {
    rx->setBlank(1);
    QTest::mouseDClick(panel->picChName(), Qt::LeftButton);
    QTest::mouseDClick(panel->picBankName(), Qt::LeftButton);
    EXPECT_FALSE(panel->txtMEMOname()->isOpen());
    EXPECT_FALSE(panel->txtBANKname()->isOpen());
    rx->setBlank(0);
    QTest::mouseDClick(panel->picBankName(), Qt::LeftButton);
    ASSERT_TRUE(panel->txtBANKname()->isOpen());
    panel->txtBANKname()->clear();
    QTest::keyClicks(panel->txtBANKname(), "Marine");
    QTest::keyClick(panel->txtBANKname(), Qt::Key_Return);
    EXPECT_FALSE(panel->txtBANKname()->isOpen());
    EXPECT_THAT(ProgramMemory().BankName(0), ::testing::StartsWith("Marine"));
    EXPECT_EQ(panel->picBankName()->text(), "Marine");
    QTest::mouseDClick(panel->picChName(), Qt::LeftButton);
    ASSERT_TRUE(panel->txtMEMOname()->isOpen());
    QTest::keyClicks(panel->txtMEMOname(), "X");
    QTest::keyClick(panel->txtMEMOname(), Qt::Key_Escape);
    EXPECT_FALSE(panel->txtMEMOname()->isOpen());
    EXPECT_EQ(ProgramMemory().chData(0, 0).name1().find('X'), std::string::npos);
}

TEST_F(ReceiverPanelTest, ActivationAsksTheSweepControllerToResend) {
    rx->ScopeCtrl().ResendReq = 0;
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(panel.get(), &activate);
    EXPECT_NE(rx->ScopeCtrl().ResendReq, 0);
}

TEST_F(ReceiverPanelTest, ACloseFromTheWindowIsRefused) {
    panel->close();
    EXPECT_TRUE(panel->isVisible());
}

TEST_F(ReceiverPanelTest, Screenshots) {
    rx->setPower(0);
    ticks(2);
    saveScreenshot(*panel, "receiver-off", 2);

    rx->setPower(1);
    rx->TSbase().setTsname("20kHz");
    ProgramMemory().setBankName(0, "Airband");
    ProgramMemory().chData(0, 0).setName1("TOWER");
    ProgramMemory().chData(0, 0).setLngFreq(145000000);
    rs.setValue("Smeter", 150);
    clock.advance(10000);
    for (int i = 0; i < 30; ++i) rx->UpdateSmeter();
    rx->setAfgain(120);
    rx->setSquelch(40);
    scopeOn();
    sweep();
    ticks(20);
    saveScreenshot(*panel, "receiver-fm-scope", 2);

    ASSERT_TRUE(startProgramScan());
    ticks(10);
    if (!panel->logic().blinkOn()) ticks(10);
    saveScreenshot(*panel, "receiver-scanning", 2);
    scan->scan_stop();

    ticks(2);
    for (int key : {11, 14, 15, 21, 17}) click(*panel, key);
    saveScreenshot(*panel, "receiver-keypad-entry", 2);
}

// Keys that act on the press only do the same when held through many repeats as when clicked.
TEST_F(ReceiverPanelTest, KeysThatActOncePerPressActOnceWhileHeld) {
    auto base = [this] {
        rx->setFrequency(145000000);
        rx->setModeText("AM");  // the filter can go either way from 6k
        rx->setFilter(1);
        for (const char* f : {"Att", "Nb", "Agc", "Vsc", "Afc"}) rs.setValue(f, 0);
        rx->AutoMode().off();
        rs.clear();
    };
    // ATT, filter down and up, FM, WFM, AM, automatic mode, NB, AGC, VSC, CW, SSB.
    for (int index : {1, 3, 4, 34, 35, 36, 37, 89, 90, 91, 92, 93}) {
        SCOPED_TRACE(index);
        base();
        const std::vector<int32_t> before = keySettings();
        click(*panel, index);
        const std::vector<QuillonCall> clicked = rs.sends();
        const std::vector<int32_t> afterClick = keySettings();
        EXPECT_TRUE(!clicked.empty() || afterClick != before);  // the key acts
        base();
        pressAndHold(*panel, index, 300 + 6 * 200 + 10);  // seven firings
        EXPECT_EQ(rs.sends(), clicked);
        EXPECT_EQ(keySettings(), afterClick);
    }
}

TEST_F(ReceiverPanelTest, APressShowsTheHeldFaceAtOnceEvenInTheBlinksOffPhase) {
    const std::pair<int, int16_t> blinking[] = {{25, 3082}, {26, 3080}, {27, 2063},
                                                {28, 2061}, {29, 2061}, {30, 2063}};
    for (auto [index, heldId] : blinking) {
        SCOPED_TRACE(index);
        while (panel->logic().blinkOn()) ticks(1);
        press(*panel, index);
        EXPECT_EQ(shown(index), heldId);
        release(*panel, index);
        EXPECT_EQ(shown(index), 0);
    }
}

TEST_F(ReceiverPanelTest, WithTheReceiverOffAHeldKeyNeverLooksPressed) {
    rx->setPower(0);
    ticks(1);
    press(*panel, 34);  // FM
    EXPECT_EQ(shown(34), 0);
    ticks(12);  // a blink flip redraws while it is held
    EXPECT_EQ(shown(34), 0);
    release(*panel, 34);
    EXPECT_EQ(shown(34), 0);
}

// The AF gain mark at level 40 points left, level with the knob's middle: on a plain face its
// two pixels read as a minus sign. The knob's lighter cap ends where the mark ends, so the mark
// is a pointer at the cap's edge.
TEST_F(ReceiverPanelTest, TheAfGainMarkAtFortyPointsFromTheEdgeOfTheKnobsCap) {
    rx->setAfgain(40);
    panel->DispAll();
    const QImage face = panel->grab().toImage();
    const QPoint centre(567, 186);  // the middle of the AF gain knob, image 7
    auto light = [&](int dx, int dy) { return qGray(face.pixel(centre + QPoint(dx, dy))); };
    // Below the middle, away from the mark: the cap out to the mark's reach, then the skirt.
    for (int r : {4, 6, 7}) {
        for (int skirt : {11, 12, 14}) {
            EXPECT_GT(light(0, r) - light(0, skirt), 20)
                << "cap at " << r << ", skirt at " << skirt;
        }
    }
    // The mark itself runs from radius 6 to 8 towards the left, just above the middle.
    EXPECT_GT(light(-7, 2), 200);
    saveScreenshot(*panel, "receiver-af-gain-40", 2);
}

}  // namespace
}  // namespace corvell::test
