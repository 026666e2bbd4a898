// One memory channel: frequency, mode, filter, switches, tone, name, remark and tuning step. The
// same record is the row of the scan program-channel and automatic-mode tables, where the second
// frequency is the upper edge of the range.
// Thread contract: none; the user-interface thread owns every record.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace corvell {

class clsTSbase;

class clsMchDATA {
  public:
    static constexpr int kNameWidth = 16;
    static constexpr int kRemarkWidth = 32;

    clsMchDATA();
    ~clsMchDATA();
    // A copy carries its own step object with the same step.
    clsMchDATA(const clsMchDATA& other);
    clsMchDATA& operator=(const clsMchDATA& other);

    int32_t lngFreq() const { return lngFreq_; }
    void setLngFreq(int32_t v) { lngFreq_ = v; }
    int32_t lngFreqHigh() const { return lngFreqHigh_; }
    void setLngFreqHigh(int32_t v) { lngFreqHigh_ = v; }
    int16_t intMode() const { return intMode_; }
    void setIntMode(int16_t v) { intMode_ = v; }
    int16_t intFilter() const { return intFilter_; }
    void setIntFilter(int16_t v) { intFilter_ = v; }
    int16_t intAtt() const { return intAtt_; }
    void setIntAtt(int16_t v) { intAtt_ = v; }
    int16_t intTag() const { return intTag_; }
    void setIntTag(int16_t v) { intTag_ = v; }
    int16_t intSkip() const { return intSkip_; }
    void setIntSkip(int16_t v) { intSkip_ = v; }
    int16_t intTsql() const { return intTsql_; }
    void setIntTsql(int16_t v) { intTsql_ = v; }

    // Exactly 16 characters, blank-padded; a write cuts or pads and turns every "," into " ".
    const std::string& name1() const { return name1_; }
    void setName1(const std::string& text);
    // The remark, as name1 with 32 characters.
    const std::string& name2() const { return name2_; }
    void setName2(const std::string& text);

    std::string tsname() const;
    void setTsname(const std::string& text);
    int32_t tsfrq() const;

    // "LSB", "USB", "AM", "CW", "FM", "WFM"; unknown codes read and unknown texts write as AM.
    // A write brings the filter into the new mode's range.
    std::string ModeText() const;
    void setModeText(const std::string& text);
    // "3k", "6k", "15k", "50k", "230k"; unknown codes read as "50k", unknown texts write as 15k.
    // A write brings the filter into the mode's range.
    std::string FilterText() const;
    void setFilterText(const std::string& text);

    // The filter code clamped into the range the mode allows.
    static int16_t FilterCorrect(int16_t mode, int16_t filter);

    // A text left-aligned in `width` characters (UTF-8 characters are never split), commas
    // turned into blanks.
    static std::string FitText(const std::string& text, int width);

  private:
    clsTSbase& step() const;

    int32_t lngFreq_ = 0;
    int32_t lngFreqHigh_ = 0;
    int16_t intMode_ = 0;
    int16_t intFilter_ = 0;
    int16_t intAtt_ = 0;
    int16_t intTag_ = 0;
    int16_t intSkip_ = 0;
    int16_t intTsql_ = 0;
    std::string name1_;
    std::string name2_;
    mutable std::unique_ptr<clsTSbase> step_;  // created on first use
};

}  // namespace corvell
