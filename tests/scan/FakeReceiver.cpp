#include "tests/scan/FakeReceiver.h"

#include <cstdio>

#include "scan/frmSCANctrl.h"

namespace corvell {

void FakeReceiver::SendFreq() {
    log.push_back("SendFreq " + std::to_string(freq));
}

void FakeReceiver::SendSCAN() {
    if (scan == nullptr) return;
    int v = scan->speed() + scan->speedbase();
    if (v > 127) v = 127;
    if (scan->slow1time() != 0 && v < 100) v = 100;
    scan->setSlow1time(0);
    const int byte = (scan->scanning() == 0 || scan->pause() != 0) ? 0 : 128 + v;
    char text[8];
    std::snprintf(text, sizeof text, "H8%02X", byte);
    scanBytes.push_back(byte);
    log.push_back(text);
    if (onSendScan) onSendScan();
}

void FakeReceiver::setFrequency(int32_t hz) {
    freq = hz;
    log.push_back("Frequency " + std::to_string(hz));
}

void FakeReceiver::SetScanRxData(int32_t hz, const std::string& m, const std::string& f, int32_t a,
                                 int32_t tone, const std::string& ts) {
    freq = hz;
    mode = m;
    filter = f;
    att_ = a;
    ctcss_ = tone;
    setTsname(ts);
    log.push_back("ScanRx " + std::to_string(hz) + " " + m + " " + f + " " + std::to_string(a) +
                  " " + std::to_string(tone) + " " + ts);
}

void FakeReceiver::setTsname(const std::string& text) {
    // Blanks around a step name do not count, as for the receiver's own step.
    const size_t begin = text.find_first_not_of(' ');
    const std::string n = begin == std::string::npos
                              ? ""
                              : text.substr(begin, text.find_last_not_of(' ') - begin + 1);
    if (n.empty()) return;
    step_name = n;
    const double value = std::stod(n);
    step = static_cast<int32_t>(n.find('M') != std::string::npos   ? value * 1000000
                                : n.find('k') != std::string::npos ? value * 1000
                                                                   : value);
}

void FakeReceiver::setAfgain(int32_t v) {
    afgain_ = v;
    log.push_back("afgain " + std::to_string(v));
}

std::vector<std::string> FakeReceiver::only(std::initializer_list<const char*> prefixes) const {
    std::vector<std::string> out;
    for (const auto& e : log) {
        for (const char* p : prefixes) {
            if (e.rfind(p, 0) == 0) {
                out.push_back(e);
                break;
            }
        }
    }
    return out;
}

}  // namespace corvell
