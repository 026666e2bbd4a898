// A receiver on a pseudo-terminal: it reads the command lines a program sends to the slave
// side, records each with a time stamp, answers them as the receiver does, reports its status
// at a steady pace while switched on (from "G301" on, which every power-on sends), sweeps the
// band scope while asked to, and on request sends data-broadcast frames, DTMF codes (one at a
// time or as a paced sequence of keys), scan status, raw bytes or noise, or falls silent, or
// holds the line (stops reading it).
// Thread contract: every public operation may be called from any thread; the receiver runs on
// a thread of its own between start() and stop(). Replies leave in the order they are made.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "tools/rx-emulator/dtmf_sequence.h"
#include "tools/rx-emulator/frame_tracker.h"
#include "tools/rx-emulator/line_log.h"
#include "tools/rx-emulator/noise_source.h"
#include "tools/rx-emulator/pseudo_terminal.h"
#include "tools/rx-emulator/receiver_model.h"

namespace rxemu {

struct EmulatorOptions {
    ReceiverConfig receiver;
    int statusPeriodMs = 100;  // I0, I1, I2 while switched on
    int sweepPeriodMs = 200;   // a fresh sweep while the band scope runs
    int noisePeriodMs = 20;    // one burst of noise while noise is on
    int noiseBurstBytes = 64;
    int dtmfPeriodMs = 200;  // between two keys of one DTMF sequence
    uint32_t noiseSeed = 1;
    bool signalModel = false;  // S-meter and busy follow the tuned frequency
    std::string logFile;       // every received line also goes here, when given
};

class RxEmulator {
  public:
    explicit RxEmulator(EmulatorOptions options = {});
    ~RxEmulator();
    RxEmulator(const RxEmulator&) = delete;
    RxEmulator& operator=(const RxEmulator&) = delete;

    // Creates the pseudo-terminal and starts the receiver. False with lastError() on failure.
    bool start();
    // Stops the receiver and closes the pseudo-terminal: to the far end the receiver vanishes.
    void stop();
    bool running() const { return thread_.joinable(); }
    // The path a program opens as its serial port.
    std::string devicePath() const;
    std::string lastError() const;

    const LineLog& log() const { return log_; }

    // What the receiver believes.
    bool poweredOn() const;
    int32_t speed() const;  // the line speed it follows
    bool scanning() const;
    bool sweeping() const;
    ScopeRequest scope() const;
    int32_t frequency() const;

    // Versions and units answered from the next query on.
    void setVersions(int verSCI, int verCPU, int matrixVersion);
    void setUnitOption(int units);
    // Status reported from the next report on.
    void setStatusBits(int bits);
    void setSmeter(int value);
    // On: S-meter and busy follow the tuned frequency; off: the values set above are reported.
    void setSignalModel(bool on);
    void setCmeter(int value);
    void setScopeLevels(const std::array<uint8_t, ReceiverModel::kScopePoints>& levels);
    // Periodic status reports on or off (on by default; they run only while switched on).
    void setStatusReports(bool on);
    // A silent receiver still records what it hears but answers and reports nothing.
    void setSilent(bool on);
    bool silent() const;
    // A holding receiver reads nothing from the line, as one that has stopped: what the program
    // sends waits in the pseudo-terminal until it is full, and then the program's writes wait
    // too; from the return of setHolding(true) on, no read begins. Released, it reads
    // everything that waited, in order.
    void setHolding(bool on);
    bool holding() const;
    void setNoise(bool on);
    bool noise() const;
    // The S-meter the next status report carries.
    int reportedSmeter() const;
    uint64_t noiseBytesSent() const { return noiseBytes_.load(); }

    // Sent at once, whatever the power state and even when silent.
    void sendDtmf(int code);
    // Reports `keys` (each one of "0123456789ABCD*#") one by one, the first at once and the
    // rest a DTMF period apart, behind any still waiting; whatever the power state. Keys that
    // fall due while the receiver is silent are lost. False, and nothing queued, for a key
    // that is no DTMF key.
    bool sendDtmfKeys(std::string_view keys);
    size_t dtmfKeysWaiting() const;
    void sendDarc(const std::array<uint8_t, 24>& bytes, int head = 0);
    void sendScanStatus(int code);
    void sendRaw(std::string bytes);

  private:
    void run();
    void wake();
    void takeBytes(const char* bytes, long count, int64_t timeUs);
    void handleLine(std::string line, int64_t timeUs);
    void send(const std::string& bytes);
    void queue(std::string bytes);
    int nextTimeoutMs(int64_t nowUs);
    void runDueWork(int64_t nowUs);

    const EmulatorOptions options_;
    PseudoTerminal pty_;
    LineLog log_;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    int wakeFd_ = -1;  // for the life of the object

    mutable std::mutex mutex_;  // guards everything below
    ReceiverModel model_;
    std::deque<std::string> outbox_;
    bool statusReports_ = true;
    bool silent_ = false;
    bool holding_ = false;
    bool noise_ = false;
    int64_t nextStatusUs_ = 0;
    int64_t nextSweepUs_ = 0;
    int64_t nextNoiseUs_ = 0;
    DtmfSequence dtmfKeys_;
    std::string lastError_;

    // Emulator thread only.
    std::string partial_;
    bool farEndGone_ = false;
    FrameTracker tracker_;
    NoiseSource noiseSource_;
    std::atomic<uint64_t> noiseBytes_{0};
};

}  // namespace rxemu
