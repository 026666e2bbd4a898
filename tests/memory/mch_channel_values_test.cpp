// How one channel line of a memory file reads, and how a channel is written back.
#include <gtest/gtest.h>

#include "core/IniProcs.h"
#include "memory/clsMEMORY.h"
#include "tests/memory/memory_home.h"

namespace {

using namespace corvell;

struct Expected {
    int32_t freq;
    int16_t mode;
    int16_t filter;
    int16_t att;
    int16_t tag;
    int16_t skip;
    int16_t tsql;
    int32_t stepHz;
    std::string name1;  // trailing blanks left out
};

constexpr Expected kBlank{0, 5, 2, 0, 0, 0, 0, 20000, "NONAME"};

std::string rtrim(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

TEST(MchChannelValues, LinesReadAsTheFormatSays) {
    const struct {
        std::string line;
        Expected expected;
    } cases[] = {
        {"NONAME,,145.5,FM,15k,OFF,20kHz,OFF,OFF,OFF",
         {145500000, 5, 2, 0, 0, 0, 0, 20000, "NONAME"}},
        {"Tower,East,118.1,AM,6k,ON,25kHz,ON,ON,100.0Hz",
         {118100000, 2, 1, 1, 1, 1, 14, 25000, "Tower"}},
        {"x,,.5,LSB,3k,OFF,1kHz,OFF,OFF,OFF", {500000, 0, 0, 0, 0, 0, 0, 1000, "x"}},
        {"x,,1300,WFM,230k,OFF,100k,OFF,OFF, 254.1Hz ",
         {1300000000, 6, 4, 0, 0, 0, 51, 100000, "x"}},
        {"x,,145,FM,15k,OFF,20kHz,OFF,OFF,  67.0Hz", {145000000, 5, 2, 0, 0, 0, 1, 20000, "x"}},
        // Texts the record does not know take its defaults; the filter follows the mode.
        {"x,,145,fm,15k,OFF,20kHz,OFF,OFF,OFF", {145000000, 2, 2, 0, 0, 0, 0, 20000, "x"}},
        {"x,,145,FM,230k,OFF,20kHz,OFF,OFF,OFF", {145000000, 5, 3, 0, 0, 0, 0, 20000, "x"}},
        {"x,,145,USB,9k,OFF,20kHz,OFF,OFF,OFF", {145000000, 1, 1, 0, 0, 0, 0, 20000, "x"}},
        // Switches are ON or OFF exactly; anything else is off.
        {"x,,145,FM,15k,ON ,20kHz,on,1,OFF", {145000000, 5, 2, 0, 0, 0, 0, 20000, "x"}},
        {"x,,145,FM,15k,,20kHz,,,", {145000000, 5, 2, 0, 0, 0, 0, 20000, "x"}},
        {"x,,145,FM,15k,OFF,20kHz,OFF,OFF,66.0Hz", {145000000, 5, 2, 0, 0, 0, 0, 20000, "x"}},
        // The blanks around a value are not part of it.
        {"  lead,,145,FM,15k,OFF,20kHz,OFF,OFF,OFF", {145000000, 5, 2, 0, 0, 0, 0, 20000, "lead"}},
        {std::string(100000, 'n') + ",,145,FM,15k,OFF,20kHz,OFF,OFF,OFF",
         {145000000, 5, 2, 0, 0, 0, 0, 20000, std::string(16, 'n')}},
        // Out of range or no frequency at all: a blank channel, the other fields as read.
        {"x,,1300.001,FM,15k,OFF,20kHz,OFF,OFF,OFF", {0, 5, 2, 0, 0, 0, 0, 20000, "x"}},
        {"x,,0,FM,15k,OFF,20kHz,OFF,OFF,OFF", {0, 5, 2, 0, 0, 0, 0, 20000, "x"}},
        {"x,,-145,FM,15k,OFF,20kHz,OFF,OFF,OFF", {0, 5, 2, 0, 0, 0, 0, 20000, "x"}},
        {"x,,1e308,FM,15k,OFF,20kHz,OFF,OFF,OFF", {0, 5, 2, 0, 0, 0, 0, 20000, "x"}},
        {"x,,99999999999999999999,FM,15k,OFF,20kHz,OFF,OFF,OFF", {0, 5, 2, 0, 0, 0, 0, 20000, "x"}},
        // Anything but ten fields reads as the blank channel.
        {"NONAME,,145.5,FM,15k,OFF,20kHz,OFF,OFF", kBlank},
        {"NONAME,,145.5,FM,15k,OFF,20kHz,OFF,OFF,OFF,", kBlank},
        {"145.5", kBlank},
        {"", kBlank},
        {std::string("\x01\xff\xfe\0\x80,,", 8), kBlank},
    };
    for (const auto& c : cases) {
        test::MemoryHome home;
        home.write("a.MCH", "[BANK05]\n09=" + c.line + "\n");
        clsMEMORY& memory = ProgramMemory();
        ASSERT_EQ(memory.LoadMemory(home.path("a.MCH")), 1);
        const clsMchDATA& r = memory.chData(5, 9);
        const Expected& e = c.expected;
        const std::string label = c.line.substr(0, 60);
        EXPECT_EQ(r.lngFreq(), e.freq) << label;
        EXPECT_EQ(r.intMode(), e.mode) << label;
        EXPECT_EQ(r.intFilter(), e.filter) << label;
        EXPECT_EQ(r.intAtt(), e.att) << label;
        EXPECT_EQ(r.intTag(), e.tag) << label;
        EXPECT_EQ(r.intSkip(), e.skip) << label;
        EXPECT_EQ(r.intTsql(), e.tsql) << label;
        EXPECT_EQ(r.tsfrq(), e.stepHz) << label;
        EXPECT_EQ(rtrim(r.name1()), e.name1) << label;
        EXPECT_EQ(r.name1().size(), 16u) << label;
    }
}

TEST(MchChannelValues, ChannelsWrittenAsTheFormatSays) {
    const struct {
        void (*fill)(clsMchDATA&);
        const char* line;
    } cases[] = {
        {[](clsMchDATA&) {}, "NONAME,,145.5,FM,15k,OFF,20kHz,OFF,OFF,OFF"},
        {[](clsMchDATA& r) { r.setLngFreq(500000); }, "NONAME,,.5,FM,15k,OFF,20kHz,OFF,OFF,OFF"},
        {[](clsMchDATA& r) { r.setLngFreq(10000); }, "NONAME,,.01,FM,15k,OFF,20kHz,OFF,OFF,OFF"},
        {[](clsMchDATA& r) { r.setLngFreq(145123456); },
         "NONAME,,145.123456,FM,15k,OFF,20kHz,OFF,OFF,OFF"},
        {[](clsMchDATA& r) { r.setLngFreq(1300000000); },
         "NONAME,,1300,FM,15k,OFF,20kHz,OFF,OFF,OFF"},
        {[](clsMchDATA& r) {
             r.setName1("  Tower  ");
             r.setName2("  east side");
             r.setModeText("AM");
             r.setFilterText("6k");
             r.setTsname("9k");
             r.setIntAtt(1);
             r.setIntTag(1);
             r.setIntSkip(1);
             r.setIntTsql(1);
         },
         "Tower,  east side,145.5,AM,6k,ON,9kHz,ON,ON,67.0Hz"},
        // Values without a text of their own: any nonzero switch is on, a tone is clamped.
        {[](clsMchDATA& r) {
             r.setIntAtt(-1);
             r.setIntTag(2);
             r.setIntTsql(60);
         },
         "NONAME,,145.5,FM,15k,ON,20kHz,ON,OFF,254.1Hz"},
        {[](clsMchDATA& r) { r.setIntTsql(-4); }, "NONAME,,145.5,FM,15k,OFF,20kHz,OFF,OFF,OFF"},
        {[](clsMchDATA& r) { r.setTsname("12.3k"); },
         "NONAME,,145.5,FM,15k,OFF,12.3kHz,OFF,OFF,OFF"},
    };
    for (const auto& c : cases) {
        test::MemoryHome home;
        clsMEMORY& memory = ProgramMemory();
        memory.NewMemory();
        clsMchDATA& r = memory.chData(3, 7);
        memory.DefaultBlank(r);
        r.setLngFreq(145500000);
        c.fill(r);
        ASSERT_EQ(memory.SaveAsMemory(home.path("w.MCH")), 1);
        EXPECT_EQ(ReadIniString(home.path("w.MCH"), "BANK03", "07"), c.line);
    }
}

}  // namespace
