#include "tests/scan/ScanFixture.h"

#include "core/ProgramObjects.h"
#include "platform/tick_count.h"

namespace corvell {

namespace {

uint32_t g_now = 1000000;

uint32_t fakeNow() {
    return g_now;
}

}  // namespace

ScanTest::ScanTest() {
    ResetProgramObjects();
    platform::setTickSource(&fakeNow);
    rx.scan = &scan;
    scan.Init();
}

ScanTest::~ScanTest() {
    platform::setTickSource(nullptr);
    ResetProgramObjects();
}

void ScanTest::advance(uint32_t ms) {
    g_now += ms;
}

void ScanTest::setRow(int16_t row, int32_t low, int32_t high, const std::string& mode,
                      const std::string& filter, const std::string& step, int16_t att) {
    clsMchDATA& rec = scan.pchData(row);
    rec.setLngFreq(low);
    rec.setLngFreqHigh(high);
    rec.setModeText(mode);
    rec.setFilterText(filter);
    rec.setTsname(step);
    rec.setIntAtt(att);
}

clsMchDATA& ScanTest::setChannel(int16_t bank, int16_t ch, int32_t hz, int16_t mode, int16_t sel,
                                 int16_t skip) {
    clsMchDATA& rec = memory.chData(bank, ch);
    rec.setLngFreq(hz);
    rec.setIntMode(mode);
    rec.setIntFilter(2);
    rec.setIntTag(sel);
    rec.setIntSkip(skip);
    return rec;
}

void ScanTest::feed(int16_t code) {
    scan.setStatus(code);
    scan.Task_exec();
}

}  // namespace corvell
