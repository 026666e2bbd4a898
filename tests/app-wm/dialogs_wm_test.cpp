// The program's dialogs under a real window manager, worked as a user works them: the whole
// program in-process on the emulated receiver, its windows on this test program's own display
// (Xvfb with openbox), clicked and minimised with xdotool, the window manager's record read
// from the X server. The scan "Setting" and "DTMF Setting" dialogs, opened by their panel's SET
// key, stay above the main window when it is clicked; minimised by the manager, the key brings
// them back; the small dialogs cannot be maximised.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "shell/PanelSlots.h"
#include "shell/frmMain.h"
#include "shell/frmTitle.h"
#include "tests/app-wm/session_display.h"
#include "tests/support/artifacts.h"
#include "tests/support/child_process.h"
#include "tests/support/program_starts.h"
#include "tests/support/x_window_state.h"

namespace corvell::test {
namespace {

using shell::PanelSlot;

struct KeyedDialog {
    const char* name;
    PanelSlot panel;    // the panel whose SET key opens it
    const char* word;   // the main window's command word for it
    const char* title;  // its caption
};

void PrintTo(const KeyedDialog& d, std::ostream* os) {
    *os << d.title;
}

const KeyedDialog kKeyedDialogs[] = {
    {"ScanSetting", PanelSlot::ScanPad, "SCANSET", "Setting"},
    {"DtmfSetting", PanelSlot::DTMF, "DTMFSET", "DTMF Setting"},
};

const char* const kIni =
    "[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n[MAIN]\r\nPANELMODE=0\r\n"
    "[WINDOW_PLACEMENT]\r\nfrmMain=\"0,1,-1,-1,-1,-1,10,30,1010,740\"\r\n";

class DialogsUnderWindowManager : public ::testing::TestWithParam<KeyedDialog> {
  protected:
    void SetUp() override {
        if (sessionDisplay() == nullptr) GTEST_SKIP() << sessionDisplayWhyNot();
        if (!onPath("xdotool"))
            GTEST_SKIP() << "xdotool is not installed (scripts/deps.sh installs it)";
        x_ = std::make_unique<XWindowState>(sessionDisplay()->name());
        ASSERT_TRUE(x_->connected());
    }

    XWindowState& x() { return *x_; }

    // A click of the left button at a point of the screen, as the user's mouse makes it.
    void clickAt(QPoint at) {
        ASSERT_EQ(
            sessionDisplay()->run({"xdotool", "mousemove", std::to_string(at.x() + 3),
                                   std::to_string(at.y() + 3), "mousemove", std::to_string(at.x()),
                                   std::to_string(at.y()), "click", "1"}),
            0)
            << "xdotool is needed (scripts/deps.sh installs it)";
    }

    // The panel's key whose legend is `legend`, as a screen reader finds it.
    static QWidget* keyOf(shell::frmMain& main, PanelSlot slot, const QString& legend) {
        ui::PanelWindow* panel = main.panel(slot);
        if (panel == nullptr) return nullptr;
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            if (w->accessibleName() == legend && w->isVisible() && !w->size().isEmpty()) return w;
        }
        return nullptr;
    }

    void pressKey(shell::frmMain& main, const KeyedDialog& d) {
        QWidget* key = keyOf(main, d.panel, QStringLiteral("SET"));
        ASSERT_NE(key, nullptr) << "no SET key on the panel";
        const QPoint at = key->mapToGlobal(key->rect().center());
        // The X server has the key at that point (openbox animates a window it brings back).
        if (!QTest::qWaitFor([&] { return QApplication::widgetAt(at) == key; }, 5000)) {
            x().screenshot().save(artifactsDir() + "/wm-" + d.name + "-key-not-in-sight.png");
            QWidget* under = QApplication::widgetAt(at);
            FAIL() << "the SET key at " << at.x() << "," << at.y() << " is not in sight, under it: "
                   << (under != nullptr ? under->metaObject()->className() : "no window of ours");
        }
        clickAt(at);
    }

