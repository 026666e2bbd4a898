// Start-up as the user starts the program: the order of its steps, the splash while the main
// window loads, the second start that ends quietly while the first runs on (through any
// spelling of its folder), says why it did not run when the first will not end or no lock can
// be taken, or waits for a first one that is ending; and the title window's two faces.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "app/Program.h"
#include "core/ProgramObjects.h"
#include "core/ProgramValues.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "platform/named_mutex.h"
#include "platform/program_dir.h"
#include "shell/frmTitle.h"
#include "tests/support/artifacts.h"
#include "tests/support/fake_quillon.h"
#include "tests/support/scoped_env.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"

namespace corvell::test {
namespace {

class Startup : public ::testing::Test {
  protected:
    Startup() {
        ResetProgramObjects();
        ResetProgramMemory();
        home.write("Corvell.ini", "[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n");
        platform::clearProfileCache();
    }
    ~Startup() override {
        program.reset();
        ResetProgramMemory();
        ResetProgramObjects();
    }
    app::Program& make(std::function<int(QDialog&)> runModal = {}) {
        app::Program::Options options;
        options.runModal = std::move(runModal);
        options.ended = [this] { ++ended; };
        options.executableDir = home.dir();
        program = std::make_unique<app::Program>(std::move(options));
        return *program;
    }

    TempHome home;
    platform::ScriptedPresenter presenter;
    FakeQuillon rs;
    std::unique_ptr<app::Program> program;
    int ended = 0;
};

TEST_F(Startup, StepsRunInTheirOrderWithTheSplashUpWhileTheMainWindowLoads) {
    home.write("Corvell.html", "<html></html>");
    app::Program& p = make();
    ASSERT_TRUE(p.start());
    const std::vector<std::string> expected = {
        "single instance", "help file", "language", "splash",      "profile",
        "settings",        "placement", "receiver", "main window", "splash closed"};
    EXPECT_EQ(p.steps(), expected);
    EXPECT_TRUE(p.splashShownDuringLoad());
    EXPECT_EQ(ProgramReceiver(), p.receiver());
    EXPECT_TRUE(p.receiver()->loaded());
    EXPECT_TRUE(p.mainWindow()->isVisible());
    EXPECT_EQ(p.helpFile(), home.path("Corvell.html"));
    EXPECT_EQ(HeartbeatPeriodMs(), 50);
    // CONNECT=1: the receiver was switched on by the main window's load.
    EXPECT_EQ(rs.count("RsPowerOn"), 1);
    // The memory list is the real window in the program's panel table.
    shell::frmMain& main = *p.mainWindow();
    main.resize(1000, 720);
    main.KeyAction("MEMORY");
    main.Timer1_Timer();
    EXPECT_TRUE(main.panelVisible(shell::PanelSlot::Mch));
    EXPECT_EQ(main.panel(shell::PanelSlot::Mch)->placementKey(), "Memory List");
    EXPECT_TRUE(saveScreenshot(main, "main-on-memory-list"));
    // The memory file is the receiver's share of the settings: saved with them at exit.
    ProgramMemory().SaveAsMemory(home.path("A.MCH"));
    p.mainWindow()->close();
    EXPECT_EQ(ended, 1);
    EXPECT_NE(home.read("Corvell.ini").find("A.MCH"), std::string::npos);
    EXPECT_TRUE(presenter.shown().empty());
}

TEST_F(Startup, ASettingsFileThatCannotBeWrittenIsSaidOnceAtStart) {
    const std::string ini = home.path("Corvell.ini");
    const std::string settings = "[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n";
    enum class Block { Directory, ReadOnly };
    for (const Block block : {Block::Directory, Block::ReadOnly}) {
        SCOPED_TRACE(block == Block::Directory ? "a directory" : "a read-only file");
        std::filesystem::remove_all(ini);
        if (block == Block::Directory) {
            std::filesystem::create_directory(ini);
        } else {
            home.write("Corvell.ini", settings);
            std::filesystem::permissions(ini, std::filesystem::perms::owner_read |
                                                  std::filesystem::perms::group_read |
                                                  std::filesystem::perms::others_read);
        }
        platform::clearProfileCache();
        rs.calls.clear();
        const std::size_t before = presenter.shown().size();
        int dialogs = 0;
        app::Program& p = make([&](QDialog&) {  // the first-run port dialog, when nothing is read
            ++dialogs;
            return 0;
        });
        ASSERT_TRUE(p.start());
        EXPECT_EQ(dialogs, block == Block::Directory ? 1 : 0);
        ASSERT_EQ(presenter.shown().size(), before + 1);
        const std::string text = presenter.shown().back().text;
        EXPECT_NE(text.find(ini), std::string::npos) << text;
        EXPECT_NE(text.find("cannot be written"), std::string::npos) << text;
        EXPECT_TRUE(p.mainWindow()->isVisible());
        // What the read-only file holds is still read: CONNECT=1 switched the receiver on.
        EXPECT_EQ(rs.count("RsPowerOn"), block == Block::ReadOnly ? 1 : 0);
        // The saves at the end fail without another word, and the file stays as it was.
        p.mainWindow()->close();
        program.reset();
        EXPECT_EQ(presenter.shown().size(), before + 1);
        if (block == Block::ReadOnly) {
            EXPECT_EQ(home.read("Corvell.ini"), settings);
        }
        ResetProgramMemory();
        ResetProgramObjects();
    }
    std::filesystem::remove_all(ini);
}

TEST_F(Startup, WithoutAHelpFileHelpIsEmptyAndTheLanguageFollowsTheLocale) {
    const char* old = std::getenv("LANG");
    const std::string saved = old ? old : "";
    ::setenv("LANG", "ja_JP.UTF-8", 1);
    app::Program& p = make();
    ASSERT_TRUE(p.start());
    EXPECT_EQ(LanguageOffset(), 1000);
    EXPECT_TRUE(p.helpFile().empty());
    p.mainWindow()->close();
    if (old) {
        ::setenv("LANG", saved.c_str(), 1);
    } else {
        ::unsetenv("LANG");
    }
    SetLanguageOffset(0);
}

// Whether process `pid` has taken SIGTERM over, as the running program does.
bool catchesTerm(qint64 pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("SigCgt:")) {
            return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1) & 1) != 0;
        }
    }
    return false;
}
bool processHasOpen(qint64 pid, const std::string& path) {
    std::error_code ec;
    for (const auto& fd :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd", ec)) {
        std::error_code ignored;
        if (std::filesystem::read_symlink(fd.path(), ignored) == path) return true;
    }
    return false;
}

