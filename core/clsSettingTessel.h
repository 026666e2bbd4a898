// The six program settings that are not receiver state, kept in section "DATA" of the
// settings file: dial speed, power-on at start, toolbar view, COM port, output plug and
// output level.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>

namespace corvell {

class clsProfileIO;

class clsSettingTessel {
  public:
    int16_t DialSpeed = 1;    // "DIALSPEED"
    int16_t Connect = 0;      // "CONNECT": 1 = switch the receiver on at start
    int16_t ToolBarView = 1;  // "TOOLBARVIEW"
    int16_t COMPort = 0;      // "COMPORT": 1..10, 0 = not chosen yet
    int16_t Plug = 0;         // "PLUG"
    int16_t OutLevel = 0;     // "OUTLEVEL"

    clsSettingTessel() = default;
    clsSettingTessel(const clsSettingTessel&) = delete;
    clsSettingTessel& operator=(const clsSettingTessel&) = delete;
    // Saves once more through the profile kept by Init.
    ~clsSettingTessel();

    // Keeps the profile; reads nothing.
    void Init(clsProfileIO* profile);
    // Reads the six keys; a key that is missing or holds no number leaves its member as it
    // was. A COM port outside 1..10 reads as 0 (not chosen).
    void loadData(clsProfileIO* profile);
    // Writes the six keys (nothing before Init). False when a write failed.
    bool saveData(clsProfileIO* profile);

  private:
    clsProfileIO* profile_ = nullptr;
};

}  // namespace corvell
