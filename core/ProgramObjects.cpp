#include "core/ProgramObjects.h"

#include <memory>

namespace corvell {
namespace {

// One holder, so that at the end of the program the settings are released (and save) while
// the profile they save through still exists.
struct Objects {
    std::unique_ptr<clsProfileIO> profile;
    std::unique_ptr<clsSettingTessel> settings;
    std::unique_ptr<objEDGES> edges;

    void reset() {
        edges.reset();
        settings.reset();
        profile.reset();
    }
    ~Objects() { reset(); }
};

Objects& objects() {
    static Objects instance;
    return instance;
}

}  // namespace

clsProfileIO& ProgramProfile() {
    auto& p = objects().profile;
    if (!p) {
        p = std::make_unique<clsProfileIO>();
        p->SetCurrentPath();
        p->setName("Corvell.ini");
    }
    return *p;
}

clsSettingTessel& ProgramSettings() {
    auto& s = objects().settings;
    if (!s) s = std::make_unique<clsSettingTessel>();
    return *s;
}

objEDGES& ProgramEdges() {
    auto& e = objects().edges;
    if (!e) e = std::make_unique<objEDGES>();
    return *e;
}

void ResetProgramObjects() {
    objects().reset();
}

}  // namespace corvell
