// Which editor a key opens on which cell of the memory list, for a used and a blank channel.
#include <gtest/gtest.h>

#include <string>

#include "memory/MemoryCellEdit.h"
#include "memory/MemoryListOps.h"
#include "memory/MemorySheetText.h"
#include "tests/support/rx_fixture.h"

namespace {

using namespace corvell;
using Kind = CellEditorRequest::Kind;

class MemoryCellEditTest : public test::RxTest {
  protected:
    MemoryCellEditTest() {
        load();
        ProgramMemory().NewMemory();
        clsMchDATA& used = ProgramMemory().chData(0, 0);
        used.setName1("Tower  ");
        used.setName2("east side");
        used.setLngFreq(118100000);
        used.setModeText("AM");
        used.setFilterText("6k");
        used.setTsname("25k");
        used.setIntSkip(1);
        used.setIntTsql(3);
        ProgramMemory().chData(0, 1).setIntTsql(9);  // blank, whatever else it holds
        rx->setFrequency(433000000);
    }
    ~MemoryCellEditTest() override { ResetProgramMemoryList(); }
    CellEditorRequest begin(int ch, int column, const std::string& key) {
        return MemoryCellEdit(ProgramMemoryList()).Begin(ch, column, key);
    }
};

TEST_F(MemoryCellEditTest, EachColumnOpensItsEditor) {
    struct Case {
        int ch, column;
        std::string key;
        Kind kind;
        std::string text;  // the box's text, or the selected entry
        int limit;
    };
    const Case cases[] = {
        {0, mchcol::Name, "\r", Kind::Text, "Tower", 33},
        {0, mchcol::Name, "Q", Kind::Text, "Q", 33},
        {0, mchcol::Frequency, "\r", Kind::Text, "118.100000", 14},
        {1, mchcol::Frequency, "\r", Kind::Text, "433.000000", 14},  // the receiver's
        {0, mchcol::Remark, "\r", Kind::Text, "east side", 65},
        {1, mchcol::Remark, "x", Kind::Text, "x", 65},
        {0, mchcol::Ts, "5", Kind::Text, "5", -1},
        {0, mchcol::Ts, "\r", Kind::List, "  25kHz", 0},
        {0, mchcol::Mode, "z", Kind::List, "AM", 0},
        {0, mchcol::Filter, "\r", Kind::List, "6k", 0},
        {0, mchcol::Att, "\r", Kind::List, "OFF", 0},
        {0, mchcol::Skip, "\r", Kind::List, "ON", 0},
        {0, mchcol::Tsql, "\r", Kind::List, "  71.0Hz", 0},
        {0, mchcol::Name, ",", Kind::None, "", 0},
        {1, mchcol::Mode, "\r", Kind::None, "", 0},
        {1, mchcol::Tsql, "\r", Kind::None, "", 0},
        {1, mchcol::Ts, "a", Kind::None, "", 0},
        {0, mchcol::Ch, "\r", Kind::None, "", 0},
    };
    for (const Case& c : cases) {
        const CellEditorRequest r = begin(c.ch, c.column, c.key);
        SCOPED_TRACE(testing::Message()
                     << "ch " << c.ch << " column " << c.column << " key " << c.key);
        ASSERT_EQ(r.kind, c.kind);
        if (c.kind == Kind::Text) {
            EXPECT_EQ(r.text, c.text);
            EXPECT_EQ(r.maxLength, c.limit);
        } else if (c.kind == Kind::List) {
            ASSERT_GE(r.selected, 0);
            EXPECT_EQ(r.items[static_cast<size_t>(r.selected)], c.text);
        }
    }
    EXPECT_EQ(begin(0, mchcol::Ts, "\r").items.size(), 20u);
    EXPECT_EQ(begin(0, mchcol::Tsql, "\r").items.size(), 52u);

    // A tone index beyond the table selects no entry.
    ProgramMemory().chData(0, 0).setIntTsql(-4);
    EXPECT_EQ(begin(0, mchcol::Tsql, "\r").selected, -1);
}

}  // namespace
