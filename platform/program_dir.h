// The program directory: where the program keeps its settings, help file and helper programs.
// It is the directory of the running executable, unless the environment variable
// CORVELL_HOME names another (tests point it at a temporary directory).
// Thread contract: any thread; the answer follows the environment at the time of the call.
#pragma once

#include <string>

namespace platform {

// The directory without a trailing "/" (except the root itself, "/").
std::string programDirectory();

// The real path of `dir`: symbolic links, "." and ".." resolved, so that every spelling of one
// folder gives one answer. `dir` as given when it cannot be resolved (it does not exist).
std::string realDirectory(const std::string& dir);

}  // namespace platform
