// Mode, filter and level settings: code/text translation, the filter remembered per mode and
// corrected to the mode, and the one-to-one level setters.
#include <functional>

#include "tests/support/rx_fixture.h"

namespace corvell::test {
namespace {

class LevelsTest : public RxTest {
  protected:
    LevelsTest() {
        load();
        rs.clear();
    }
};

TEST(FilterCorrect, ClampsToWhatEachModeAllows) {
    struct Case {
        int32_t mode, filter, expected;
    };
    for (const Case& c : {Case{5, 0, 1},
                          {5, 4, 3},
                          {6, 0, 3},
                          {2, 4, 3},
                          {0, 2, 1},
                          {3, 4, 1},
                          {2, -1, 0},
                          {6, 4, 4},
                          {5, 2, 2},
                          {4, 3, 1},
                          {1, 0, 0}}) {
        EXPECT_EQ(frmTesselbase::FilterCorrect(c.mode, c.filter), c.expected)
            << c.mode << "/" << c.filter;
    }
}

TEST_F(LevelsTest, ModeAndFilterTexts) {
    struct Case {
        const char* written;
        int32_t code;
        const char* read;
    };
    for (const Case& c : {Case{"AM", 2, "AM"},
                          {"WFM", 6, "WFM"},
                          {"CW", 3, "CW"},
                          {"USB", 1, "USB"},
                          {"LSB", 0, "LSB"},
                          {"FM", 5, "FM"},
                          {"wfm", 5, "FM"},
                          {"", 5, "FM"}}) {
        rx->setModeText(c.written);
        EXPECT_EQ(rs.value("Mode"), c.code) << c.written;
        EXPECT_EQ(rx->ModeText(), c.read) << c.written;
    }
    rs.setValue("Mode", 4);
    EXPECT_EQ(rx->ModeText(), "AM");
    for (int32_t code : {4, 9, -1}) {
        rs.setValue("Filter", code);
        EXPECT_EQ(rx->FilterText(), "230k");
    }
}

TEST_F(LevelsTest, AFilterTheModeDoesNotAllowIsCorrectedBeforeItIsSent) {
    struct Case {
        int32_t mode;
        const char* filter;
        int32_t sent;
    };
    for (const Case& c :
         {Case{5, "230k", 3}, {5, "3k", 1}, {6, "3k", 3}, {2, "230k", 3}, {1, "15k", 1}}) {
        rx->setMode(c.mode);
        rs.clear();
        rx->setFilterText(c.filter);
        EXPECT_EQ(rs.sends(), (std::vector<QuillonCall>{{"RsSetFilter", {c.sent}}})) << c.filter;
        EXPECT_EQ(rx->FilterBuff(c.mode), c.sent);
    }
}

TEST_F(LevelsTest, EachModeRemembersItsFilter) {
    rx->ModeGroup(5);
    rx->setFilterText("15k");
    rx->ModeGroup(1);
    EXPECT_EQ(rx->FilterText(), "3k");  // USB's own memory, 0 at creation
    rx->setFilterText("6k");
    rx->ModeGroup(5);
    EXPECT_EQ(rx->FilterText(), "15k");
    rx->ModeGroup(1);
    EXPECT_EQ(rx->FilterText(), "6k");
}

TEST_F(LevelsTest, AModeCodeOutsideTheMemoryNeverIndexesIt) {
    for (int32_t odd : {7, 9, 255, -1, 1 << 30}) {
        rs.setValue("Mode", odd);
        rs.clear();
        rx->setFilter(4);
        EXPECT_EQ(rs.sends(), (std::vector<QuillonCall>{{"RsSetFilter", {1}}})) << odd;
        EXPECT_EQ(rx->FilterBuff(odd), 0);
        rx->setFilterBuff(odd, 3);
        EXPECT_EQ(rx->FilterBuff(odd), 0);
        rx->ModeGroup(static_cast<int16_t>(odd));
    }
    for (int32_t m = 0; m <= 6; ++m) EXPECT_LE(rx->FilterBuff(m), 4);
}

TEST_F(LevelsTest, EachLevelGoesToItsExportUnchanged) {
    struct Case {
        const char* exportName;
        std::function<void(frmTesselbase&, int)> set;
        std::function<int32_t(frmTesselbase&)> get;
    };
    const Case cases[] = {
        {"RsSetAfgain", [](auto& r, int v) { r.setAfgain(v); }, [](auto& r) { return r.afgain(); }},
        {"RsSetAfmute", [](auto& r, int v) { r.setAfmute(int16_t(v)); },
         [](auto& r) { return r.afmute(); }},
        {"RsSetSql", [](auto& r, int v) { r.setSquelch(v); }, [](auto& r) { return r.squelch(); }},
        {"RsSetMoni", [](auto& r, int v) { r.setMoni(int16_t(v)); },
         [](auto& r) { return r.moni(); }},
        {"RsSetIfshift", [](auto& r, int v) { r.setIfshift(v); },
         [](auto& r) { return r.ifshift(); }},
        {"RsSetAgc", [](auto& r, int v) { r.setAgc(v); }, [](auto& r) { return r.agc(); }},
        {"RsSetNb", [](auto& r, int v) { r.setNb(v); }, [](auto& r) { return r.nb(); }},
        {"RsSetAtt", [](auto& r, int v) { r.setAtt(v); }, [](auto& r) { return r.att(); }},
        {"RsSetAfc", [](auto& r, int v) { r.setAfc(v); }, [](auto& r) { return r.afc(); }},
        {"RsSetAnl", [](auto& r, int v) { r.setAnl(v); }, [](auto& r) { return r.anl(); }},
        {"RsSetVsc", [](auto& r, int v) { r.setVsc(v); }, [](auto& r) { return r.vsc(); }},
        {"RsSetCtcss", [](auto& r, int v) { r.setCtcss(v); }, [](auto& r) { return r.ctcss(); }},
        {"RsSetExtPlug", [](auto& r, int v) { r.setExtPlug(v); }, nullptr},
        {"RsSetExtOutLevel", [](auto& r, int v) { r.setExtOutLevel(v); }, nullptr},
        {"RsSetComportNum", [](auto& r, int v) { r.setComPortNum(v); }, nullptr},
    };
    for (const Case& c : cases) {
        for (int v : {0, 1, 7, 300, -1}) {
            rs.clear();
            c.set(*rx, v);
            EXPECT_EQ(rs.sends(), (std::vector<QuillonCall>{{c.exportName, {v}}})) << c.exportName;
            if (c.get) {
                EXPECT_EQ(c.get(*rx), v) << c.exportName;
            }
        }
    }
    rx->setAfmute(-1);  // True arrives widened with its sign
    EXPECT_EQ(rs.value("Afmute"), -1);
}

}  // namespace
}  // namespace corvell::test