    // The DTMF panel, low in the main window where the dialog opened over its centre leaves
    // its keys in sight.
    static void showDtmfPanel(ProgramStarts& starts) {
        starts.main().KeyAction("DTMF");
        if (QMdiSubWindow* sub = starts.frameOf(PanelSlot::DTMF)) sub->move(0, 480);
    }

    // Shown as the manager records it: mapped, in the normal state, not hidden.
    bool shownNormal(xcb_window_t w) {
        return x().viewable(w) && x().wmState(w) == 1 &&
               !x().hasAtom(w, "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN");
    }

    // Raised by the manager: nothing but the windows it owns is above it.
    bool raised(xcb_window_t w) {
        const std::vector<xcb_window_t> order = x().stacking();
        bool above = false;
        for (xcb_window_t other : order) {
            if (above && x().transientFor(other) != w) return false;
            above |= other == w;
        }
        return above;
    }

    // Starts the program, shows the dialog's panel where it is not shown at first, presses the
    // panel's SET key and waits until the manager shows the dialog in the normal state.
    void openByItsKey(const KeyedDialog& d) {
        starts_.emplace(kIni);
        main_ = &starts_->start();
        if (d.panel == PanelSlot::DTMF) showDtmfPanel(*starts_);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return keyOf(*main_, d.panel, "SET") != nullptr; }, 5000));
        frame_ = static_cast<xcb_window_t>(main_->winId());

        pressKey(*main_, d);
        dialog_ = main_->dialog(d.word);
        ASSERT_NE(dialog_, nullptr);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return dialog_->isVisible() &&
                       shownNormal(static_cast<xcb_window_t>(dialog_->winId()));
            },
            5000))
            << d.title << " did not open by its key";
        window_ = static_cast<xcb_window_t>(dialog_->winId());
    }

    // The program goes before the connection that watches its windows.
    void TearDown() override { starts_.reset(); }

    std::unique_ptr<XWindowState> x_;
    // Set by openByItsKey().
    std::optional<ProgramStarts> starts_;
    shell::frmMain* main_ = nullptr;
    ui::Form* dialog_ = nullptr;
    xcb_window_t frame_ = 0;   // the main window
    xcb_window_t window_ = 0;  // the dialog
};

TEST_P(DialogsUnderWindowManager, OpenedByItsKeyItStaysAboveTheMainWindowWhenThatIsClicked) {
    const KeyedDialog& d = GetParam();
    ASSERT_NO_FATAL_FAILURE(openByItsKey(d));
    shell::frmMain& main = *main_;
    const xcb_window_t frame = frame_;
    const xcb_window_t w = window_;
    EXPECT_EQ(x().transientFor(w), frame) << d.title << " is not owned by the main window";

    // A click on the main window, away from the dialog (the empty area below the panels).
    const QRect area = main.mdiArea()->viewport()->rect();
    const QPoint spot =
        main.mdiArea()->viewport()->mapToGlobal(area.bottomLeft() + QPoint(20, -20));
    ASSERT_FALSE(x().frameRect(w).contains(spot));
    clickAt(spot);
    ASSERT_TRUE(QTest::qWaitFor([&] { return x().activeWindow() == frame && raised(frame); }, 5000))
        << "the click did not raise the main window";
    EXPECT_GT(x().stackIndex(w), x().stackIndex(frame))
        << d.title << " fell behind the main window";
    saveScreenshot(main, QString("wm-") + d.name + "-over-main");
    x().screenshot().save(artifactsDir() + "/wm-" + d.name + "-after-click-1024x768.png");
}

