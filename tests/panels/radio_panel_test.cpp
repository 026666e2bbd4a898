// The radio panel as a user sees and works it: the picture of each of its 62 images over the
// receiver's states, the meters' step edges, the keys and their firing rules, the channel list
// with paging, recall, write and clear on a real .MCH file, the keyboard entry of nine places,
// the heartbeat, and screenshots of its main states.
#include <gmock/gmock.h>

#include <QTest>
#include <functional>
#include <map>
#include <string>

#include "core/clsAUTOMODE.h"
#include "panels/common/InPlaceEditor.h"
#include "panels/common/PanelLabel.h"
#include "panels/common/StepName.h"
#include "resources/Artwork.h"
#include "scan/ScanStop.h"
#include "scan/frmSCANctrl.h"
#include "tests/panels/RadioFixture.h"
#include "tests/support/accessible_tree.h"
#include "tests/support/paint_counter.h"
#include "ui/ImageHotZone.h"
#include "ui/VirtualKeys.h"

namespace corvell::test {
namespace {

using panels::RadioLogic;

// ---- the 62 pictures ----

// Every image of a tuned FM receiver at 145.5 MHz with nothing held: the full table.
const std::map<int, int> kTunedFm = {
    {1, 2001},  {2, 2003},  {3, 2005},  {4, 2007},  {5, 2009},  {6, 2013},  {7, 2014},  {8, 2019},
    {9, 0},     {10, 2071}, {11, 2074}, {12, 2075}, {13, 2092}, {14, 2075}, {15, 2070}, {16, 2070},
    {17, 2092}, {18, 2081}, {19, 2081}, {20, 2022}, {21, 2024}, {22, 2026}, {23, 2028}, {24, 2030},
    {25, 2033}, {26, 2044}, {27, 2046}, {28, 2045}, {29, 2047}, {30, 2034}, {31, 2040}, {32, 2042},
    {33, 2048}, {34, 2049}, {35, 2049}, {36, 2049}, {37, 2049}, {38, 2049}, {39, 2049}, {40, 2049},
    {41, 2049}, {42, 2049}, {43, 2050}, {44, 2068}, {45, 2054}, {46, 2052}, {47, 2056}, {48, 2058},
    {49, 2050}, {50, 2068}, {51, 2060}, {52, 2062}, {53, 2060}, {54, 2062}, {55, 2064}, {56, 2066},
    {57, 2066}, {58, 0},    {59, 0},    {60, 0},    {61, 2099}, {62, 2100},
};

class RadioPanelTest;

struct StateCase {
    const char* name;
    std::function<void(RadioPanelTest&)> set;
    std::map<int, int> changed;  // images whose picture differs from kTunedFm
};

class RadioPanelTest : public RadioTest {
  public:
    using RadioTest::dialog;
    using RadioTest::radio;
    using RxTest::rs;
    using RxTest::rx;
    void baseState() {
        rx->setFrequency(145500000);
        rx->setMode(5);
        rx->setFilter(2);
        for (const char* f : {"Att", "Nb", "Agc", "Vsc", "Afc", "Ctcss", "Smeter", "Busy"})
            rs.setValue(f, 0);
        rs.setValue("Cmeter", 128);
        rx->AutoMode().off();
        radio->logic().tenkey().off();
        radio->logic().setListFirst(0);
        ProgramMemory().setActiveCh(0);
    }
    // Every program channel scans the air band.
    void programChannels(frmSCANctrl& scan) {
        rs.setValue("PowerOnStat", 6);  // linked: a scan may start
        for (int16_t row = 0; row <= 20; ++row) {
            clsMchDATA& rec = scan.pchData(row);
            rec.setLngFreq(118000000);
            rec.setLngFreqHigh(137000000);
            rec.setModeText("AM");
            rec.setFilterText("6k");
            rec.setTsname("25kHz");
        }
    }
};

TEST_F(RadioPanelTest, EveryImageShowsItsPictureForEachReceiverState) {
    ASSERT_EQ(kTunedFm.size(), 62u);
    const StateCase cases[] = {
        {"tuned FM", [](RadioPanelTest&) {}, {}},
        {"blank receiver",
         [](RadioPanelTest& t) {
             t.rx->setFrequency(0);
             t.rs.setValue("Smeter", 200);
             t.rs.setValue("Busy", 1);
             t.rs.setValue("Vsc", 1);
             t.rs.setValue("Att", 1);
             t.rx->AutoMode().setMode(1);
         },
         {{6, 2012},
          {8, 2016},
          {10, 0},
          {11, 0},
          {12, 0},
          {14, 0},
          {15, 0},
          {16, 0},
          {18, 0},
          {19, 0},
          {23, 2029},
          {25, 2032},
          {32, 0},
          {61, 2097}}},
        {"LSB with every function on",
         [](RadioPanelTest& t) {
             t.rx->setMode(0);
             t.rx->setFilter(0);
             for (const char* f : {"Att", "Nb", "Agc", "Vsc", "Afc"}) t.rs.setValue(f, 1);
             t.rx->AutoMode().setMode(1);
         },
         {{1, 2002},
          {2, 2004},
          {31, 0},
          {6, 2012},
          {8, 2017},
          {20, 2023},
          {21, 2025},
          {22, 2027},
          {23, 2029},
          {24, 2031}}},
        {"USB", [](RadioPanelTest& t) { t.rx->setMode(1); }, {{3, 2006}, {6, 2012}, {31, 0}}},
        {"CW", [](RadioPanelTest& t) { t.rx->setMode(3); }, {{4, 2008}, {6, 2012}, {31, 0}}},
        {"AM", [](RadioPanelTest& t) { t.rx->setMode(2); }, {{5, 2010}, {6, 2012}, {31, 0}}},
        {"WFM 230k",
         [](RadioPanelTest& t) {
             t.rx->setMode(6);
             t.rx->setFilter(4);
         },
         {{7, 2015}, {6, 2012}, {8, 2021}, {31, 0}}},
        {"FM with a tone, busy, strong",
         [](RadioPanelTest& t) {
             t.rs.setValue("Ctcss", 5);
             t.rs.setValue("Busy", 1);
             t.rs.setValue("Smeter", 255);
         },
         {{62, 2011}, {32, 2043}, {30, 2038}}},
        {"AM with a tone shows no tone lamp",
         [](RadioPanelTest& t) {
             t.rx->setMode(2);
             t.rs.setValue("Ctcss", 5);
         },
         {{5, 2010}, {6, 2012}, {31, 0}}},
        {"1296.5 MHz",
         [](RadioPanelTest& t) { t.rx->setFrequency(1296500000); },
         {{9, 2101}, {10, 2072}, {11, 2079}, {12, 2076}, {14, 2075}}},
        {"entry open",
         [](RadioPanelTest& t) { t.radio->logic().tenkey().finp(t.rx->Frequency()); },
         {{10, 0}, {11, 0}, {12, 0}, {14, 0}, {15, 0}, {16, 0}, {18, 0}, {19, 0}, {61, 2098}}},
        {"second page, channel 12 active",
         [](RadioPanelTest& t) {
             t.radio->logic().setListFirst(10);
             ProgramMemory().setActiveCh(12);
         },
         {{33, 2049}, {35, 2048}}},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.name);
        baseState();
        c.set(*this);
        radio->DispAll();
        for (const auto& [index, id] : kTunedFm) {
            const auto it = c.changed.find(index);
            const int expected = it == c.changed.end() ? id : it->second;
            EXPECT_EQ(shownId(index), expected) << "image " << index;
        }
    }
}

// The frequency places, down to the 10 Hz one, are read as one text; the lamps beside them by
// their legend and state.
TEST_F(RadioPanelTest, TheReadoutAndLampsReadWhatTheyShow) {
    struct Case {
        const char* what;
        int32_t hz;
        bool entry;
        const char* frequency;
        const char* blk;
    };
    const Case cases[] = {
        {"tuned in VHF", 145000000, false, "145.000.00 MHz", "BLK: off"},
        {"tuned above 1 GHz", 1296512500, false, "1296.512.50 MHz", "BLK: off"},
        {"an open entry", 145000000, true, "", "BLK: off"},
        {"a blank receiver", 0, false, "", "BLK: on"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        baseState();
        rx->setFrequency(c.hz);
        if (c.entry) radio->logic().tenkey().finp(rx->Frequency());
        radio->DispAll();
        EXPECT_EQ(accessibleReadout(radio.get(), "Frequency"), c.frequency);
        EXPECT_TRUE(accessibleNames(radio.get(), QAccessible::Indicator).contains(c.blk));
    }
}

TEST_F(RadioPanelTest, SmeterStepsChangeAtTheirEdges) {
    const std::pair<int, int> edges[] = {{0, 0},   {15, 0},  {16, 1},  {79, 1},  {80, 2},
                                         {143, 2}, {144, 3}, {207, 3}, {208, 4}, {255, 4}};
    for (const auto& [level, step] : edges) {
        EXPECT_EQ(RadioLogic::SmeterStep(level), step) << level;
        rs.setValue("Smeter", level);
        radio->DispAll();
        EXPECT_EQ(shownId(30), 2034 + step) << level;
    }
}

// At rest the face draws nothing across its blinks; a meter that moves draws its picture, but
// none of the list captions, which lie on pictures that did not change.
TEST_F(RadioPanelTest, AtRestNothingIsDrawnAndAMovingMeterLeavesTheListAlone) {
    baseState();
    tick();
    QApplication::processEvents();
    {
        PaintCounter paints;
        for (int i = 0; i < 40; ++i) {  // two seconds: four turns of the blink
            tick();
            QApplication::processEvents();
        }
        EXPECT_EQ(paints.total(), 0) << paints.report();
    }
    PaintCounter paints;
    for (int level : {40, 120, 200, 255, 0}) {
        rs.setValue("Smeter", level);
        rx->SetDispReq();  // as a status report does
        tick();
        QApplication::processEvents();
    }
    EXPECT_GT(paints.paints(radio->img(30)), 0);
    for (int i = 0; i < panels::kRadioListPlaces; ++i) {
        EXPECT_EQ(paints.paints(radio->lblMEMO(i)), 0) << i << "\n" << paints.report();
    }
}

TEST_F(RadioPanelTest, CentreIndicatorOnlyInFmWithANarrowFilter) {
    struct Row {
        int filter, mode;
        bool ok;
        int cmeter, id;
    };
    const Row rows[] = {
        {1, 5, true, 0, 2039},   {2, 5, true, 127, 2039}, {2, 5, true, 128, 2040},
        {2, 5, true, 129, 2041}, {1, 5, true, 255, 2041}, {0, 5, true, 128, 0},
        {3, 5, true, 128, 0},    {4, 5, true, 128, 0},    {2, 2, true, 128, 0},
        {2, 6, true, 128, 0},    {2, 5, false, 128, 0},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(RadioLogic::CentrePicture(r.filter, r.mode, r.ok, r.cmeter), r.id)
            << r.filter << " " << r.mode << " " << r.ok << " " << r.cmeter;
    }
    // On the panel: FM 15k with the receiver error settled shows the indicator; AM does not.
    rs.setValue("Cmeter", 140);
    rs.setValue("Rxerr", 0);
    clock.advance(1000);
    radio->DispAll();
    EXPECT_EQ(shownId(31), 2041);
    rx->setMode(2);
    radio->DispAll();
    EXPECT_EQ(shownId(31), 0);
}

TEST(RadioRules, ListPagingWrapsAtBothEnds) {
    const std::pair<int16_t, int16_t> forward[] = {{0, 10}, {10, 20}, {30, 40}, {40, 0}};
    for (const auto& [from, to] : forward) EXPECT_EQ(RadioLogic::PageForward(from), to);
    const std::pair<int16_t, int16_t> back[] = {{40, 30}, {10, 0}, {0, 40}};
    for (const auto& [from, to] : back) EXPECT_EQ(RadioLogic::PageBack(from), to);
}

TEST(RadioRules, StepNamesLoseTheirHzAfterKAndM) {
    const std::pair<const char*, const char*> rows[] = {
        {"20kHz", "20k"},   {"1MHz", "1M"},     {"12.5kHz", "12.5k"},
        {"500Hz", "500Hz"}, {"100Hz", "100Hz"}, {" 9kHz ", "9k"},
        {"", ""},           {"Hz", "Hz"},
    };
    for (const auto& [name, shown] : rows) EXPECT_EQ(panels::ShortStepName(name, false), shown);
    EXPECT_EQ(panels::ShortStepName("20kHz", true), "");
}

// ---- the keys ----

TEST_F(RadioPanelTest, KeysActOnTheReceiverByTheirTable) {
    struct KeyCase {
        int index;
        Qt::MouseButton button;
        std::function<void(RadioPanelTest&)> before;
        std::function<bool(RadioPanelTest&)> after;
    };
    auto& mem = ProgramMemory();
    const KeyCase cases[] = {
        {1, Qt::LeftButton, nullptr, [](RadioPanelTest& t) { return t.rx->AutoMode().mode(); }},
        {2, Qt::LeftButton, [](RadioPanelTest& t) { t.rx->AutoMode().setMode(1); },
         [](RadioPanelTest& t) { return t.rx->mode() == 0 && !t.rx->AutoMode().mode(); }},
        {3, Qt::LeftButton, nullptr, [](RadioPanelTest& t) { return t.rx->mode() == 1; }},
        {4, Qt::LeftButton, nullptr, [](RadioPanelTest& t) { return t.rx->mode() == 3; }},
        {5, Qt::LeftButton, nullptr, [](RadioPanelTest& t) { return t.rx->mode() == 2; }},
        {7, Qt::LeftButton, nullptr, [](RadioPanelTest& t) { return t.rx->mode() == 6; }},
        {6, Qt::LeftButton, [](RadioPanelTest& t) { t.rx->setMode(2); },
         [](RadioPanelTest& t) { return t.rx->mode() == 5; }},
        // Filter: the left button goes down, the right one up; in AM 3 is the top.
        {8, Qt::LeftButton, [](RadioPanelTest& t) { t.rx->setMode(2); },
         [](RadioPanelTest& t) { return t.rx->filter() == 1; }},
        {8, Qt::RightButton,
         [](RadioPanelTest& t) {
             t.rx->setMode(2);
             t.rx->setFilter(3);
         },
         [](RadioPanelTest& t) { return t.rx->filter() == 3; }},
        {8, Qt::RightButton, [](RadioPanelTest& t) { t.rx->setMode(2); },
         [](RadioPanelTest& t) { return t.rx->filter() == 3; }},
        {10, Qt::LeftButton, nullptr,
         [](RadioPanelTest& t) { return t.radio->logic().tenkey().mode() == 1; }},
        {55, Qt::LeftButton, [](RadioPanelTest& t) { t.radio->logic().tenkey().finp(0); },
         [](RadioPanelTest& t) { return t.radio->logic().tenkey().mode() == 0; }},
        {20, Qt::LeftButton, nullptr, [](RadioPanelTest& t) { return t.rx->att() == 1; }},
        {21, Qt::LeftButton, nullptr, [](RadioPanelTest& t) { return t.rx->nb() == 1; }},
        {22, Qt::LeftButton, nullptr, [](RadioPanelTest& t) { return t.rx->agc() == 1; }},
        {23, Qt::LeftButton, nullptr, [](RadioPanelTest& t) { return t.rx->vsc() == 1; }},
        {24, Qt::LeftButton, nullptr, [](RadioPanelTest& t) { return t.rx->afc() == 1; }},
        // Blank: VSC still acts, NB, AGC and AFC do not (the receiver object itself keeps ATT).
        {23, Qt::LeftButton, [](RadioPanelTest& t) { t.rx->setFrequency(0); },
         [](RadioPanelTest& t) { return t.rx->vsc() == 1; }},
        {21, Qt::LeftButton, [](RadioPanelTest& t) { t.rx->setFrequency(0); },
         [](RadioPanelTest& t) { return t.rx->nb() == 0; }},
        {22, Qt::LeftButton, [](RadioPanelTest& t) { t.rx->setFrequency(0); },
         [](RadioPanelTest& t) { return t.rx->agc() == 0; }},
        {24, Qt::LeftButton, [](RadioPanelTest& t) { t.rx->setFrequency(0); },
         [](RadioPanelTest& t) { return t.rx->afc() == 0; }},
        {43, Qt::LeftButton, nullptr,
         [](RadioPanelTest& t) { return t.rx->TSbase().tsname() != "20kHz"; }},
        {45, Qt::LeftButton, nullptr,
         [](RadioPanelTest& t) { return t.rx->Frequency() > 145500000; }},
        {46, Qt::LeftButton, nullptr,
         [](RadioPanelTest& t) { return t.rx->Frequency() < 145500000; }},
        {47, Qt::LeftButton, [](RadioPanelTest& t) { t.rx->setAfgain(248); },
         [](RadioPanelTest& t) { return t.rx->afgain() == 253; }},
        {47, Qt::LeftButton, [](RadioPanelTest& t) { t.rx->setAfgain(252); },
         [](RadioPanelTest& t) { return t.rx->afgain() == 250; }},
        {48, Qt::LeftButton, [](RadioPanelTest& t) { t.rx->setAfgain(3); },
         [](RadioPanelTest& t) { return t.rx->afgain() == 0; }},
        {49, Qt::LeftButton, [](RadioPanelTest& t) { t.rx->setSquelch(10); },
         [](RadioPanelTest& t) { return t.rx->squelch() == 15; }},
        {50, Qt::LeftButton, [](RadioPanelTest& t) { t.rx->setSquelch(10); },
         [](RadioPanelTest& t) { return t.rx->squelch() == 5; }},
        {62, Qt::LeftButton, nullptr,
         [](RadioPanelTest& t) { return t.dialog->isVisible() && t.rx->ctcss() == 1; }},
        {62, Qt::LeftButton,
         [](RadioPanelTest& t) {
             t.dialog->DispOn();
             t.rx->setCtcss(7);
         },
         [](RadioPanelTest& t) { return !t.dialog->isVisible() && t.rx->ctcss() == 0; }},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.index);
        baseState();
        rx->TSbase().setTsname("20kHz");
        dialog->DispOff();
        if (c.before) c.before(*this);
        click(*radio, c.index, c.button);
        EXPECT_TRUE(c.after(*this)) << "key " << c.index;
    }
    (void)mem;
}

TEST_F(RadioPanelTest, WithTheReceiverOffNoKeyChangesAnythingOrAnyPicture) {
    rx->setPower(0);
    radio->DispAll();
    rs.clear();
    std::map<int, int> before;
    for (int i = 1; i <= 62; ++i) before[i] = shownId(i);
    for (const panels::RadioImage& image : panels::RadioImages()) {
        if (image.action == panels::RadioAction::None) continue;
        click(*radio, image.index);
    }
    EXPECT_EQ(rs.sends().size(), 0u);
    EXPECT_EQ(ProgramMemory().ActiveCh(), 0);
    for (int i = 1; i <= 62; ++i) {
        EXPECT_EQ(shownId(i), before[i]) << i;
    }
}

TEST_F(RadioPanelTest, HoldingTheFrequencyKeyRepeatsFasterAfterTenFirings) {
    rx->TSbase().setTsname("1kHz");
    press(*radio, 45);
    EXPECT_EQ(rx->Frequency(), 145501000);
    EXPECT_EQ(shownId(45), 2055);  // pressing sets the blink phase: the pressed face at once
    hold.advance(310);             // a repeat fires once more than its time has passed
    EXPECT_EQ(rx->Frequency(), 145502000);
    for (int i = 0; i < 10; ++i) hold.advance(200);  // firings 3..12
    EXPECT_EQ(rx->Frequency(), 145512000);
    hold.advance(100);  // the twelfth firing (eleventh repeat) set 100 ms for the next one
    EXPECT_EQ(rx->Frequency(), 145513000);
    hold.advance(100);
    EXPECT_EQ(rx->Frequency(), 145514000);
    release(*radio, 45);
    EXPECT_EQ(shownId(45), 2054);
}

TEST_F(RadioPanelTest, AHeldLevelKeyBlinksWithTheHeartbeat) {
    press(*radio, 47);
    EXPECT_EQ(shownId(47), 2057);
    tick(500);
    EXPECT_EQ(shownId(47), 2056);
    tick(500);
    EXPECT_EQ(shownId(47), 2057);
    release(*radio, 47);
    EXPECT_EQ(shownId(47), 2056);
}

// ---- the list on a real memory file ----

TEST_F(RadioPanelTest, ListLabelsAndMarkersRecallTheirChannelIntoTheReceiver) {
    QTest::mouseClick(radio->lblMEMO(2), Qt::LeftButton);
    EXPECT_EQ(ProgramMemory().ActiveCh(), 2);
    EXPECT_EQ(rx->Frequency(), 156800000);
    EXPECT_EQ(rx->mode(), 5);
    EXPECT_EQ(shownId(35), 2048);
    click(*radio, 34);  // marker of channel 1: the tower, AM 6k
    EXPECT_EQ(ProgramMemory().ActiveCh(), 1);
    EXPECT_EQ(rx->Frequency(), 118100000);
    EXPECT_EQ(rx->mode(), 2);
    EXPECT_EQ(rx->filter(), 1);
    tick();
    EXPECT_EQ(radio->label(panels::RadioLabel::ChName)->text().trimmed(), "Tower");
    EXPECT_EQ(radio->label(panels::RadioLabel::BankName)->text(), "Air and sea");
    EXPECT_EQ(radio->label(panels::RadioLabel::ChNum)->text(), "01");
    EXPECT_EQ(radio->label(panels::RadioLabel::TsName)->text(), "25k");
    // The list's colours: active white, blank grey, used black.
    EXPECT_EQ(radio->lblMEMO(1)->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(radio->lblMEMO(3)->palette().color(QPalette::WindowText), QColor(127, 127, 127));
    EXPECT_EQ(radio->lblMEMO(2)->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(RadioPanelTest, PagingShowsTheNextTenAndRecallsTheActiveChannelAgain) {
    ProgramMemory().setActiveCh(12);
    click(*radio, 51);
    EXPECT_EQ(radio->logic().listFirst(), 10);
    EXPECT_EQ(rx->Frequency(), 80700000);  // channel 12, recalled again
    EXPECT_EQ(rx->mode(), 6);
    EXPECT_EQ(radio->lblMEMO(0)->text(), "10");
    EXPECT_EQ(shownId(35), 2048);
    click(*radio, 52);
    click(*radio, 52);
    EXPECT_EQ(radio->logic().listFirst(), 40);
    EXPECT_EQ(radio->lblMEMO(9)->text(), "49");
    click(*radio, 51);
    EXPECT_EQ(radio->logic().listFirst(), 0);
}

TEST_F(RadioPanelTest, BankKeysStepEndlesslyAndRecall) {
    click(*radio, 53);
    EXPECT_EQ(ProgramMemory().ActiveBank(), 1);
    EXPECT_EQ(ProgramMemory().ActiveCh(), 4);
    EXPECT_EQ(rx->Frequency(), 14200000);
    EXPECT_EQ(rx->mode(), 1);
    click(*radio, 54);
    click(*radio, 54);
    EXPECT_EQ(ProgramMemory().ActiveBank(), 19);
}

TEST_F(RadioPanelTest, WriteAndClearActOnlyPastTheThirdRepeat) {
    ProgramMemory().setActiveCh(5);
    rx->setFrequency(433920000);
    rx->setMode(2);
    press(*radio, 56);
    hold.advance(300);
    hold.advance(200);  // 500 ms: nothing yet
    EXPECT_TRUE(ProgramMemory().chk_blank(0, 5));
    EXPECT_EQ(shownId(58), 0);
    hold.advance(210);  // the fourth firing writes
    EXPECT_EQ(ProgramMemory().chData(0, 5).lngFreq(), 433920000);
    EXPECT_EQ(ProgramMemory().chData(0, 5).ModeText(), "AM");
    EXPECT_EQ(shownId(58), 2094);
    EXPECT_EQ(shownId(59), 2095);
    release(*radio, 56);
    EXPECT_EQ(shownId(58), 2093);
    EXPECT_TRUE(ProgramMemory().MemoryChanged());

    // A short click of clear does nothing; a long hold blanks the channel and the receiver.
    click(*radio, 57);
    EXPECT_FALSE(ProgramMemory().chk_blank(0, 5));
    press(*radio, 57);
    hold.advance(710);
    EXPECT_TRUE(ProgramMemory().chk_blank(0, 5));
    EXPECT_EQ(rx->Frequency(), 0);
    EXPECT_EQ(shownId(59), 2096);
    release(*radio, 57);
    tick();
    EXPECT_EQ(radio->label(panels::RadioLabel::ChName)->text(), "  -- BLANK --");
    EXPECT_EQ(shownId(25), 2032);
}

// ---- keyboard entry ----

TEST_F(RadioPanelTest, NinePlacesAndAnAppendedZeroTuneInHertz) {
    for (int key :
         {int{'1'}, int{'4'}, int{'6'}, int{ui::vk::OemPeriod}, int{'5'}, int{'2'}, int{'5'}})
        radio->Tuner_Key_Operation(key, 0);
    EXPECT_EQ(radio->logic().tenkey().mode(), 1);
    EXPECT_EQ(shownId(61), 2098);
    radio->Tuner_Key_Operation(ui::vk::Return, 0);
    EXPECT_EQ(rx->Frequency(), 146525000);
    EXPECT_EQ(radio->logic().tenkey().mode(), 0);
}

TEST_F(RadioPanelTest, AnEntryPastThirtyTwoBitsIsDroppedNotWrapped) {
    // 4500 MHz is 4,500,000,000 Hz; in 32 bits it would wrap to 205.032704 MHz, inside the bands.
    for (int key : {'4', '5', '0', '0'}) radio->Tuner_Key_Operation(key, 0);
    radio->Tuner_Key_Operation(ui::vk::Return, 0);
    EXPECT_EQ(rx->Frequency(), 145500000);
    EXPECT_EQ(radio->logic().tenkey().mode(), 0);
}

TEST_F(RadioPanelTest, KeyboardStepsWithoutTouchingAutomaticModeAndIgnoresAReceiverOff) {
    rx->AutoMode().setMode(1);
    rx->TSbase().setTsname("20kHz");
    radio->Tuner_Key_Operation(ui::vk::Right, 1);
    EXPECT_EQ(panels::ShortStepName(rx->TSbase().tsname(), false), "25k");
    EXPECT_TRUE(rx->AutoMode().mode());
    rx->setPower(0);
    radio->Tuner_Key_Operation('7', 0);
    EXPECT_EQ(radio->logic().tenkey().mode(), 0);
}

// ---- heartbeat ----

TEST_F(RadioPanelTest, AHiddenPanelRedrawsOnTheFirstTickAfterItIsShown) {
    radio->hide();
    rx->setMode(2);
    tick();
    EXPECT_EQ(shownId(5), 2009);  // nothing drawn while hidden
    EXPECT_TRUE(radio->logic().redrawNeeded());
    radio->show();
    tick();
    EXPECT_EQ(shownId(5), 2010);
}

TEST_F(RadioPanelTest, TheDisplayRequestAndABusyChangeRedraw) {
    tick();
    rx->setMode(1);
    tick(10);
    EXPECT_EQ(shownId(3), 2005);  // no reason to redraw yet
    rx->SetDispReq();
    tick(10);
    EXPECT_EQ(shownId(3), 2006);
    EXPECT_FALSE(rx->DispReq());
    rs.setValue("Busy", 1);
    tick(10);
    EXPECT_EQ(shownId(32), 2043);
}

TEST_F(RadioPanelTest, AScanStartedElsewhereClosesAnOpenEntry) {
    frmSCANctrl scan(*rx, ProgramMemory());
    programChannels(scan);
    setScanCtrl(&scan);
    click(*radio, 55);
    ASSERT_EQ(radio->logic().tenkey().mode(), 1);
    ASSERT_TRUE(scan.scan_start(1, frmSCANctrl::kProgramTrue));
    ASSERT_EQ(scan.scanning(), 1);
    tick();
    EXPECT_EQ(radio->logic().tenkey().mode(), 0);
    EXPECT_EQ(scan.scanning(), 0);
    setScanCtrl(nullptr);
}

// ---- names ----

TEST_F(RadioPanelTest, ChannelNameIsEditedInPlaceUnlessTheReceiverIsBlank) {
    ProgramMemory().setActiveCh(2);
    tick();
    QTest::mouseDClick(radio->label(panels::RadioLabel::ChName), Qt::LeftButton);
    ASSERT_TRUE(radio->txtMEMOname()->isOpen());
    radio->txtMEMOname()->setText("Coast guard");
    QTest::keyClick(radio->txtMEMOname(), Qt::Key_Return);
    EXPECT_EQ(ProgramMemory().chData(0, 2).name1(), std::string("Coast guard").append(5, ' '));
    rx->setFrequency(0);
    QTest::mouseDClick(radio->label(panels::RadioLabel::ChName), Qt::LeftButton);
    EXPECT_FALSE(radio->txtMEMOname()->isOpen());
}

// ---- pictures ----

TEST_F(RadioPanelTest, Screenshots) {
    rx->setPower(0);
    radio->DispAll();
    tick();
    saveScreenshot(*radio, "radio-off", 2);
    rx->setPower(1);
    QTest::mouseClick(radio->lblMEMO(2), Qt::LeftButton);
    rs.setValue("Smeter", 150);
    rs.setValue("Busy", 1);
    rs.setValue("Ctcss", 12);
    rs.setValue("Cmeter", 128);
    clock.advance(1000);
    tick();
    radio->DispAll();
    saveScreenshot(*radio, "radio-on-channel", 2);
    click(*radio, 55);
    radio->Tuner_Key_Operation('4', 0);
    radio->Tuner_Key_Operation('3', 0);
    radio->Tuner_Key_Operation('3', 0);
    saveScreenshot(*radio, "radio-entry-open", 2);
    radio->logic().tenkey().off();
    frmSCANctrl scan(*rx, ProgramMemory());
    programChannels(scan);
    setScanCtrl(&scan);
    ASSERT_TRUE(scan.scan_start(1, frmSCANctrl::kProgramTrue));
    rx->setFrequency(118375000);
    rs.setValue("Smeter", 40);
    tick();
    radio->DispAll();
    saveScreenshot(*radio, "radio-scan-running", 2);
    setScanCtrl(nullptr);
}

}  // namespace
}  // namespace corvell::test

namespace corvell::test {
namespace {

TEST_F(RadioPanelTest, LayoutPlacesEveryImageAndLabelByItsTable) {
    EXPECT_EQ(radio->size(), QSize(400, 200));
    EXPECT_EQ(panels::RadioImages().size(), 62u);
    for (const panels::RadioImage& image : panels::RadioImages()) {
        const panels::RadioRect r = panels::RadioPictureRect(image);
        EXPECT_EQ(radio->img(image.index)->geometry(), QRect(r.x, r.y, r.width, r.height))
            << image.index;
    }
    EXPECT_EQ(radio->imgSCOPEerr()->geometry(), QRect(-1000, -1000, 1, 1));
    for (int i = 0; i < 10; ++i) {
        // Each list label covers the left 27 of its marker's 32 pixels.
        const QRect marker = radio->img(33 + i)->geometry();
        EXPECT_EQ(radio->lblMEMO(i)->geometry(), QRect(marker.topLeft(), QSize(27, 18))) << i;
    }
    EXPECT_EQ(radio->img(55)->legend(), "INPUT");
}

TEST_F(RadioPanelTest, ThePowerCoverFollowsThePowerAndACloseIsRefused) {
    tick();
    EXPECT_FALSE(radio->picPowerOff()->isVisible());
    rx->setPower(0);
    tick();
    EXPECT_TRUE(radio->picPowerOff()->isVisibleTo(radio.get()));
    // It lies outside the panel, so the face stays as it was.
    EXPECT_FALSE(radio->rect().intersects(radio->picPowerOff()->geometry()));
    radio->close();
    EXPECT_TRUE(radio->isVisible());
}

}  // namespace
}  // namespace corvell::test

namespace corvell::test {
namespace {

TEST_F(RadioPanelTest, ARedrawWithNothingChangedTouchesNoImage) {
    radio->DispAll();
    EXPECT_EQ(radio->DispAll(), 0);
    rx->setMode(1);
    EXPECT_EQ(radio->DispAll(), 2);  // the USB and FM lamps
}

}  // namespace
}  // namespace corvell::test

namespace corvell::test {
namespace {

// Keys that act on the press only do the same when held through many repeats as when clicked.
TEST_F(RadioPanelTest, KeysThatActOncePerPressActOnceWhileHeld) {
    struct Key {
        int index;
        Qt::MouseButton button;
    };
    const Key keys[] = {{1, Qt::LeftButton},  {2, Qt::LeftButton},  {3, Qt::LeftButton},
                        {4, Qt::LeftButton},  {5, Qt::LeftButton},  {6, Qt::LeftButton},
                        {7, Qt::LeftButton},  {8, Qt::LeftButton},  {8, Qt::RightButton},
                        {20, Qt::LeftButton}, {21, Qt::LeftButton}, {22, Qt::LeftButton},
                        {23, Qt::LeftButton}, {24, Qt::LeftButton}};
    for (const Key& key : keys) {
        SCOPED_TRACE(key.index);
        baseState();
        rx->setMode(2);  // AM: the filter can go either way from 6k
        rx->setFilter(1);
        rs.clear();
        const std::vector<int32_t> before = keySettings();
        click(*radio, key.index, key.button);
        const std::vector<QuillonCall> clicked = rs.sends();
        const std::vector<int32_t> afterClick = keySettings();
        EXPECT_TRUE(!clicked.empty() || afterClick != before);  // the key acts
        baseState();
        rx->setMode(2);
        rx->setFilter(1);
        rs.clear();
        pressAndHold(*radio, key.index, 300 + 6 * 200 + 10, key.button);  // seven firings
        EXPECT_EQ(rs.sends(), clicked);
        EXPECT_EQ(keySettings(), afterClick);
    }
}

TEST_F(RadioPanelTest, NewListCaptionsTakeTheColoursOfTheirChannels) {
    ASSERT_TRUE(ProgramMemory().chk_blank(0, 3));
    click(*radio, 51);  // LIST up: 10..19
    click(*radio, 52);  // and back: 0..9
    EXPECT_EQ(radio->lblMEMO(0)->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(radio->lblMEMO(3)->palette().color(QPalette::WindowText), QColor(127, 127, 127));
    EXPECT_EQ(radio->lblMEMO(2)->palette().color(QPalette::WindowText), QColor(Qt::black));
}

// Every bitmap the read-out, lamps and frame show is drawn whole, from the corner its image's
// row gives: none is cut by an image smaller than itself.
TEST_F(RadioPanelTest, EveryPictureIsDrawnWholeFromItsTablesCorner) {
    auto readout = [this](int32_t hz) {
        baseState();
        rx->setFrequency(hz);
        radio->DispAll();
    };
    const std::function<void()> states[] = {
        [&] { readout(1296500000); },
        [&] { readout(433500000); },
        [&] {
            readout(88880000);
            radio->logic().tenkey().finp(rx->Frequency());
            radio->DispAll();
        },
        [&] { readout(0); },
    };
    for (const auto& state : states) {
        state();
        for (const panels::RadioImage& image : panels::RadioImages()) {
            const ui::ImageHotZone* zone = radio->img(image.index);
            if (zone->imageId() == 0) continue;
            SCOPED_TRACE(image.index);
            EXPECT_EQ(zone->pos(), QPoint(image.x, image.y));
            const QSize picture = art::artworkSize(zone->imageId());
            EXPECT_TRUE(QRect(QPoint(), zone->size()).contains(QRect(QPoint(), picture)))
                << zone->imageId() << " is " << picture.width() << " x " << picture.height()
                << " on " << zone->width() << " x " << zone->height();
        }
    }
    readout(433500000);
    saveScreenshot(*radio, "radio-readout-433.500.00", 2);
}

TEST_F(RadioPanelTest, WithTheReceiverOffTheListLabelsDoNothing) {
    rx->setPower(0);
    rs.clear();
    QTest::mouseClick(radio->lblMEMO(2), Qt::LeftButton);
    EXPECT_EQ(ProgramMemory().ActiveCh(), 0);
    EXPECT_EQ(rx->Frequency(), 145500000);
    EXPECT_TRUE(rs.sends().empty());
}

TEST_F(RadioPanelTest, WithTheReceiverOffAHeldKeyNeverLooksPressed) {
    rx->setPower(0);
    radio->DispAll();
    press(*radio, 55);
    for (int i = 0; i < 12; ++i) tick();  // a blink flip redraws while it is held
    EXPECT_EQ(shownId(55), 2064);
    release(*radio, 55);
}

}  // namespace
}  // namespace corvell::test
