// Whether a file can be opened for reading: the test the program makes before it offers a
// help file, starts a helper program or picks a free file name.
// Thread contract: any thread.
#pragma once

#include <string>

namespace platform {

// True when `path` names something other than a directory that this process may open for
// reading. Never throws; the file is closed again at once.
bool fileOpensForReading(const std::string& path);

}  // namespace platform
