// Editing the memory list's cells as a user types: frequencies into blank and used rows, values
// the band edges refuse, typos, Esc and leaving the cell, names with commas, the popup lists;
// everything saved is in the file when it is opened again. Also the window's pictures.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <cstdlib>

#include "core/clsTSbase.h"
#include "memory/MemorySheetText.h"
#include "platform/private_profile.h"
#include "tests/memory/memory_list_fixture.h"
#include "ui/CellEditors.h"

namespace corvell::test {
namespace {

QString artifact(const QString& name) {
    const char* env = std::getenv("CORVELL_ARTIFACTS");
    const QString dir =
        env && *env ? QString::fromLocal8Bit(env) : QStringLiteral(CORVELL_BUILD_DIR "/artifacts");
    QDir().mkpath(dir);
    return dir + "/" + name;
}

class MemoryEditing : public MemoryListTest {
  protected:
    MemoryEditing() {
        // What the receiver is tuned to when a blank channel is filled from it.
        rx->setFrequency(433000000);
        rx->setModeText("AM");
        rx->setFilterText("6k");
        rx->TSbase().setTsname("25k");
        rx->setAtt(1);
    }
    const clsMchDATA& channel(int ch) { return memory().chData(3, ch); }
    ui::CellEditors& editors() { return window->editors(); }
};

TEST_F(MemoryEditing, AFrequencyTypedIntoABlankRowMakesAChannelOfTheReceiversSetting) {
    ASSERT_TRUE(rx->EDGES().inside(145500000));
    typeInto(1, mchcol::Frequency, "145.5");
    EXPECT_TRUE(editors().TextOpen());
    EXPECT_EQ(editors().textBox().text(), "145.5");
    press(Qt::Key_Return);
    EXPECT_FALSE(window->fEditing());
    EXPECT_EQ(QApplication::focusWidget(), &grid());
    const clsMchDATA& r = channel(1);
    EXPECT_EQ(r.lngFreq(), 145500000);
    EXPECT_EQ(r.name1(), "NONAME          ");
    EXPECT_EQ(r.name2(), std::string(32, ' '));
    EXPECT_EQ(r.ModeText(), "AM");
    EXPECT_EQ(r.FilterText(), "6k");
    EXPECT_EQ(r.tsfrq(), 25000);
    EXPECT_EQ(r.intAtt(), 1);
    EXPECT_EQ(cell(1, mchcol::Name), "NONAME");
    EXPECT_EQ(cell(1, mchcol::Frequency), "145.500000");
    EXPECT_TRUE(memory().MemoryChanged());
}

TEST_F(MemoryEditing, OnlyAnExplicitZeroBlanksAChannel) {
    struct Case {
        const char* typed;
        int32_t stays;  // the frequency afterwards
    };
    // Outside the band edges, past what 32 bits hold, empty and non-numeric: all left alone.
    for (const Case& c :
         {Case{"1400", 156650000}, Case{"0.005", 156650000}, Case{"99999", 156650000},
          Case{"", 156650000}, Case{"abc", 156650000}, Case{" .5x", 500000}, Case{"0", 0}}) {
        grid().setFocus();
        grid().setCurrentCell(2, mchcol::Frequency);
        press(Qt::Key_Return);  // opens the box with the frequency
        ASSERT_TRUE(editors().TextOpen()) << c.typed;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        press(Qt::Key_Backspace);
        type(c.typed);
        press(Qt::Key_Return);
        EXPECT_EQ(channel(2).lngFreq(), c.stays) << '"' << c.typed << '"';
        if (c.stays == 500000) memory().chData(3, 2).setLngFreq(156650000);
    }
    EXPECT_EQ(cell(2, mchcol::Name), " -- BLANK --");
    EXPECT_EQ(channel(2).name1(), "Pilot           ");  // only the frequency went
}

TEST_F(MemoryEditing, EscAndLeavingTheCellAbandonTheEdit) {
    typeInto(0, mchcol::Name, "Quay");
    press(Qt::Key_Escape);
    EXPECT_FALSE(window->fEditing());
    typeInto(0, mchcol::Remark, "gone");
    window->bankNameBox().setFocus();  // the editor loses the focus
    EXPECT_FALSE(editors().Editing());
    EXPECT_FALSE(editors().textBox().isVisible());
    EXPECT_EQ(channel(0).name1(), "Harbour         ");
    EXPECT_EQ(channel(0).name2(), "call channel" + std::string(20, ' '));
    EXPECT_FALSE(memory().MemoryChanged());

    // The lists of a blank channel never open; Esc closes an open one.
    grid().setFocus();
    grid().setCurrentCell(1, mchcol::Mode);
    press(Qt::Key_Return);
    EXPECT_FALSE(window->fEditing());
    QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {},
                       grid().CellRect(1, mchcol::Tsql).center());
    EXPECT_FALSE(window->fEditing());
    grid().setCurrentCell(0, mchcol::Sel);
    press(Qt::Key_Return);
    EXPECT_TRUE(editors().ListOpen());
    press(Qt::Key_Escape);
    EXPECT_FALSE(editors().ListOpen());
    EXPECT_FALSE(memory().MemoryChanged());
}

TEST_F(MemoryEditing, NamesNeverTakeACommaAndABlankChannelIsFilledFirst) {
    typeInto(3, mchcol::Name, "a,b  ");
    press(Qt::Key_Return);
    EXPECT_EQ(channel(3).name1(), "ab              ");

    grid().setCurrentCell(3, mchcol::Remark);
    press(Qt::Key_Return);
    editors().textBox().insert(",pasted,");  // a paste brings commas in
    press(Qt::Key_Return);
    EXPECT_EQ(cell(3, mchcol::Remark), "_pasted_");

    typeInto(1, mchcol::Name, "Fresh");
    press(Qt::Key_Return);
    EXPECT_EQ(channel(1).name1(), "Fresh           ");
    EXPECT_EQ(channel(1).lngFreq(), 433000000);
    EXPECT_EQ(channel(1).ModeText(), "AM");
}

TEST_F(MemoryEditing, ListsChooseModeFilterFlagsStepAndTone) {
    grid().setFocus();
    grid().setCurrentCell(2, mchcol::Mode);
    press(Qt::Key_Return);
    ASSERT_TRUE(editors().ListOpen());
    QListWidget& list = editors().list();
    EXPECT_EQ(list.count(), 6);
    EXPECT_EQ(list.currentItem()->text(), "FM");
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    EXPECT_EQ(channel(2).ModeText(), "WFM");
    EXPECT_EQ(channel(2).FilterText(), "50k");  // corrected for the mode
    EXPECT_EQ(cell(2, mchcol::Filter), "50k");

    struct Case {
        int column;
        const char* selectedBefore;
        Qt::Key move;
        const char* shown;
    };
    for (const Case& c : {Case{mchcol::Att, "ON", Qt::Key_Down, " OFF"},
                          Case{mchcol::Skip, "ON", Qt::Key_Down, " OFF"},
                          Case{mchcol::Tsql, "  67.0Hz", Qt::Key_Down, "  69.3Hz"},
                          Case{mchcol::Ts, "12.5kHz", Qt::Key_Up, "  10kHz"},
                          Case{mchcol::Filter, "50k", Qt::Key_Down, "230k"}}) {
        grid().setCurrentCell(2, c.column);
        press(Qt::Key_Return);
        ASSERT_TRUE(editors().ListOpen()) << c.column;
        EXPECT_EQ(list.currentItem()->text().trimmed(), QString(c.selectedBefore).trimmed());
        press(c.move);
        press(Qt::Key_Space);
        EXPECT_EQ(cell(2, c.column), c.shown) << c.column;
    }

    // A step typed into the step cell: a name the step table takes, and one it refuses.
    typeInto(0, mchcol::Ts, "5k");
    press(Qt::Key_Return);
    EXPECT_EQ(channel(0).tsfrq(), 5000);
    typeInto(0, mchcol::Ts, "x");
    press(Qt::Key_Return);
    EXPECT_EQ(channel(0).tsfrq(), 5000);
}

TEST_F(MemoryEditing, EveryEditIsInTheFileWhenItIsOpenedAgain) {
    typeInto(1, mchcol::Frequency, "145.5");
    press(Qt::Key_Return);
    typeInto(1, mchcol::Name, "Repeater");
    press(Qt::Key_Return);
    typeInto(0, mchcol::Frequency, "0");
    press(Qt::Key_Return);
    grid().setCurrentCell(2, mchcol::Sel);
    press(Qt::Key_Return);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    typeInto(3, mchcol::Remark, "a,b");
    press(Qt::Key_Return);
    ASSERT_EQ(memory().SaveMemory(), 1);

    const std::string path = home.path("list.MCH");
    const std::string file = home.read("list.MCH");
    EXPECT_NE(file.find("01=Repeater,,145.5,AM,6k,ON,25kHz,OFF,OFF,OFF"), std::string::npos)
        << file;
    window.reset();
    ResetProgramMemoryList();
    platform::clearProfileCache();
    ResetProgramMemory();
    ASSERT_EQ(memory().LoadMemory(path), 1);
    EXPECT_EQ(memory().chData(3, 0).lngFreq(), 0);
    EXPECT_EQ(memory().chData(3, 1).name1(), "Repeater        ");
    EXPECT_EQ(memory().chData(3, 1).lngFreq(), 145500000);
    EXPECT_EQ(memory().chData(3, 2).intTag(), 0);
    EXPECT_EQ(memory().chData(3, 2).intSkip(), 1);
    EXPECT_EQ(memory().chData(3, 3).name2(), "ab" + std::string(30, ' '));
}

TEST_F(MemoryEditing, Pictures) {
    grid().setCurrentCell(2, mchcol::Name);
    EXPECT_TRUE(window->grab().save(artifact("memory-bank-first-run.png")));
    // The widths a user gives the columns by dragging them.
    const int widths[] = {24, 90, 80, 44, 44, 40, 60, 40, 40, 60, 150};
    for (int c = 0; c < mchcol::Count; ++c) grid().setColumnWidth(c, widths[c]);
    EXPECT_TRUE(window->grab().save(artifact("memory-bank.png")));
    typeInto(1, mchcol::Name, "New chan");
    ASSERT_TRUE(editors().TextOpen());
    EXPECT_TRUE(window->grab().save(artifact("memory-text-editor.png")));
    press(Qt::Key_Escape);
    grid().setCurrentCell(3, mchcol::Mode);
    press(Qt::Key_Return);
    ASSERT_TRUE(editors().ListOpen());
    EXPECT_TRUE(window->grab().save(artifact("memory-list-editor.png")));
}

}  // namespace
}  // namespace corvell::test
