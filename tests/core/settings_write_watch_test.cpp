// The user hears of settings that cannot be written: once when it begins, naming the file and
// the reason, and again only after a write has reached the file in between. Real files, made
// read-only and writable again (the read-only bit binds even the superuser here).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "core/IniProcs.h"
#include "core/SettingsWriteWatch.h"
#include "core/clsProfileIO.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"

namespace {

using corvell::SettingsWriteWatch;

class SettingsWrites : public ::testing::Test {
  protected:
    SettingsWrites() {
        home.write("Corvell.ini", "[MAIN]\r\nPANELMODE=0\r\n");
        profile.SetCurrentPath();
        profile.setName("Corvell.ini");
        profile.setSection("MAIN");
    }
    void readOnly(bool on) { ::chmod(home.path("Corvell.ini").c_str(), on ? 0444 : 0644); }
    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const auto& box : presenter.shown()) t.push_back(box.text);
        return t;
    }

    corvell::test::TempHome home;
    platform::ScriptedPresenter presenter;
    corvell::clsProfileIO profile;
};

TEST_F(SettingsWrites, AFailureIsToldOnceUntilAWriteReachesTheFileAgain) {
    SettingsWriteWatch watch(profile.GetMyProfile());
    EXPECT_TRUE(watch.checkNow());

    readOnly(true);
    EXPECT_FALSE(profile.saveData("PANELMODE", int16_t{1}));
    ASSERT_EQ(presenter.shown().size(), 1u);
    const platform::MessageRequest box = presenter.shown()[0];
    EXPECT_EQ(box.icon, platform::MessageIcon::Warning);
    EXPECT_EQ(box.text, "The settings could not be saved in\r\n" + home.path("Corvell.ini") +
                            "\r\n(" + std::strerror(EACCES) +
                            ")\r\nWhat was changed since the last save is not kept.");

    // The rest of that save, in other sections and by deleting keys, says nothing more; a
    // memory file says its own failures.
    profile.setSection("WINDOW_ORDER");
    EXPECT_FALSE(profile.saveData("NUM", int16_t{3}));
    EXPECT_FALSE(profile.saveData("1", std::string("frmTuner")));
    profile.setSection("MAIN");
    EXPECT_EQ(profile.killKey("PANELMODE"), 0);
    EXPECT_EQ(corvell::WriteIniString(home.path("missing/A.MCH"), "COMMON", "ACTIVEBANK", "1"), 0);
    EXPECT_EQ(presenter.shown().size(), 1u);

    // Writable again: a write that changes nothing is no sign, one that reaches the file is.
    readOnly(false);
    EXPECT_TRUE(profile.saveData("PANELMODE", int16_t{0}));
    readOnly(true);
    EXPECT_FALSE(profile.saveData("PANELMODE", int16_t{2}));
    EXPECT_EQ(presenter.shown().size(), 1u);
    readOnly(false);
    EXPECT_TRUE(profile.saveData("PANELMODE", int16_t{1}));
    readOnly(true);
    EXPECT_FALSE(profile.saveData("PANELMODE", int16_t{2}));
    EXPECT_EQ(texts(), std::vector<std::string>(2, box.text));
}

TEST_F(SettingsWrites, AFileThatCannotBeWrittenAtStartIsToldThenAndNotAtEachSave) {
    readOnly(true);
    SettingsWriteWatch watch(profile.GetMyProfile());
    EXPECT_FALSE(watch.checkNow());
    EXPECT_FALSE(profile.saveData("PANELMODE", int16_t{1}));
    EXPECT_FALSE(watch.checkNow());
    EXPECT_EQ(texts(), std::vector<std::string>{
                           "The settings file cannot be written:\r\n" + home.path("Corvell.ini") +
                           "\r\n(" + std::strerror(EACCES) +
                           ")\r\nCorvell runs on, but changed settings will not be kept."});
}

}  // namespace
