#include "tools/rx-emulator/reply_frames.h"

namespace rxemu {
namespace {

void appendHex(std::string& out, int value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out.push_back(kDigits[(value >> 4) & 0xF]);
    out.push_back(kDigits[value & 0xF]);
}

}  // namespace

int frameLength(char letter) {
    switch (letter) {
        case 'G':
        case 'H':
        case 'I':
            return 4;
        case 'J':
            return 5;
        case 'K':
            return 18;
        case 'L':
            return 7;
        case 'M':
            return 21;
        case 'N':
            return 37;
        case 'O':
            return 53;
        default:
            return 0;
    }
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

std::string statusFrame(char letter, char sub, int value) {
    std::string frame{letter, sub};
    appendHex(frame, value);
    return frame;
}

std::string scopeFrame(int start, const uint8_t* levels16) {
    std::string frame = "NE1";
    appendHex(frame, start);
    for (int i = 0; i < 16; ++i) appendHex(frame, levels16[i]);
    return frame;
}

std::string darcFrame(const uint8_t* bytes24, int head) {
    std::string frame = "OE3";
    appendHex(frame, head);
    for (int i = 0; i < 24; ++i) appendHex(frame, bytes24[i]);
    return frame;
}

}  // namespace rxemu
