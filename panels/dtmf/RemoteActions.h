// The actions a received DTMF code may trigger, with the care a trigger that anyone on the
// frequency can send deserves. A file counts only when the entry's text names a regular file at
// exactly that path: no patterns, nothing expanded, a blank text names nothing, and a relative
// name is resolved once against one fixed directory, the same absolute path then being checked
// and started. An executable file is started directly, with no arguments and no shell, in the
// fixed directory; any other file goes to the desktop's handler for its type; a sound file goes
// to the sound player. A missing file or a failed start is logged and otherwise silent.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace corvell::ui {
class SoundPlayer;
}

namespace corvell::panels {

// The action types of a remote-action entry.
enum RemoteActionType : int16_t {
    kActionMessage = 0,
    kActionStartFile = 1,
    kActionPlaySound = 2,
};

// What the DTMF decoder calls when a received code matches an entry.
class RemoteActionRunner {
  public:
    virtual void RunAction(int16_t type, const std::string& text) = 0;

  protected:
    ~RemoteActionRunner() = default;
};

// The absolute path of the regular file `text` names, a relative name taken inside
// `fixedDirectory` (which must itself be absolute); nothing for a blank text, a name that is
// missing, a directory, a device, a FIFO or a socket.
std::optional<std::string> FindActionFile(const std::string& text,
                                          const std::string& fixedDirectory);

// The user's home directory ($HOME when it is absolute, else the password database's entry,
// else "/"): where relative action file names are looked for and started programs run.
std::string RemoteActionDirectory();

class RemoteActions : public RemoteActionRunner {
  public:
    struct Services {
        // Shows a message text in the message window with the system beep.
        std::function<void(const std::string& text)> showMessage;
        // Plays sound files; none plays nothing (logged).
        ui::SoundPlayer* sound = nullptr;
        // Relative names are found here, and started programs run here.
        std::string fixedDirectory = RemoteActionDirectory();
    };

    explicit RemoteActions(Services services);

    // 0 shows the text, 1 starts or opens the file it names, 2 plays the sound file it names;
    // any other type does nothing.
    void RunAction(int16_t type, const std::string& text) override;

  private:
    void startFile(const std::string& text);
    void playSound(const std::string& text);

    Services services_;
};

}  // namespace corvell::panels
