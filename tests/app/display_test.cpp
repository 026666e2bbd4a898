// The corvell executable without a display it can reach says so, naming the display, and
// ends with status 1 before the toolkit would abort on it.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/temp_home.h"

namespace corvell::test {
namespace {

TEST(Display, AMissingOrUnreachableDisplayIsSaidAndEndsWithStatusOne) {
    // A display number nobody serves here.
    const std::string unserved = ":1987";
    if (std::filesystem::exists("/tmp/.X11-unix/X1987")) GTEST_SKIP() << "display :1987 exists";
    const struct {
        std::optional<std::string> display;  // none: DISPLAY unset
        std::string said;
    } cases[] = {
        {std::nullopt, "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)"},
        {unserved, "the display \":1987\" (DISPLAY) cannot be reached"},
        {"not-a-display", "the display \"not-a-display\" (DISPLAY) is not a display name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.display.value_or("unset"));
        TempHome home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.remove("WAYLAND_DISPLAY");
        env.remove("DISPLAY");
        if (c.display) env.insert("DISPLAY", QString::fromStdString(*c.display));
        env.insert("CORVELL_HOME", QString::fromStdString(home.dir()));
        QProcess corvell;
        corvell.setProcessEnvironment(env);
        corvell.start(QStringLiteral(CORVELL_EXE), {});
        ASSERT_TRUE(corvell.waitForFinished(60000));
        EXPECT_EQ(corvell.exitStatus(), QProcess::NormalExit) << "it crashed";
        EXPECT_EQ(corvell.exitCode(), 1);
        const std::string said = corvell.readAllStandardError().toStdString();
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
        EXPECT_NE(said.find("QT_QPA_PLATFORM=offscreen"), std::string::npos) << said;
        EXPECT_FALSE(std::filesystem::exists(home.path("Corvell.ini")));
    }
}

}  // namespace
}  // namespace corvell::test
