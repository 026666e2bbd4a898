#include "link/parse_reply.h"

#include "link/darc_relay.h"
#include "link/frame_grammar.h"
#include "link/hex_pair.h"
#include "link/receiver_state.h"

namespace quillon {
namespace {

void ParseG(char kind, int32_t v, ReceiverState& state) {
    switch (kind) {
        case '0':
            state.setCmdStat(v);
            state.setPowerOnStat(1);
            break;
        case '2':
            state.setVerSCI(v);
            break;
        case '4':
            state.setVerCPU(v);
            break;
        case 'D':
            state.setUnitOption(v);
            break;
        case 'E':
            state.setMatrixVersion(v);
            break;
        default:
            break;
    }
}

void ParseH(char kind, int32_t v, ReceiverState& state) {
    if (kind == '1' && v == 1) state.setPowerOnStat(1);
    if (kind == '9') {
        state.setScanStat(v);
        state.setPowerOnStat(1);
    }
}

void ParseI(char kind, int32_t v, ReceiverState& state) {
    switch (kind) {
        case '0':
            state.setBusy(v & 1);
            state.setAfopen((v >> 1) & 1);
            state.setVscbusy((v >> 2) & 1);
            state.setStereoDet((v >> 4) & 1);
            state.setExtspJackIn((v >> 6) & 1);
            state.setRxerr((v >> 7) & 1);
            break;
        case '1':
            state.setSmeter(v);
            break;
        case '2':
            state.setCmeter(v);
            break;
        case '3':
            state.setDtmfr(v);
            break;
        default:
            return;
    }
    state.setPowerOnStat(1);
}

// Scope levels: start index, then 16 levels.
void ParseN(const char* f, ReceiverState& state) {
    if (f[1] != 'E' || f[2] != '1') return;
    const int32_t start = HexPair(f[3], f[4]);
    for (int i = 0; i < 16; ++i) {
        const int32_t index = start + i;
        if (index <= 255) state.setScopeBuff(index, HexPair(f[5 + 2 * i], f[6 + 2 * i]));
    }
    state.setPowerOnStat(1);
}

// Data broadcast: 24 bytes for the relay when the block number is 00.
void ParseO(const char* f, ReceiverState& state) {
    if (f[1] != 'E' || f[2] != '3') return;
    if (f[3] == '0' && f[4] == '0') {
        uint8_t bytes[DarcRelay::kFrameBytes];
        for (int i = 0; i < DarcRelay::kFrameBytes; ++i) {
            bytes[i] = static_cast<uint8_t>(HexPair(f[5 + 2 * i], f[6 + 2 * i]));
        }
        state.relay().Write(bytes);
    }
    state.setPowerOnStat(1);
}

}  // namespace

void ParseReply(const char* frame, int length, ReceiverState& state) {
    if (length < 1 || length < FrameLength(static_cast<uint8_t>(frame[0]))) return;
    switch (frame[0]) {
        case 'G':
            ParseG(frame[1], HexPair(frame[2], frame[3]), state);
            break;
        case 'H':
            ParseH(frame[1], HexPair(frame[2], frame[3]), state);
            break;
        case 'I':
            ParseI(frame[1], HexPair(frame[2], frame[3]), state);
            break;
        case 'N':
            ParseN(frame, state);
            break;
        case 'O':
            ParseO(frame, state);
            break;
        default:
            break;  // J, K, L and M carry nothing the link keeps
    }
}

}  // namespace quillon
