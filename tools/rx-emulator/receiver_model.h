// What the emulated receiver knows and how it answers: power, line speed, versions and option
// units, status meters, scanning and the band-scope sweep. Each received command line gives
// the reply frames to send (each followed by a line feed) and a line speed to switch to.
// Thread contract: not synchronised; the emulator guards its model with its own lock.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace rxemu {

struct ReceiverConfig {
    int verSCI = 0x10;         // answer to "G2?"
    int verCPU = 0x21;         // answer to "G4?"
    int matrixVersion = 0x01;  // answer to "GE?"
    int unitOption = 0x11;     // answer to "GD?": bit 0 DSP unit, bit 4 data-broadcast decoder
};

struct ScopeRequest {
    int span = 0;  // points of the sweep
    int speed = 0;
    int mode = 0;  // 0 = off
    int32_t step = 0;
};

class ReceiverModel {
  public:
    static constexpr int32_t kStartSpeed = 9600;
    static constexpr int32_t kFastSpeed = 38400;
    static constexpr int kScopePoints = 256;

    explicit ReceiverModel(ReceiverConfig config = {});

    struct Response {
        std::string bytes;      // reply frames, each with its line feed
        int32_t newSpeed = 0;   // a line speed to switch to, 0 = keep
        bool sweepNow = false;  // a sweep was asked for: send one at once
    };
    // One command line as received, without its line feed.
    Response handleLine(std::string_view line);

    // I0, I1 and I2 with the present status.
    std::string statusReport() const;
    // The N frames of one sweep over the requested span.
    std::string sweep() const;

    bool poweredOn() const { return on_; }
    bool reporting() const { return on_ && reporting_; }
    bool sweeping() const { return on_ && scope_.mode != 0; }
    bool scanning() const { return on_ && scanning_; }
    int32_t speed() const { return speed_; }
    int32_t frequency() const { return frequency_; }
    int mode() const { return mode_; }
    int filter() const { return filter_; }
    ScopeRequest scope() const { return scope_; }

    ReceiverConfig& config() { return config_; }
    // I0 bits: 0 busy, 1 AF open, 2 VSC busy, 4 stereo, 6 external-speaker jack, 7 receive error.
    void setStatusBits(int bits) { statusBits_ = bits & 0xFF; }
    int statusBits() const { return statusBits_; }
    void setSmeter(int value) { smeter_ = value & 0xFF; }
    void setCmeter(int value) { cmeter_ = value & 0xFF; }
    // With the signal model on, the S-meter and busy bit follow the tuned frequency: a station
    // sits on every whole 100 kHz, a weak floor lies between.
    void setSignalModel(bool on) { signalModel_ = on; }
    int smeter() const;
    void setScopeLevels(const std::array<uint8_t, kScopePoints>& levels);

  private:
    Response handleOn(std::string_view line);
    void powerOff();
    bool parseFrequencyLine(std::string_view line);
    bool parseScopeLine(std::string_view line);

    ReceiverConfig config_;
    bool on_ = false;
    bool reporting_ = false;
    bool scanning_ = false;
    int32_t speed_ = kStartSpeed;
    int32_t frequency_ = 0;
    int mode_ = 0;
    int filter_ = 0;
    int statusBits_ = 0;
    int smeter_ = 0;
    int cmeter_ = 128;
    bool signalModel_ = false;
    ScopeRequest scope_;
    bool levelsGiven_ = false;
    std::array<uint8_t, kScopePoints> levels_{};
};

}  // namespace rxemu
