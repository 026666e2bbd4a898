#include "tests/scan/ScanFixture.h"

#include <cstdio>

#include "core/ProgramObjects.h"
#include "core/ReceiverCodes.h"
#include "core/clsTSbase.h"

namespace corvell {

ScanTest::ScanTest() {
    ResetProgramObjects();
    ResetProgramMemory();
    SetProgramReceiver(&rx);
    rx.Init();
    rx.Load();
    rs.setValue("PowerOnStat", 1);
    rx.PowerOn();
    rx.setScanObj(&scan);
    scan.Init();
    clearLog();
}

ScanTest::~ScanTest() {
    rx.setScanObj(nullptr);
    rx.Unload();
    SetProgramReceiver(nullptr);
    ResetProgramMemory();
    ResetProgramObjects();
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
    rec.setIntFilter(kFilter15k);
    rec.setIntTag(sel);
    rec.setIntSkip(skip);
    return rec;
}

void ScanTest::feed(int16_t code) {
    scan.setStatus(code);
    scan.Task_exec();
}

void ScanTest::clearLog() {
    rs.clear();
    rx.setDispReq(false);
}

std::string ScanTest::step() {
    const std::string& name = rx.TSbase().tsname();
    const size_t begin = name.find_first_not_of(' ');
    return begin == std::string::npos ? ""
                                      : name.substr(begin, name.find_last_not_of(' ') - begin + 1);
}

std::vector<int> ScanTest::scanBytes() const {
    std::vector<int> bytes;
    for (const test::QuillonCall& c : rs.callsTo("RsSendScan")) bytes.push_back(c.args[0]);
    return bytes;
}

std::vector<std::string> ScanTest::sends(std::initializer_list<const char*> kinds) const {
    auto wanted = [&](const char* kind) {
        for (const char* k : kinds) {
            if (std::string(k) == kind) return true;
        }
        return false;
    };
    std::vector<std::string> out;
    for (const test::QuillonCall& c : rs.calls) {
        const auto& a = c.args;
        if (c.name == "RsSetFrequency" && wanted("Frequency")) {
            out.push_back("Frequency " + std::to_string(a[0]));
        } else if (c.name == "RsSendFreq" && wanted("SendFreq")) {
            out.push_back("SendFreq");
        } else if (c.name == "RsSendScan" && wanted("H8")) {
            char line[8];
            std::snprintf(line, sizeof line, "H8%02X", static_cast<unsigned>(a[0]) & 0xFFu);
            out.push_back(line);
        } else if (c.name == "RsSetScanRxData" && wanted("ScanRx")) {
            std::string line = "ScanRx";
            for (int32_t v : a) line += " " + std::to_string(v);
            out.push_back(line);
        } else if (c.name == "RsSetAfgain" && wanted("afgain")) {
            out.push_back("afgain " + std::to_string(a[0]));
        }
    }
    return out;
}

}  // namespace corvell
