#include "panels/dtmf/DtmfDecoder.h"

#include <array>
#include <string_view>

#include "core/QuillonApi.h"
#include "core/clsDtmfOption.h"
#include "core/frmTesselbase.h"
#include "panels/dtmf/RemoteActions.h"

namespace corvell::panels {
namespace {

constexpr std::string_view kDtmfCharacters = clsDtmfOption::kCodeCharacters;
constexpr int32_t kFirstCode = 16;

}  // namespace

DtmfDecoder::DtmfDecoder(frmTesselbase& rx, clsDtmfOption& option, RemoteActionRunner& actions)
    : rx_(rx), option_(option), actions_(actions) {}

std::optional<char> DtmfDecoder::CharacterOf(int32_t value) {
    if (value < kFirstCode || value >= kFirstCode + static_cast<int32_t>(kDtmfCharacters.size())) {
        return std::nullopt;
    }
    return kDtmfCharacters[static_cast<std::size_t>(value - kFirstCode)];
}

void DtmfDecoder::Poll() {
    if (rx_.Power() == 0 || rx_.Error() != 0) return;
    if (!option_.DtmfOn()) {
        receivedCode_.clear();
        return;
    }
    const QuillonApi& rs = Quillon();
    if (const std::optional<char> c = CharacterOf(rs.RsGetDtmfr())) {
        receivedCode_ += *c;
        rs.RsSetDtmfr(0);  // this report is taken; the receiver's next one replaces the 0
        idleMs_ = 0;
    }
    if (option_.RemoteOn()) matchEntries();
}

void DtmfDecoder::matchEntries() {
    struct Entry {
        std::string code;
        int16_t type = 0;
        std::string text;
    };
    std::array<Entry, clsDtmfOption::kEntries> entries;
    for (int i = 0; i < clsDtmfOption::kEntries; ++i) {
        Entry& e = entries[static_cast<std::size_t>(i)];
        e.code = option_.GetRecieveCode(i);
        e.type = option_.GetActionType(i);
        e.text = option_.GetActionFile(i);
    }
    for (const Entry& e : entries) {
        if (e.code.empty() || actionDone_ || e.code != receivedCode_) continue;
        // Set before the action runs: one action per received string, whatever it does.
        actionDone_ = true;
        actions_.RunAction(e.type, e.text);
    }
}

void DtmfDecoder::Timer1_Timer() {
    idleMs_ += kTimerMs;
    if (idleMs_ > kIdleClearMs) {
        idleMs_ = 0;
        receivedCode_.clear();
        actionDone_ = false;
    }
}

}  // namespace corvell::panels
