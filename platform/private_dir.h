// A folder that only its user may enter, made when missing: where files go that must not be
// shared with other users of the machine (the lock files when no runtime folder is set).
// Thread contract: any thread; concurrent callers on one folder agree on the result.
#pragma once

#include <string>

namespace platform {

// Makes `dir` (mode 0700) when it is missing, then checks that it is a real folder (not a
// symbolic link) owned by this user and closed to every other. Empty when it is fit for use,
// else what is wrong with it, in words for the user.
std::string preparePrivateDirectory(const std::string& dir);

}  // namespace platform
