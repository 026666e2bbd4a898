// A share of the receiver object's settings that a higher layer keeps, such as the memory file
// the program last used: read after the receiver's own keys and written with them, so the one
// section they share is loaded and saved in one place without the receiver knowing its owner.
// Thread contract: user-interface thread only.
#pragma once

namespace corvell {

class clsProfileIO;

class ReceiverSettingsPart {
  public:
    virtual ~ReceiverSettingsPart() = default;
    virtual void loadSettings(clsProfileIO& profile) = 0;
    virtual void saveSettings(clsProfileIO& profile) = 0;
};

}  // namespace corvell
