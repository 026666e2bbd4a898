// The memory-file commands "NEW", "OPEN", "SAVE" and "SAVEAS" on the program's memory object,
// with the save prompt that also guards the exit. A failed save after "Yes" stops the command
// (and the exit), so changed channels are never dropped silently.
// Thread contract: user-interface thread only.
#pragma once

#include <functional>
#include <string_view>

namespace corvell {
class clsMEMORY;
class MemoryListOps;
}  // namespace corvell

namespace corvell::shell {

class MemoryFileCommands {
  public:
    struct Hooks {
        // The memory list's operations (recall, bank names), or null while there are none.
        MemoryListOps* list = nullptr;
        // Before tuning to an opened file's active channel: clear the scan's continue flag and
        // switch automatic mode off.
        std::function<void()> beforeTakeOver;
    };

    MemoryFileCommands(clsMEMORY& memory, Hooks hooks);

    // 6 Yes, 7 No, 2 Cancel from the box; 1 without asking when nothing changed (or, with
    // `always`, it asks even then).
    int AskSaveMemory(bool always = false);

    // The prompt before an exit, a NEW or an OPEN: true when it may go on (No, nothing changed,
    // or Yes and the save succeeded).
    bool SaveIfWanted(bool always = false);

    // "NEW", "OPEN", "SAVE" or "SAVEAS"; any other word does nothing.
    void MemoryFileCommand(std::string_view word);

    void TakeOverActiveChannel();

  private:
    clsMEMORY& memory_;
    Hooks hooks_;
};

}  // namespace corvell::shell
