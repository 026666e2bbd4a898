// The link library for the benchmarks, loaded once per process by name. Its named mutexes get
// a private lock directory first, so other programs that use the library on this machine
// cannot hold up a measurement.
// Thread contract: call from the benchmark thread.
#pragma once

#include "tests/support/quillon_library.h"

namespace linkbench {

// Loaded, or with error() telling why not.
linkdemo::QuillonLibrary& library();

}  // namespace linkbench
