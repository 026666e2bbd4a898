// Tells the user when the settings file cannot be written, once each time that begins: at
// start when the file cannot be written already, else at the first write that fails. No more
// is said until a write reaches the file again, so an Exit whose every key fails says it once,
// and a file known at start to be read-only is not complained of again at the end. Each such
// beginning is logged too, and only logged while an end runs that nobody may be there to answer.
// The memory files say their own failures and are not watched here.
// Thread contract: user-interface thread only (the settings are written only there).
#pragma once

#include <string>

#include "platform/private_profile.h"

namespace corvell {

class SettingsWriteWatch : public platform::ProfileWriteListener {
  public:
    // Watches every write of the settings file `path` from now on.
    explicit SettingsWriteWatch(std::string path);
    ~SettingsWriteWatch() override;
    SettingsWriteWatch(const SettingsWriteWatch&) = delete;
    SettingsWriteWatch& operator=(const SettingsWriteWatch&) = delete;

    // Whether the file can be written now; when not, the user is told (unless a failure told
    // already) and the failures that follow are quiet.
    bool checkNow();
    // Whether a failure was told and no write has reached the file since.
    bool failing() const { return failing_; }

    // Off while an end runs that must not wait for the user (a signal, the desktop session):
    // a failure is then only logged. On by default.
    void showBoxes(bool on) { showBoxes_ = on; }

    void profileWritten(const std::string& path, const std::string& failure) override;

    // What the user is told: at start, when the file cannot be written; later, when a write
    // failed. Both name the file and the reason.
    static std::string notWritableText(const std::string& path, const std::string& why);
    static std::string notSavedText(const std::string& path, const std::string& why);

  private:
    void beginFailing(const std::string& text);

    std::string path_;
    bool failing_ = false;
    bool showBoxes_ = true;
};

}  // namespace corvell
