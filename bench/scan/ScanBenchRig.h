// What the scan benchmarks share: a link library that answers at once and sends nothing, one
// temporary program directory for the run, and the receiver object loaded, on and linked.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "core/ProgramObjects.h"
#include "core/QuillonApi.h"
#include "core/frmTesselbase.h"
#include "tests/support/scripted_presenter.h"

namespace corvell {

// Link exports that do nothing; the link reports itself established.
inline int32_t none0() {
    return 0;
}
inline int32_t none1(int32_t) {
    return 0;
}
inline int32_t none4(int32_t, int32_t, int32_t, int32_t) {
    return 0;
}
inline int32_t none6(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {
    return 0;
}
inline int32_t linked() {
    return 1;
}

inline QuillonApi quietLink() {
    QuillonApi api;
#define QUIET0(n) api.n = &none0;
#define QUIET1(n) api.n = &none1;
#define QUIET4(n) api.n = &none4;
#define QUIET6(n) api.n = &none6;
    CORVELL_QUILLON_EXPORTS(QUIET0, QUIET1, QUIET4, QUIET6)
#undef QUIET0
#undef QUIET1
#undef QUIET4
#undef QUIET6
    api.RsGetPowerOnStat = &linked;
    return api;
}

// One program directory for the whole run, so no settings file lands beside the benchmark.
class BenchHome {
  public:
    BenchHome() {
        char dir[] = "/tmp/corvell-scan-bench-XXXXXX";
        if (mkdtemp(dir) != nullptr) dir_ = dir;
        setenv("CORVELL_HOME", dir_.c_str(), 1);
    }
    ~BenchHome() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

  private:
    std::string dir_;
};

inline void useBenchHome() {
    static BenchHome home;
}

// The receiver object loaded, switched on and linked.
class LinkedReceiver {
  public:
    LinkedReceiver() : api_(quietLink()) {
        BindQuillon(&api_);
        SetProgramReceiver(&rx);
        rx.Load();
        rx.PowerOn();
    }
    ~LinkedReceiver() {
        rx.setScanObj(nullptr);
        rx.Unload();
        SetProgramReceiver(nullptr);
        BindQuillon(nullptr);
    }
    frmTesselbase rx;

  private:
    platform::ScriptedPresenter quiet_;  // a start without a memory file is told here
    QuillonApi api_;
};

}  // namespace corvell
