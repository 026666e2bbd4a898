// The Help command's user guide: opened with the desktop's handler, and when no handler opens
// it (none installed, or the one there fails) the user is told where the guide lies, so it can
// be opened by hand.
// Thread contract: user-interface thread only; a late failure is told on that thread too.
#pragma once

#include <string>

class QObject;

namespace corvell::shell {

// Opens the guide at `path`. A failure reported after the handler started is told only while
// `context` still exists.
void openUserGuide(const std::string& path, QObject* context);

// What the user is told when the guide at `path` did not open, for the reason `why`.
std::string userGuideNotOpenedText(const std::string& path, std::string why);

}  // namespace corvell::shell
