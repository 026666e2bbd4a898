// The corvell executable without a display it can reach says so, naming the display, and
// ends with status 1 before the toolkit would abort on it. The check of a display that answers
// keeps its connection to a real X server (Xvfb) open, and usable, until it is released.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <xcb/xcb.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/DisplayCheck.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_home.h"
#include "tests/support/x_server.h"

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

// The check's environment: the toolkit's `platform` and the X `display`, put back afterwards.
class PlatformOn {
  public:
    explicit PlatformOn(const std::string& display, const char* platform = "xcb")
        : platform_("QT_QPA_PLATFORM", platform),
          display_("DISPLAY", display),
          wayland_("WAYLAND_DISPLAY", std::nullopt) {}

  private:
    ScopedEnv platform_;
    ScopedEnv display_;
    ScopedEnv wayland_;
};

// A round trip to the X server on `c`: true when the server answered.
bool serverAnswers(xcb_connection_t* c) {
    xcb_get_input_focus_reply_t* reply =
        xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr);
    std::free(reply);
    return reply != nullptr;
}

TEST(DisplayCheck, KeepsItsConnectionOpenWhileTheToolkitConnectsUntilReleased) {
    // Started as a desktop's server is: it resets itself whenever its last client leaves, the
    // case the check keeps its connection open for.
    XServer server;
    if (!server.ready()) GTEST_SKIP() << server.whyNot();
    PlatformOn platform(server.name());

    app::DisplayCheck check("corvell");
    EXPECT_FALSE(check.problem().has_value()) << *check.problem();
    xcb_connection_t* kept = check.connection();
    ASSERT_NE(kept, nullptr);
    ASSERT_EQ(xcb_connection_has_error(kept), 0);
    const int fd = xcb_get_file_descriptor(kept);

    // The toolkit connects while the check's connection is still there, a client of its own.
    xcb_connection_t* toolkit = xcb_connect(server.name().c_str(), nullptr);
    ASSERT_EQ(xcb_connection_has_error(toolkit), 0);
    EXPECT_NE(xcb_get_setup(toolkit)->resource_id_base, xcb_get_setup(kept)->resource_id_base);
    EXPECT_TRUE(serverAnswers(kept));
    EXPECT_EQ(xcb_connection_has_error(kept), 0);
    EXPECT_NE(::fcntl(fd, F_GETFD), -1);

    check.release();
    EXPECT_EQ(check.connection(), nullptr);
    EXPECT_EQ(::fcntl(fd, F_GETFD), -1);  // closed, not left to the end of the program
    EXPECT_TRUE(serverAnswers(toolkit));
    xcb_disconnect(toolkit);
}

TEST(DisplayCheck, KeepsNoConnectionWhereTheDisplayDoesNotAnswerOrIsNotAsked) {
    if (std::filesystem::exists("/tmp/.X11-unix/X1987")) GTEST_SKIP() << "display :1987 exists";
    {
        PlatformOn platform(":1987");
        app::DisplayCheck check("corvell");
        EXPECT_TRUE(check.problem().has_value());
        EXPECT_EQ(check.connection(), nullptr);
    }
    // The toolkit told to draw offscreen: no display is asked, nothing is held.
    PlatformOn platform(":1987", "offscreen");
    app::DisplayCheck offscreen("corvell");
    EXPECT_FALSE(offscreen.problem().has_value());
    EXPECT_EQ(offscreen.connection(), nullptr);
}

}  // namespace
}  // namespace corvell::test