// Openbox minimises a dialog together with the window that owns it, and brings both back
// together: the dialog is in sight again, above the main window, not left minimised, and its
// key then hides it and brings it up again.
TEST_P(DialogsUnderWindowManager, MinimisedByTheWindowManagerItComesBackWithTheMainWindow) {
    const KeyedDialog& d = GetParam();
    ASSERT_NO_FATAL_FAILURE(openByItsKey(d));
    shell::frmMain& main = *main_;
    ui::Form* dialog = dialog_;
    const xcb_window_t frame = frame_;
    const xcb_window_t w = window_;

    ASSERT_EQ(sessionDisplay()->run({"xdotool", "windowminimize", std::to_string(w)}), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return x().wmState(w) == 3; }, 5000))
        << "openbox did not minimise " << d.title;
    // The user brings the program back as its task-bar entry does.
    ASSERT_EQ(sessionDisplay()->run({"xdotool", "windowactivate", std::to_string(frame)}), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shownNormal(frame); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownNormal(w) && !dialog->isMinimized(); }, 5000))
        << d.title << " with the main window back: mapped " << x().viewable(w) << ", WM_STATE "
        << x().wmState(w);
    EXPECT_GT(x().stackIndex(w), x().stackIndex(frame));

    // In sight, its key hides it; pressed again, it comes up in the normal state and active.
    pressKey(main, d);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->isVisible() && !x().viewable(w); }, 5000))
        << d.title << " is still shown after its key";
    pressKey(main, d);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownNormal(w) && x().activeWindow() == w; }, 5000))
        << d.title << " after its key: mapped " << x().viewable(w) << ", WM_STATE "
        << x().wmState(w) << ", active " << (x().activeWindow() == w);
    EXPECT_FALSE(dialog->isMinimized());
}

INSTANTIATE_TEST_SUITE_P(Keys, DialogsUnderWindowManager, ::testing::ValuesIn(kKeyedDialogs),
                         [](const auto& info) { return std::string(info.param.name); });

// What the manager lets the user do with each small dialog: neither maximise it (its controls
// spread over the screen) nor change its size.
struct SmallDialog {
    const char* name;
    const char* word;  // the command word that opens it
};

void PrintTo(const SmallDialog& d, std::ostream* os) {
    *os << d.name;
}

class SmallDialogsUnderWindowManager : public ::testing::TestWithParam<SmallDialog> {};

TEST_P(SmallDialogsUnderWindowManager, CannotBeMaximised) {
    if (sessionDisplay() == nullptr) GTEST_SKIP() << sessionDisplayWhyNot();
    const SmallDialog& d = GetParam();
    XWindowState x(sessionDisplay()->name());
    ASSERT_TRUE(x.connected());
    ProgramStarts starts(kIni);
    shell::frmMain& main = starts.start();

    // The About window is modal: it is read and closed from inside its own loop.
    std::vector<std::string> actions;
    bool read = false;
    QTimer look;
    look.setInterval(20);
    QObject::connect(&look, &QTimer::timeout, [&] {
        QWidget* dialog = d.word == std::string("ABOUT")
                              ? static_cast<QWidget*>(main.aboutWindow())
                              : static_cast<QWidget*>(main.dialog(d.word));
        if (dialog == nullptr || !dialog->isVisible()) return;
        const xcb_window_t w = static_cast<xcb_window_t>(dialog->winId());
        if (!x.viewable(w) || x.atomNames(w, "_NET_WM_ALLOWED_ACTIONS").empty()) return;
        actions = x.atomNames(w, "_NET_WM_ALLOWED_ACTIONS");
        read = true;
        look.stop();
        dialog->close();
    });
    look.start();
    QTimer::singleShot(0, &main, [&] { main.KeyAction(d.word); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return read; }, 10000)) << d.name << " was never shown";
    std::string all;
    for (const std::string& a : actions) all += a + " ";
    for (const char* refused : {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT",
                                "_NET_WM_ACTION_RESIZE"}) {
        EXPECT_EQ(all.find(refused), std::string::npos) << d.name << " allows " << all;
    }
}

const SmallDialog kSmallDialogs[] = {
    {"ScanSetting", "SCANSET"},
    {"DtmfSetting", "DTMFSET"},
    {"About", "ABOUT"},
};

INSTANTIATE_TEST_SUITE_P(Dialogs, SmallDialogsUnderWindowManager,
                         ::testing::ValuesIn(kSmallDialogs),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvell::test
