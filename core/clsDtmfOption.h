// The DTMF remote-action settings: display on, remote actions on, and six entries of receive
// code, action type (0 message, 1 start a file, 2 play a sound) and text; kept in section
// "DTMF" of the settings file.
// Thread contract: user-interface thread only.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvell {

class clsDtmfOption {
  public:
    static constexpr int kEntries = 6;
    // The characters a DTMF decoder reports, and so the only ones a receive code can hold.
    static constexpr std::string_view kCodeCharacters = "0123456789ABCD*#";

    // True when every character of `code` is one of kCodeCharacters (an empty code is blank).
    static bool IsReceiveCode(std::string_view code);

    bool DtmfOn() const { return dtmfOn_; }
    void setDtmfOn(bool on) { dtmfOn_ = on; }
    bool RemoteOn() const { return remoteOn_; }
    void setRemoteOn(bool on) { remoteOn_ = on; }

    // Entries 0..5; any other entry reads empty (type 0) and is not written.
    std::string GetRecieveCode(int entry) const;
    void SetRecieveCode(int entry, const std::string& code);
    int16_t GetActionType(int entry) const;
    void SetActionType(int entry, int16_t type);
    std::string GetActionFile(int entry) const;
    void SetActionFile(int entry, const std::string& text);

    // Section "DTMF": "DTMFON", "REMOTEON" and "REMOTE0".."REMOTE5" ("code,type,text", the text
    // running to the end of the value, commas and all). A value of fewer than three fields is a
    // blank entry, and so is one whose code holds a character no decoder reports (logged). A type
    // is kept as stored, also one that names no action.
    void remo_param_load();
    void remo_param_save();

  private:
    static bool valid(int entry) { return entry >= 0 && entry < kEntries; }

    bool dtmfOn_ = false;
    bool remoteOn_ = false;
    std::array<std::string, kEntries> code_{};
    std::array<int16_t, kEntries> type_{};
    std::array<std::string, kEntries> text_{};
};

}  // namespace corvell
