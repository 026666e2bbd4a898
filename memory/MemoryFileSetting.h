// The memory file the program last used and its active bank and channel, kept in section "DATA"
// beside the receiver's settings: the next start opens that file again.
// Thread contract: user-interface thread only.
#pragma once

#include "core/ReceiverSettingsPart.h"

namespace corvell {

class MemoryFileSetting : public ReceiverSettingsPart {
  public:
    // Starts a new memory, then opens the remembered file; when that fails (the user has been
    // told), the remembered bank and channel are applied to the new memory.
    void loadSettings(clsProfileIO& profile) override;
    // A memory that was never saved is stored as no file, so the next start does not report a
    // file it never wrote; any other path is kept even while its file is missing (a drive that
    // is briefly absent), so the next start opens it again or says it could not.
    void saveSettings(clsProfileIO& profile) override;
};

}  // namespace corvell