// The corvell executable started beside the first run on the folder `corvellHome`, with this
// process's XDG_RUNTIME_DIR unless `runtimeDir` is given (nullopt inside: none), and how it
// ended.
struct SecondStart {
    bool cameUp = false;  // it went past the single-instance rule
    int exitCode = -1;
    std::string error;  // its standard error
};
SecondStart startSecond(const std::string& corvellHome,
                        const std::optional<std::optional<std::string>>& runtimeDir) {
    QProcess second;
    QProcessEnvironment vars = QProcessEnvironment::systemEnvironment();
    vars.insert("QT_QPA_PLATFORM", "offscreen");
    vars.insert("CORVELL_HOME", QString::fromStdString(corvellHome));
    if (runtimeDir && *runtimeDir) {
        vars.insert("XDG_RUNTIME_DIR", QString::fromStdString(**runtimeDir));
    } else if (runtimeDir) {
        vars.remove("XDG_RUNTIME_DIR");
    }
    second.setProcessEnvironment(vars);
    second.start(QStringLiteral(CORVELL_EXE), {});
    SecondStart out;
    if (!second.waitForStarted(10000)) return out;
    const auto endedOrUp = [&] {
        return second.state() == QProcess::NotRunning || catchesTerm(second.processId());
    };
    EXPECT_TRUE(QTest::qWaitFor(endedOrUp, 60000));
    if (second.state() != QProcess::NotRunning) {
        out.cameUp = true;
        second.terminate();
        EXPECT_TRUE(second.waitForFinished(30000));
    }
    out.exitCode = second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1;
    out.error = second.readAllStandardError().toStdString();
    return out;
}

