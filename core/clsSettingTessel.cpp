#include "core/clsSettingTessel.h"

#include "core/clsProfileIO.h"

namespace corvell {

clsSettingTessel::~clsSettingTessel() {
    saveData(profile_);
}

void clsSettingTessel::Init(clsProfileIO* profile) {
    profile_ = profile;
}

void clsSettingTessel::loadData(clsProfileIO* profile) {
    if (!profile) return;
    profile->setSection("DATA");
    profile->loadData("DIALSPEED", DialSpeed);
    profile->loadData("CONNECT", Connect);
    profile->loadData("TOOLBARVIEW", ToolBarView);
    profile->loadData("COMPORT", COMPort);
    // A port the program cannot open counts as none chosen, so the user is asked again.
    if (COMPort < 1 || COMPort > 10) COMPort = 0;
    profile->loadData("PLUG", Plug);
    profile->loadData("OUTLEVEL", OutLevel);
}

bool clsSettingTessel::saveData(clsProfileIO* profile) {
    if (!profile_ || !profile) return true;
    profile->setSection("DATA");
    bool ok = profile->saveData("DIALSPEED", DialSpeed);
    ok = profile->saveData("CONNECT", Connect) && ok;
    ok = profile->saveData("TOOLBARVIEW", ToolBarView) && ok;
    ok = profile->saveData("COMPORT", COMPort) && ok;
    ok = profile->saveData("PLUG", Plug) && ok;
    ok = profile->saveData("OUTLEVEL", OutLevel) && ok;
    return ok;
}

}  // namespace corvell
