// Corvell.ini may be a symbolic link that a dotfile manager made before the file exists: the
// program writes through it and makes the file, and the link stays. Where even the folder the
// link points into is missing, the user is told at start and the link is left alone.
#include <gtest/gtest.h>

#include <QDialog>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "app/Program.h"
#include "core/ProgramObjects.h"
#include "memory/clsMEMORY.h"
#include "shell/frmMain.h"
#include "tests/support/fake_quillon.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"

namespace corvell::test {
namespace {

namespace fs = std::filesystem;

TEST(SettingsLink, TheProgramWritesThroughALinkToAFileNotMadeYet) {
    struct Case {
        const char* linkTo;
        bool folderThere;
    };
    for (const Case c : {Case{"dotfiles/Corvell.ini", true}, Case{"gone/Corvell.ini", false}}) {
        SCOPED_TRACE(c.linkTo);
        ResetProgramObjects();
        ResetProgramMemory();
        TempHome home;
        platform::ScriptedPresenter presenter;
        FakeQuillon rs;
        if (c.folderThere) fs::create_directory(home.path("dotfiles"));
        const std::string ini = home.path("Corvell.ini");
        fs::create_symlink(c.linkTo, ini);

        int ended = 0;
        app::Program::Options options;
        options.runModal = [](QDialog&) { return 0; };  // the first start's COM-port dialog
        options.ended = [&] { ++ended; };
        options.executableDir = home.dir();
        auto program = std::make_unique<app::Program>(std::move(options));
        ASSERT_TRUE(program->start());
        const std::size_t toldAtStart = presenter.shown().size();
        program->mainWindow()->close();
        EXPECT_EQ(ended, 1);
        program.reset();

        EXPECT_TRUE(fs::is_symlink(ini));
        std::error_code ec;
        EXPECT_EQ(fs::read_symlink(ini, ec).string(), c.linkTo);
        if (c.folderThere) {
            EXPECT_EQ(toldAtStart, 0u);
            EXPECT_NE(home.read("dotfiles/Corvell.ini").find("PANELMODE="), std::string::npos);
        } else {
            ASSERT_EQ(toldAtStart, 1u);
            const std::string text = presenter.shown()[0].text;
            EXPECT_NE(text.find(ini), std::string::npos) << text;
            EXPECT_NE(text.find(home.path("gone")), std::string::npos) << text;
            EXPECT_NE(text.find(std::strerror(ENOENT)), std::string::npos) << text;
            EXPECT_FALSE(fs::exists(home.path("gone")));
        }
        EXPECT_EQ(presenter.shown().size(), toldAtStart) << "nothing more at the end";
        ResetProgramMemory();
        ResetProgramObjects();
    }
}

}  // namespace
}  // namespace corvell::test
