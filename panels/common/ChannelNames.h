// The active bank's and channel's names as the tuning panels show and edit them: the text of a
// blank channel, the two-digit numbers, the names an editor opens with and the storing of what
// was typed (the memory list and its bank list follow, and the memory counts as changed).
// Thread contract: user-interface thread only.
#pragma once

#include <string>

namespace corvell {
class clsMEMORY;
class MemoryListOps;
}  // namespace corvell

namespace corvell::panels {

// The channel-name label of a blank channel.
inline constexpr const char* kBlankChannelText = "  -- BLANK --";

// "0#": "00" .. "99".
std::string TwoDigits(int value);

std::string BankNameForEdit(clsMEMORY& memory);
std::string ChNameForEdit(clsMEMORY& memory);
void StoreBankName(clsMEMORY& memory, MemoryListOps& ops, const std::string& text);
void StoreChName(clsMEMORY& memory, MemoryListOps& ops, const std::string& text);

}  // namespace corvell::panels
