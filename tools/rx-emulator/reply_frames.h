// The receiver's reply frames: a start letter and upper-case hexadecimal digits up to the fixed
// length of the letter (G, H, I 4; J 5; K 18; L 7; M 21; N 37; O 53). Frames are returned
// without the line feed the receiver puts after each one.
// Thread contract: pure functions, callable from any thread.
#pragma once

#include <cstdint>
#include <string>

namespace rxemu {

// Total length of a frame that starts with `letter` (the letter counted), 0 for no start letter.
int frameLength(char letter);

bool isHexDigit(char c);

// A four-character frame: letter, sub-code and a value as two digits ("I1" and 128 → "I180").
std::string statusFrame(char letter, char sub, int value);

// A band-scope frame: "NE1", the start index, then 16 levels.
std::string scopeFrame(int start, const uint8_t* levels16);

// A data-broadcast frame: "OE3", the head byte (00 carries data), then 24 bytes.
std::string darcFrame(const uint8_t* bytes24, int head = 0);

}  // namespace rxemu
