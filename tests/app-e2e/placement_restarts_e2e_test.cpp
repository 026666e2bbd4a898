// Windows keep their places start after start: the program on the emulated receiver is started
// again and again over one Corvell.ini, each run ended by Exit, switching panel modes between
// runs, with windows hidden all run, minimised and maximised. No window the user did not move
// ever moves, and the panels of a mode switched to sit where they were left, not piled in the
// corner. Pictures of the second start in each panel mode (the same test runs again at 200 %).
#include <gtest/gtest.h>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "panels/common/DrawnPanel.h"
#include "shell/clsMDIPlaceWindow.h"
#include "tests/support/artifacts.h"
#include "tests/support/program_starts.h"

namespace corvell::test {
namespace {

using shell::PanelSlot;

// Where every window is at the first start, in pixels of the main window's client area (the
// main window on the screen): apart from each other and inside the area of a main window of
// 780 x 585, so nothing at load has a reason to move them.
struct Place {
    PanelSlot slot;
    QRect rect;
};
const QRect kFrame(10, 10, 780, 585);
const Place kPlaces[] = {
    {PanelSlot::Radio, QRect(360, 20, 400, 200)},
    {PanelSlot::Receiver, QRect(90, 150, 599, 248)},
    {PanelSlot::ScanPad, QRect(260, 268, 512, 118)},
    {PanelSlot::Scope, QRect(272, 384, 492, 124)},
    {PanelSlot::Mode, QRect(6, 136, 512, 126)},
    {PanelSlot::Tuner, QRect(6, 4, 512, 126)},
    {PanelSlot::DTMF, QRect(30, 300, 512, 55)},
    {PanelSlot::DSP, QRect(50, 420, 512, 55)},
    {PanelSlot::Mch, QRect(240, 60, 500, 300)},
};

std::string key(PanelSlot slot) {
    return std::string(shell::slotInfo(slot).placementKey);
}

std::string entry(const QRect& r, int shown, int flags = 0) {
    shell::WindowPlacement p;
    p.flags = flags;
    p.showCmd = shown;
    p.minX = p.minY = p.maxX = p.maxY = -1;
    p.left = r.left();
    p.top = r.top();
    p.right = r.left() + r.width();
    p.bottom = r.top() + r.height();
    return shell::formatPlacement(p);
}

// The settings of the first start: the receiver on in `mode`, every window at its place, shown
// at power-on exactly when `mode` shows it, the memory list as `listEntry` says.
std::string firstIni(int16_t mode, const std::string& listEntry = {}) {
    const shell::PanelModeInfo& info = shell::panelModeInfo(mode);
    std::string ini =
        "[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n[MAIN]\r\nPANELMODE=" + std::to_string(mode) +
        "\r\n[WINDOW_PLACEMENT]\r\nfrmMain=\"" + entry(kFrame, 1) + "\"\r\n";
    for (const Place& p : kPlaces) {
        const std::string text = p.slot == PanelSlot::Mch && !listEntry.empty()
                                     ? listEntry
                                     : entry(p.rect, info.shows(p.slot) ? 1 : 0);
        ini += key(p.slot) + "=\"" + text + "\"\r\n";
    }
    return ini;
}

// The entry without its second field (the visibility at power-on), which a run may change.
std::string savedPlace(const std::string& text) {
    shell::WindowPlacement p;
    if (!shell::parsePlacement(text, p)) return "unreadable: " + text;
    p.showCmd = 0;
    return shell::formatPlacement(p);
}
std::map<std::string, std::string> savedPlaces(const std::map<std::string, std::string>& entries) {
    std::map<std::string, std::string> out;
    for (const auto& [k, v] : entries) out[k] = savedPlace(v);
    return out;
}
int shownOf(const std::string& text) {
    shell::WindowPlacement p;
    return shell::parsePlacement(text, p) ? p.showCmd : -1;
}

const char* modeName(int16_t mode) {
    static const char* names[] = {"simple", "radio", "receiver"};
    return names[mode];
}

class PlacementRestarts : public ::testing::Test {
  protected:
    // Each panel the mode shows is open at its place, whole inside the main window's area.
    void expectModeAtItsPlaces(ProgramStarts& starts, int16_t mode,
                               const std::map<PanelSlot, QRect>& moved = {}) {
        const QRect area = starts.main().mdiArea()->viewport()->rect();
        for (PanelSlot slot : shell::panelModeInfo(mode).panels()) {
            SCOPED_TRACE(key(slot));
            EXPECT_TRUE(starts.main().panelVisible(slot));
            const auto m = moved.find(slot);
            EXPECT_EQ(starts.frameOf(slot)->geometry(),
                      m != moved.end() ? m->second : placeOf(slot));
            EXPECT_TRUE(area.contains(starts.frameOf(slot)->geometry()))
                << "area " << area.width() << " x " << area.height();
        }
    }
    static QRect placeOf(PanelSlot slot) {
        for (const Place& p : kPlaces) {
            if (p.slot == slot) return p.rect;
        }
        return {};
    }
    static QString scale() { return QString::number(qRound(qApp->devicePixelRatio() * 100)); }
};

// Five starts in a row, each switching to the next panel mode, with the function panels and the
// memory list hidden all the time, and the tuner dragged by the user in the second: every entry
// keeps its place (the tuner the one it was dragged to), and the panels of the mode switched to
// (hidden all the run before) open where they were left.
TEST_F(PlacementRestarts, FiveStartsSwitchingPanelModesNeverMoveAWindowTheUserDidNotMove) {
    ProgramStarts starts(firstIni(shell::kModeReceiver));
    auto expected = savedPlaces(starts.placements());
    ASSERT_EQ(expected.size(), 10u);
    std::map<PanelSlot, QRect> moved;
    const int16_t modes[] = {shell::kModeReceiver, shell::kModeSimple, shell::kModeRadio,
                             shell::kModeReceiver, shell::kModeSimple};
    for (int16_t mode : modes) {
        SCOPED_TRACE(std::string("start ") + std::to_string(starts.starts() + 1) + " in " +
                     modeName(mode));
        shell::frmMain& main = starts.start();
        ASSERT_EQ(main.geometry(), kFrame);
        main.KeyAction(std::string(shell::panelModeInfo(mode).word));
        ASSERT_EQ(main.PanelMode(), mode);
        expectModeAtItsPlaces(starts, mode, moved);
        if (starts.starts() == 2) {
            // The user drags the tuner by its face, 30 to the right and 10 down.
            auto* tuner = dynamic_cast<panels::DrawnPanel*>(main.panel(PanelSlot::Tuner));
            ASSERT_NE(tuner, nullptr);
            QWidget* face = tuner->picPanel();
            QTest::mousePress(face, Qt::LeftButton, {}, QPoint(4, 4));
            QTest::mouseMove(face, QPoint(34, 14));
            QTest::mouseRelease(face, Qt::LeftButton, {}, QPoint(34, 14));
            moved[PanelSlot::Tuner] = placeOf(PanelSlot::Tuner).translated(30, 10);
            ASSERT_EQ(starts.frameOf(PanelSlot::Tuner)->geometry(), moved[PanelSlot::Tuner]);
            expected[key(PanelSlot::Tuner)] = savedPlace(entry(moved[PanelSlot::Tuner], 0));
        }
        starts.exit();

        const auto saved = starts.placements();
        EXPECT_EQ(savedPlaces(saved), expected);
        // Shown at the next power-on: exactly the panels of the mode the run ended in.
        for (const Place& p : kPlaces) {
            EXPECT_EQ(shownOf(saved.at(key(p.slot))),
                      shell::panelModeInfo(mode).shows(p.slot) ? 1 : 0)
                << key(p.slot);
        }
        EXPECT_EQ(starts.value("MAIN", "PANELMODE"), std::to_string(mode));
    }
    EXPECT_TRUE(starts.presenter.shown().empty());
}

// The second start of each panel mode, after a first start spent in another mode: the mode's
// panels, hidden all the first run, and the memory list, hidden all the first run and opened
// now, are where they were left. Their pictures go to the artifacts.
TEST_F(PlacementRestarts, SecondStartInEachPanelModeShowsItsPanelsWhereTheyWereLeft) {
    struct Row {
        int16_t before, mode;
    } rows[] = {{shell::kModeReceiver, shell::kModeSimple},
                {shell::kModeSimple, shell::kModeRadio},
                {shell::kModeRadio, shell::kModeReceiver}};
    for (const Row& r : rows) {
        SCOPED_TRACE(modeName(r.mode));
        ProgramStarts starts(firstIni(r.before));
        const auto first = savedPlaces(starts.placements());
        starts.start();
        starts.exit();
        EXPECT_EQ(savedPlaces(starts.placements()), first);

        shell::frmMain& main = starts.start();
        main.KeyAction(std::string(shell::panelModeInfo(r.mode).word));
        expectModeAtItsPlaces(starts, r.mode);
        QTest::qWait(100);  // the heartbeat draws the tools and the panels' read-outs
        EXPECT_TRUE(saveScreenshot(main, QStringLiteral("placement-second-start-%1-%2")
                                             .arg(QString::fromUtf8(modeName(r.mode)), scale())));
        main.KeyAction("MEMORY");
        EXPECT_EQ(starts.frameOf(PanelSlot::Mch)->geometry(), placeOf(PanelSlot::Mch));
        // The panels of the other modes are gone, not left in the corner.
        std::set<PanelSlot> open;
        for (const shell::PanelSlotInfo& info : shell::kPanelSlots) {
            if (main.panelVisible(info.slot)) open.insert(info.slot);
        }
        std::set<PanelSlot> wanted(shell::panelModeInfo(r.mode).panels().begin(),
                                   shell::panelModeInfo(r.mode).panels().end());
        wanted.insert(PanelSlot::Mch);
        EXPECT_EQ(open, wanted);
        starts.exit();
        EXPECT_EQ(savedPlaces(starts.placements()), first);
    }
}

// The memory list, hidden all run, maximised from the start or minimised by the user, keeps its
// normal rectangle from run to run; minimised it is open: another panel command records it as
// shown, the View item is checked, and "MEMORY" hides it.
TEST_F(PlacementRestarts, TheMemoryListKeepsItsRectangleHiddenMaximisedOrMinimised) {
    const QRect normal = placeOf(PanelSlot::Mch);
    struct Row {
        const char* name;
        std::string entry;                             // of the first start
        std::function<void(ProgramStarts&)> firstRun;  // what the user does in it
        std::string saved;                             // the entry the first run leaves
        bool maximisedNext;                            // the second start opens it maximised
    } rows[] = {
        {"hidden all run", entry(normal, 0), [](ProgramStarts&) {}, entry(normal, 0), false},
        {"maximised from the start", entry(normal, 1, 2), [](ProgramStarts&) {},
         entry(normal, 1, 2), true},
        {"minimised, then another panel's command", entry(normal, 1),
         [](ProgramStarts& s) {
             s.frameOf(PanelSlot::Mch)->showMinimized();
             s.main().KeyAction("DTMF");
             s.main().KeyAction("DTMF");
             EXPECT_TRUE(s.main().panelVisible(PanelSlot::Mch));
             EXPECT_TRUE(s.main().panel(PanelSlot::Mch)->fVisiblePwrOn);
             QTest::qWait(100);
             EXPECT_TRUE(s.main().menuAction(shell::MenuId::View, 5)->isChecked());
         },
         entry(normal, 1), false},
        {"minimised, then hidden by MEMORY", entry(normal, 1),
         [](ProgramStarts& s) {
             s.frameOf(PanelSlot::Mch)->showMinimized();
             s.main().KeyAction("MEMORY");
             EXPECT_FALSE(s.main().panelVisible(PanelSlot::Mch));
             EXPECT_TRUE(s.frameOf(PanelSlot::Mch)->isHidden());
         },
         entry(normal, 0), false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ProgramStarts starts(firstIni(shell::kModeSimple, r.entry));
        starts.start();
        r.firstRun(starts);
        starts.exit();
        const auto saved = starts.placements();
        EXPECT_EQ(saved.at(key(PanelSlot::Mch)), r.saved);

        shell::frmMain& main = starts.start();
        if (!main.panelVisible(PanelSlot::Mch)) main.KeyAction("MEMORY");
        QMdiSubWindow* list = starts.frameOf(PanelSlot::Mch);
        ASSERT_TRUE(main.panelVisible(PanelSlot::Mch));
        EXPECT_FALSE(list->isMinimized());
        EXPECT_EQ(list->isMaximized(), r.maximisedNext);
        if (list->isMaximized()) list->showNormal();
        EXPECT_EQ(list->geometry(), normal);
        starts.exit();
        // Nothing else moved either.
        auto before = savedPlaces(saved);
        auto after = savedPlaces(starts.placements());
        before.erase(key(PanelSlot::Mch));
        after.erase(key(PanelSlot::Mch));
        EXPECT_EQ(after, before);
    }
}

}  // namespace
}  // namespace corvell::test
