// Key-pad frequency entry shared by the tuning panels: turns key presses into a fixed-width
// text of the frequency being typed (4 places of whole MHz, then 6 places below the MHz point
// with `digit` 10, 5 with `digit` 9) and answers each key with what the panel has to do.
// Knows nothing of the receiver: the panel passes the current frequency in where a key needs
// it and converts `buff` itself after "ENT".
// Thread contract: plain value object, used on the user-interface thread.
#pragma once

#include <cstdint>
#include <string>

namespace corvell::ui {

class clsTENKEY {
  public:
    // Key codes: 0..9 the digits, then these.
    static constexpr int16_t kDP = 10;    // the MHz point
    static constexpr int16_t kCE = 11;    // clear
    static constexpr int16_t kENT = 12;   // enter
    static constexpr int16_t kFINP = 13;  // open an empty entry
    static constexpr int16_t kMCH = 14;   // the typed number is a memory channel

    // 1 while an entry is open, else 0.
    int16_t mode() const { return active_ ? 1 : 0; }

    // 9 or 10 places; any other value keeps the old width. Every call closes an open entry.
    void setDigit(int16_t digit);
    int16_t digit() const { return digit_; }

    // The first `digit` characters of the entry buffer.
    std::string buff() const;
    // The input position as decimal text.
    std::string InputPos() const;

    // Closes the entry; buffer and position stay.
    void off() { active_ = false; }

    // Opens an empty entry when none is open (key FINP).
    std::string finp(int32_t frequencyHz) { return Operation(kFINP, frequencyHz); }

    // One key by keyboard character: "0".."9", "." for DP, carriage return for ENT while an
    // entry is open and FINP while none is, anything else CE.
    std::string Operation_k(int16_t character, int32_t frequencyHz);
    // One key by name: "0".."9", "DP", "ENT", "MCH", "FINP"; any other name is CE.
    std::string Operation_s(const std::string& name, int32_t frequencyHz);
    // One key by code. Result: "" (nothing to do), "CE", "ENT" or "MCH". A digit with no entry
    // open opens one first, exactly as FINP would.
    std::string Operation(int16_t key, int32_t frequencyHz);

  private:
    std::string operateIdle(int16_t key, int32_t frequencyHz);
    std::string operateActive(int16_t key, int32_t frequencyHz);
    std::string enter();
    void openWithMegahertz(int32_t frequencyHz);

    bool active_ = false;
    std::string buffer_ = std::string(16, ' ');
    int16_t position_ = 0;
    int16_t digit_ = 10;
};

}  // namespace corvell::ui
