#include <gtest/gtest.h>

#include "core/BandEdgeTables.h"
#include "core/ProgramObjects.h"
#include "tests/support/temp_home.h"

namespace {

using namespace corvell;

TEST(ProgramObjects, OneInstanceEachUntilReset) {
    test::TempHome home;
    ResetProgramObjects();
    clsProfileIO& profile = ProgramProfile();
    EXPECT_EQ(&profile, &ProgramProfile());
    EXPECT_EQ(profile.GetMyProfile(), home.dir() + "/Corvell.ini");

    ProgramSettings().Init(&profile);
    ProgramSettings().COMPort = 4;
    InitBandEdges(ProgramEdges(), "#6");
    EXPECT_FALSE(ProgramEdges().inside(100000000 + 9000000));

    ResetProgramObjects();  // the settings save once more as they are released
    platform::clearProfileCache();
    EXPECT_EQ(ProgramEdges().count(), 0u);
    ProgramSettings().loadData(&ProgramProfile());
    EXPECT_EQ(ProgramSettings().COMPort, 4);
    ResetProgramObjects();
}

}  // namespace
