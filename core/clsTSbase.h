// A tuning step: one of the 20 fixed steps from 1 Hz to 1 MHz (codes 0..19) or the one
// freely chosen program step (code 99). Parses step texts typed by the user or read from
// files, names the step, moves between steps and keeps the grid that stepping aligns to.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvell {

class clsTSbase {
  public:
    static constexpr int16_t kProgramStep = 99;

    clsTSbase();  // runs Default(): the 20 kHz step, with a 10 MHz program step

    int16_t tsnumber() const { return tsnumber_; }
    // 99 stays 99; any other code is clamped to 0..19.
    void setTsnumber(int16_t code);

    // The current name: the seven-character name of a fixed step ("  20kHz"), or the
    // program step's name ("12.3kHz").
    const std::string& tsname() const { return name_; }
    // A fixed step's text selects that step; any other text selects the program step, which
    // takes the text's value when chktsname_programts accepts it and stays as it was if not.
    void setTsname(std::string_view text);

    // The step in Hz (never 0).
    int32_t tsfrq() const { return hz_; }

    // Set when stepping should first align the frequency to the step grid.
    bool alignFlag() const { return alignFlag_; }
    void setAlignFlag(bool on) { alignFlag_ = on; }

    // True when the text names a fixed step or a program step that would be accepted.
    bool chktsname(std::string_view text) const;
    // The code of the fixed step the text names ("20kHz", "20k", "  20KHZ" give 13), else 99.
    static int16_t chktsname_no(std::string_view text);
    // Reads a program step text ("12.3k", "1.5MHz", "150"): on success writes its name and Hz.
    // Refused: no number, a value of 1000 units or more, and a step that would be 0 Hz.
    static bool chktsname_programts(std::string_view text, std::string& name, int32_t& hz);

    // One step larger: 19 goes to the program step; at the program step nothing changes
    // (false). Between fixed steps the alignment flag is set.
    bool moveup();
    // One step smaller: the program step goes to 19; at 0 nothing changes (false).
    bool movedown();

    // f on the step grid (plus the pending pitch offset) for steps below 1 MHz, else f
    // unchanged; the pitch offset is used up either way.
    int32_t calctsclr(int32_t f);
    // Makes the next calctsclr keep f's offset from the step grid.
    void IndividualPitch(int32_t f);

    // Entries 1..20 of `list` become the names of codes 0..19 (entry 0 is left empty);
    // returns 20.
    int16_t ListFixedTs(std::vector<std::string>& list) const;

    void Default();

  private:
    void UpdateFixedTs();

    int16_t tsnumber_ = 0;
    std::string name_;
    int32_t hz_ = 1;
    std::string programName_;
    int32_t programHz_ = 0;
    bool alignFlag_ = false;
    int32_t pitch_ = 0;
};

}  // namespace corvell
