// The main window's whole frame, title bar included, on the screen under a real window manager:
// the corvell executable started on a 1024 x 768 screen, with a place saved on a larger one or
// with none (its designed size is wider than the screen), then ended as a desktop ends it, and
// started again on a 1600 x 1200 screen with what it saved. Pictures of the small screen go to
// artifacts/wm-frame-*.png.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <QTest>
#include <optional>
#include <ostream>
#include <string>

#include "platform/private_profile.h"
#include "shell/clsMDIPlaceWindow.h"
#include "tests/support/artifacts.h"
#include "tests/support/child_process.h"
#include "tests/support/fast_emulator.h"
#include "tests/support/temp_home.h"
#include "tests/support/wm_display.h"
#include "tests/support/x_window_state.h"
#include "tools/rx-emulator/rx_emulator.h"

inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.left() << ',' << r.top() << ' ' << r.width() << 'x' << r.height();
}

namespace corvell::test {
namespace {

struct FitCase {
    const char* name;
    const char* framePlacement;  // the saved "frmMain" entry; null: none (the first start)
};

void PrintTo(const FitCase& c, std::ostream* os) {
    *os << c.name;
}

const FitCase kCases[] = {
    {"SavedAt1360x1020", "0,1,-1,-1,-1,-1,40,30,1400,1050"},
    {"DesignedSize", nullptr},
};

// The corvell executable on a display, ended by SIGTERM as a desktop ends it (an Exit).
class CorvellOn {
  public:
    CorvellOn(const WindowManagerDisplay& display, const TempHome& home,
              const rxemu::RxEmulator& emu) {
        std::string error;
        pid_ = spawnProgram(
            {CORVELL_EXE},
            environmentWith({"DISPLAY=" + display.name(), "QT_QPA_PLATFORM=xcb",
                             "CORVELL_HOME=" + home.dir(), "QUILLON_COM1=" + emu.devicePath()}),
            error);
        EXPECT_GT(pid_, 0) << error;
    }
    ~CorvellOn() { end(); }
    // True when it ended of itself after the signal, with status 0.
    bool end() {
        if (pid_ <= 0) return false;
        ::kill(pid_, SIGTERM);
        const std::optional<int> status = waitChild(pid_, 20000);
        if (!status) stopChild(pid_);
        pid_ = -1;
        return status == 0;
    }

  private:
    pid_t pid_ = -1;
};

struct Seen {
    xcb_window_t window = 0;
    QMargins extents;
    QRect frame;
    QRect client;
};

// Waits for the main window to be shown with the manager's frame round it, then for its whole
// frame to lie on the screen; what was seen last either way.
Seen mainWindowOnScreen(XWindowState& x) {
    Seen seen;
    const QRect screen(QPoint(0, 0), x.screenSize());
    (void)QTest::qWaitFor(
        [&] {
            seen.window = x.clientTitled("Corvell", true, "NORMAL");
            return seen.window != 0 && x.viewable(seen.window) &&
                   x.frameExtents(seen.window).has_value();
        },
        15000);
    if (seen.window == 0) return seen;
    (void)QTest::qWaitFor(
        [&] {
            seen.extents = x.frameExtents(seen.window).value_or(QMargins());
            seen.client = x.clientRect(seen.window);
            seen.frame = seen.client.marginsAdded(seen.extents);
            return screen.contains(seen.frame);
        },
        5000);
    return seen;
}

std::optional<QRect> savedFrameClient(const TempHome& home) {
    const std::optional<std::string> text =
        platform::readProfileValue(home.path("Corvell.ini"), "WINDOW_PLACEMENT", "frmMain");
    shell::WindowPlacement p;
    if (!text || !shell::parsePlacement(*text, p)) return std::nullopt;
    return QRect(p.left, p.top, p.right - p.left, p.bottom - p.top);
}

class FrameFitUnderWindowManager : public ::testing::TestWithParam<FitCase> {};

TEST_P(FrameFitUnderWindowManager, TitleBarOnTheSmallScreenAndOnTheBigOneAfter) {
    const FitCase& c = GetParam();
    TempHome home;
    std::string ini = "[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n";
    if (c.framePlacement != nullptr) {
        ini += "[WINDOW_PLACEMENT]\r\nfrmMain=\"" + std::string(c.framePlacement) + "\"\r\n";
    }
    home.write("Corvell.ini", ini);
    rxemu::RxEmulator emu(fastEmulatorOptions());
    ASSERT_TRUE(emu.start()) << emu.lastError();

    QMargins extents;
    {
        WindowManagerDisplay small(1024, 768);
        if (!small.ready()) GTEST_SKIP() << small.whyNot();
        XWindowState x(small.name());
        ASSERT_TRUE(x.connected());
        CorvellOn corvell(small, home, emu);
        const Seen seen = mainWindowOnScreen(x);
        ASSERT_NE(seen.window, 0u) << "the main window was never shown";
        extents = seen.extents;
        EXPECT_GT(extents.top(), 0) << "openbox gives a title bar";
        // The picture once the receiver is on and the menu bar is drawn.
        EXPECT_TRUE(emu.log().waitFor("G301", 0, 10000).has_value());
        QImage picture;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                picture = x.screenshot();
                const QPoint menu = seen.client.topLeft() + QPoint(4, 4);
                return picture.valid(menu) && qGray(picture.pixel(menu)) > 128;
            },
            5000));
        picture.save(artifactsDir() + "/wm-frame-" + c.name + "-1024x768.png");
        EXPECT_TRUE(QRect(0, 0, 1024, 768).contains(seen.frame))
            << "frame " << ::testing::PrintToString(seen.frame) << " (client "
            << ::testing::PrintToString(seen.client) << ") on 1024x768";
        ASSERT_TRUE(corvell.end()) << "the first start did not end by its Exit";
    }
    const std::optional<QRect> saved = savedFrameClient(home);
    ASSERT_TRUE(saved.has_value()) << home.read("Corvell.ini");
    const QRect savedFrame = saved->marginsAdded(extents);
    EXPECT_TRUE(QRect(0, 0, 1024, 768).contains(savedFrame))
        << "saved client " << ::testing::PrintToString(*saved) << ", its frame "
        << ::testing::PrintToString(savedFrame);

    WindowManagerDisplay big(1600, 1200);
    ASSERT_TRUE(big.ready()) << big.whyNot();
    XWindowState x(big.name());
    CorvellOn corvell(big, home, emu);
    const Seen seen = mainWindowOnScreen(x);
    ASSERT_NE(seen.window, 0u) << "the main window was never shown on 1600x1200";
    EXPECT_GE(seen.frame.top(), 0) << "frame " << ::testing::PrintToString(seen.frame);
    // It fits there: it comes back where it was left.
    EXPECT_EQ(seen.client, *saved);
    EXPECT_TRUE(corvell.end());
}

INSTANTIATE_TEST_SUITE_P(Starts, FrameFitUnderWindowManager, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvell::test