TEST_F(Startup, ASecondStartNeverRunsBesideTheFirstAndSaysWhyUnlessTheFirstRunsOn) {
    home.write("Corvell.ini", "[DATA]\r\nCOMPORT=1\r\nCONNECT=0\r\n");
    const std::string link = home.dir() + "-link";
    std::filesystem::create_directory_symlink(home.dir(), link);
    const std::string uid = std::to_string(::geteuid());
    // Beneath a folder that is not there either: the toolkit makes a missing runtime folder
    // whose parent exists.
    const std::string missing = home.path("gone/run");
    enum class First { Runs, Ending };
    const struct {
        const char* what;
        First first;
        std::string secondHome;                 // the second start's CORVELL_HOME
        std::optional<std::string> runtimeDir;  // both starts' XDG_RUNTIME_DIR when `both`
        bool both;                              // else only the second's
        int exitCode;
        std::vector<std::string> said;  // on its standard error; none: it says nothing
    } cases[] = {
        {"the same spelling", First::Runs, home.dir(), {}, false, 0, {}},
        {"through a symbolic link", First::Runs, link, {}, false, 0, {}},
        {"no runtime folder: a folder of the user's own",
         First::Runs,
         home.dir(),
         std::nullopt,
         true,
         0,
         {}},
        {"a runtime folder that does not exist",
         First::Runs,
         home.dir(),
         missing,
         false,
         1,
         {missing + "/", "cannot be opened", "No such file or directory", home.dir()}},
        {"the first is ending",
         First::Ending,
         home.dir(),
         {},
         false,
         1,
         {"still running", home.dir()}},
        {"the first is ending, through a symbolic link",
         First::Ending,
         link,
         {},
         false,
         1,
         {"still running", link, home.dir()}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // The runtime folder of this process (the first start) stays as it is unless both change.
        std::optional<ScopedEnv> firstRuntime;
        if (c.both) firstRuntime.emplace("XDG_RUNTIME_DIR", c.runtimeDir);
        platform::clearProfileCache();
        app::Program& p = make();
        ASSERT_TRUE(p.start());
        const std::string lock =
            platform::NamedMutex::lockFilePath(app::Program::instanceLockName(home.dir()));
        EXPECT_TRUE(processHasOpen(::getpid(), lock)) << lock;
        if (c.both && !c.runtimeDir) {
            const std::string own = "/tmp/corvell-" + uid;
            EXPECT_EQ(std::filesystem::path(lock).parent_path(), own);
            struct stat info {};
            ASSERT_EQ(::lstat(own.c_str(), &info), 0) << own;
            EXPECT_TRUE(S_ISDIR(info.st_mode));
            EXPECT_EQ(info.st_mode & 07777, 0700u);
            EXPECT_EQ(info.st_uid, ::geteuid());
        }
        if (c.first == First::Ending) {
            // Closed and past its last write, but its process is not gone: it is ending.
            p.mainWindow()->close();
        }
        std::optional<std::optional<std::string>> secondRuntime;
        if (c.both || c.runtimeDir) secondRuntime = c.runtimeDir;
        const SecondStart second = startSecond(c.secondHome, secondRuntime);
        EXPECT_FALSE(second.cameUp) << "the second start ran beside the first";
        EXPECT_EQ(second.exitCode, c.exitCode) << second.error;
        if (c.said.empty()) {  // nothing of its own (the toolkit may note things)
            EXPECT_EQ(second.error.find("Corvell"), std::string::npos) << second.error;
        } else {
            for (const std::string& words : c.said) {
                EXPECT_NE(second.error.find(words), std::string::npos)
                    << "no \"" << words << "\" in: " << second.error;
            }
        }
        if (c.first == First::Runs) p.mainWindow()->close();
        program.reset();
        ResetProgramMemory();
        ResetProgramObjects();
    }
    std::filesystem::remove(link);
}

TEST_F(Startup, AStartWhileTheFirstIsStillEndingWaitsForItAndThenRuns) {
    home.write("Corvell.ini", "[DATA]\r\nCOMPORT=1\r\nCONNECT=0\r\n");
    platform::clearProfileCache();
    app::Program& p = make();
    ASSERT_TRUE(p.start());
    // Closed and past its last write, but its process is not gone yet: it is ending.
    p.mainWindow()->close();
    ASSERT_EQ(ended, 1);

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("CORVELL_HOME", QString::fromStdString(home.dir()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    second.setProcessEnvironment(env);
    second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    second.start(QStringLiteral(CORVELL_EXE), {});
    ASSERT_TRUE(second.waitForStarted(10000));
    // The second start has come to the single-instance rule while the first still holds it.
    const std::string lock = platform::NamedMutex::lockFilePath(
        app::Program::instanceLockName(platform::programDirectory()));
    const auto atTheRule = [&] {
        return second.state() == QProcess::NotRunning || processHasOpen(second.processId(), lock);
    };
    ASSERT_TRUE(QTest::qWaitFor(atTheRule, 60000));
    program.reset();  // the first process's end
    // It goes on to start: it comes to its own handling of an end, which only the program
    // past the single-instance rule has.
    const auto cameUp = [&] {
        return second.state() == QProcess::NotRunning || catchesTerm(second.processId());
    };
    ASSERT_TRUE(QTest::qWaitFor(cameUp, 60000));
    EXPECT_EQ(second.state(), QProcess::Running)
        << "the second start ended quietly while the first was still ending";
    second.terminate();
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
}

TEST(TitleWindow, SplashAndAboutLayOutFromTheBitmapSizes) {
    shell::frmTitle splash;
    splash.ShowTitle();
    EXPECT_EQ(splash.nameWidthL(), 664);  // the name picture is 302 px wide
    EXPECT_EQ(splash.textPanel()->width(), 672);
    EXPECT_FALSE(splash.okButton()->isVisible());
    EXPECT_TRUE(splash.windowTitle().isEmpty());
    const int splashHeight = splash.textPanel()->height();
    // The revision and platform lines start at one left edge, the pair centred under the name.
    const QLabel& rev = *splash.revisionLabel();
    const QLabel& platform = *splash.platformLabel();
    EXPECT_EQ(rev.x(), platform.x());
    EXPECT_GT(platform.y(), rev.y());
    const double nameCentre = splash.nameImage()->geometry().center().x() + 0.5;
    const double pairCentre = rev.x() + std::max(rev.width(), platform.width()) / 2.0;
    EXPECT_NEAR(pairCentre, nameCentre, 1.0);
    EXPECT_TRUE(saveScreenshot(splash, "title-splash"));
    splash.close();

    shell::frmTitle about;
    bool shown = false;
    QTimer::singleShot(0, [&] {
        shown = about.isVisible() && about.okButton()->isVisible();
        EXPECT_EQ(about.windowTitle(), "About Corvell");
        EXPECT_EQ(about.textPanel()->height(), splashHeight + about.okButton()->height());
        EXPECT_EQ(about.textPanel()->x(), about.sidePanel()->width());
        EXPECT_TRUE(saveScreenshot(about, "title-about"));
        about.okButton()->click();
    });
    about.ShowAbout();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace corvell::test
