// The corvell executable on the emulated receiver, ended by a signal as a desktop or a service
// manager ends it: it takes the Exit path, so the receiver hears the power-off last and the
// settings are written.
#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <string>
#include <vector>

#include "tests/support/fast_emulator.h"
#include "tests/support/temp_home.h"
#include "tools/rx-emulator/rx_emulator.h"

namespace corvell::test {
namespace {

TEST(EndBySignal, TermIntAndHupEachTakeTheExitPath) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        TempHome home;
        home.write("Corvell.ini", "[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n");
        rxemu::RxEmulator emu(fastEmulatorOptions());
        ASSERT_TRUE(emu.start()) << emu.lastError();

        QProcess corvell;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("CORVELL_HOME", QString::fromStdString(home.dir()));
        env.insert("QUILLON_COM1", QString::fromStdString(emu.devicePath()));
        corvell.setProcessEnvironment(env);
        corvell.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        corvell.start(CORVELL_EXE, {});
        ASSERT_TRUE(corvell.waitForStarted(5000));
        // Switched on and asked for its versions: the program is up and the link is live.
        ASSERT_TRUE(emu.log().waitFor("G301", 0, 10000).has_value());
        ASSERT_TRUE(QTest::qWaitFor([&] { return emu.poweredOn(); }, 3000));

        ::kill(static_cast<pid_t>(corvell.processId()), signal);
        ASSERT_TRUE(corvell.waitForFinished(10000)) << "still running after the signal";
        EXPECT_EQ(corvell.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(corvell.exitCode(), 0);

        const std::vector<std::string> wire = emu.log().textsSince(0);
        ASSERT_FALSE(wire.empty());
        EXPECT_EQ(wire.back(), "H100");
        EXPECT_FALSE(emu.poweredOn());
        const std::string ini = home.read("Corvell.ini");
        EXPECT_NE(ini.find("CONNECT=1"), std::string::npos) << ini;
        EXPECT_NE(ini.find("PANELMODE=0"), std::string::npos) << ini;
        EXPECT_NE(ini.find("[WINDOW_PLACEMENT]"), std::string::npos) << ini;
        EXPECT_NE(ini.find("RXFREQ="), std::string::npos) << ini;
        emu.stop();
    }
}

}  // namespace
}  // namespace corvell::test
