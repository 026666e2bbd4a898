// Windows come back where the user left them at the next start: a dialog never opened in a run
// keeps its saved place (and one with none opens centred), a panel dragged past the main area's
// edge is reached by the area's scroll bars and brought back in at the next load, and a frame
// saved larger than the screen is fitted to it. Each run is the whole program, ended by Exit,
// over one settings file.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <optional>

#include "app/Program.h"
#include "core/ProgramObjects.h"
#include "memory/clsMEMORY.h"
#include "panels/common/DrawnPanel.h"
#include "shell/frmMain.h"
#include "tests/support/artifacts.h"
#include "tests/support/fake_quillon.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"

namespace corvell::test {
namespace {

using shell::PanelSlot;

constexpr const char* kSettings = "[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n";

class Restarts : public ::testing::Test {
  protected:
    Restarts() {
        ResetProgramObjects();
        ResetProgramMemory();
    }
    ~Restarts() override { exitByMenu(); }

    shell::frmMain& start() {
        platform::clearProfileCache();
        app::Program::Options options;
        options.executableDir = home.dir();
        options.ended = [] {};
        program = std::make_unique<app::Program>(std::move(options));
        EXPECT_TRUE(program->start());
        return main();
    }
    void exitByMenu() {
        if (!program) return;
        main().KeyAction("EXIT");
        program.reset();
        ResetProgramMemory();
        ResetProgramObjects();
    }
    shell::frmMain& main() { return *program->mainWindow(); }

    // The value of `key` in the settings file as the last run left it.
    std::optional<std::string> saved(const std::string& key) const {
        return valueIn(home.read("Corvell.ini"), key);
    }
    static std::optional<std::string> valueIn(const std::string& text, const std::string& key) {
        // The key at the start of a line; its value without the quotes and the line end.
        const std::string wanted = key + "=";
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t end = std::min(text.find('\n', at), text.size());
            if (text.compare(at, wanted.size(), wanted) == 0) {
                std::string value = text.substr(at + wanted.size(), end - at - wanted.size());
                std::erase(value, '\r');
                std::erase(value, '"');
                return value;
            }
            at = end + 1;
        }
        return std::nullopt;
    }
    QMdiSubWindow* frameOf(PanelSlot slot) {
        for (QMdiSubWindow* s : main().mdiArea()->subWindowList()) {
            if (s->widget() == main().panel(slot)) return s;
        }
        return nullptr;
    }
    // The part of the main area in view, in the panels' coordinates.
    QRect area() { return main().mdiArea()->viewport()->rect(); }
    // The whole main area, scroll bars or not.
    QRect wholeArea() { return QRect(QPoint(0, 0), main().mdiArea()->contentsRect().size()); }

    // What a user sees: the screen with the main window and `over` drawn where they are.
    void saveScreen(const QString& name, QWidget* over = nullptr) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QImage image(screen.size(), QImage::Format_RGB32);
        image.fill(QColor(0x30, 0x40, 0x50));
        QPainter painter(&image);
        for (QWidget* w : {static_cast<QWidget*>(&main()), over}) {
            if (w != nullptr) painter.drawPixmap(w->geometry().topLeft(), w->grab());
        }
        painter.end();
        EXPECT_TRUE(image.save(artifactsDir() + "/" + name + ".png"));
    }

    TempHome home;
    platform::ScriptedPresenter presenter;
    FakeQuillon rs;
    std::unique_ptr<app::Program> program;
};

// A run that never opens "Setting" or "DTMF Setting" leaves their saved places as they were; at
// the next start each opens at its saved place, or centred over the main window when it has none
// (the keys missing, or both 0 as earlier runs wrote them for a dialog never opened).
TEST_F(Restarts, ADialogNeverOpenedKeepsItsPlaceAndOneWithoutAPlaceOpensCentred) {
    struct Row {
        const char* name;
        const char* keys;
        std::optional<QPoint> scanAt, dtmfAt;  // pixels; none: centred
    } rows[] = {
        {"no saved place", "", std::nullopt, std::nullopt},
        {"0,0 written by an earlier run",
         "DLGSCANX=0\r\nDLGSCANY=0\r\nDLGDTMFX=0\r\nDLGDTMFY=0\r\n", std::nullopt, std::nullopt},
        {"a saved place", "DLGSCANX=1500\r\nDLGSCANY=750\r\nDLGDTMFX=750\r\nDLGDTMFY=1500\r\n",
         QPoint(100, 50), QPoint(50, 100)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        home.write("Corvell.ini", std::string(kSettings) + r.keys);
        start();
        exitByMenu();
        for (const char* key : {"DLGSCANX", "DLGSCANY", "DLGDTMFX", "DLGDTMFY"}) {
            EXPECT_EQ(saved(key), valueIn(r.keys, key)) << key;
        }

        start();
        main().setGeometry(60, 40, 600, 440);
        main().show();
        for (const char* word : {"SCANSET", "DTMFSET"}) {
            SCOPED_TRACE(word);
            main().KeyAction(word);
            ui::Form* d = main().dialog(word);
            ASSERT_TRUE(d && d->isVisible());
            const std::optional<QPoint> at = std::string(word) == "SCANSET" ? r.scanAt : r.dtmfAt;
            if (at) {
                EXPECT_EQ(d->pos(), *at);
            } else {
                const QPoint off = d->frameGeometry().center() - main().frameGeometry().center();
                EXPECT_LE(off.manhattanLength(), 2) << off.x() << "," << off.y();
            }
            if (r.keys[0] == '\0') {
                saveScreen(QStringLiteral("restart-second-start-%1").arg(word).toLower(), d);
            }
            d->hide();
        }
        // Opened, each now has a place of its own, written at the end of the run.
        const QPoint scanAt = main().dialog("SCANSET")->pos();
        exitByMenu();
        EXPECT_EQ(saved("DLGSCANX"), std::to_string(scanAt.x() * 15));
        EXPECT_EQ(saved("DLGSCANY"), std::to_string(scanAt.y() * 15));
        EXPECT_TRUE(saved("DLGDTMFX").has_value());
    }
}

// Dragged by its face past the area's corner, a panel stays within reach: the point the user
// holds stays in the area, the area offers scroll bars, and scrolling shows the whole panel. At
// the next start it is back inside the area.
TEST_F(Restarts, APanelDraggedPastTheAreasEdgeIsReachedByScrollingAndComesBackInside) {
    home.write("Corvell.ini", kSettings);
    start();
    main().setGeometry(20, 20, 760, 540);
    main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    ASSERT_TRUE(main().panelVisible(PanelSlot::Tuner));
    QMdiSubWindow* sub = frameOf(PanelSlot::Tuner);
    const QPoint modeAt = frameOf(PanelSlot::Mode)->pos();  // a panel the user leaves alone
    auto* face = dynamic_cast<panels::DrawnPanel&>(*main().panel(PanelSlot::Tuner)).picPanel();
    const QPoint beyond =
        face->mapFrom(main().mdiArea()->viewport(), area().bottomRight() + QPoint(600, 400));
    QTest::mousePress(face, Qt::LeftButton, {}, QPoint(6, 6));
    QTest::mouseMove(face, beyond);
    QTest::mouseRelease(face, Qt::LeftButton, {}, beyond);
    QCoreApplication::processEvents();
    EXPECT_TRUE(area().contains(face->mapTo(main().mdiArea()->viewport(), QPoint(6, 6))))
        << sub->x() << "," << sub->y();
    EXPECT_FALSE(area().contains(sub->geometry()));
    QScrollBar* across = main().mdiArea()->horizontalScrollBar();
    QScrollBar* down = main().mdiArea()->verticalScrollBar();
    EXPECT_TRUE(across->isVisible());
    EXPECT_TRUE(down->isVisible());
    saveScreen("restart-panel-dragged-out");
    across->triggerAction(QAbstractSlider::SliderToMaximum);
    down->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_TRUE(area().contains(sub->geometry())) << sub->x() << "," << sub->y();
    saveScreen("restart-panel-scrolled-to");
    exitByMenu();

    start();
    main().setGeometry(20, 20, 760, 540);
    main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    sub = frameOf(PanelSlot::Tuner);
    ASSERT_TRUE(main().panelVisible(PanelSlot::Tuner));
    EXPECT_TRUE(wholeArea().contains(sub->geometry())) << sub->x() << "," << sub->y();
    // Saved while the area was scrolled, the others come back where they were.
    EXPECT_EQ(frameOf(PanelSlot::Mode)->pos(), modeAt);
    saveScreen("restart-panel-back-inside");
}

// Places saved outside the area (beyond either corner, or on a larger frame) are brought in at
// load; one inside stays exactly where it was.
TEST_F(Restarts, APlaceSavedOutsideTheAreaIsBroughtBackInAtLoad) {
    struct Row {
        const char* name;
        const char* entry;         // the Tuner Form's saved place
        std::optional<QPoint> at;  // none: anywhere inside the area
    } rows[] = {
        {"inside", "0,1,-1,-1,-1,-1,30,40,330,240", QPoint(30, 40)},
        {"beyond the bottom right", "0,1,-1,-1,-1,-1,3000,2400,3300,2600", std::nullopt},
        {"above the top left", "0,1,-1,-1,-1,-1,-900,-700,-600,-500", QPoint(0, 0)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        home.write("Corvell.ini",
                   std::string(kSettings) +
                       "[WINDOW_PLACEMENT]\r\nfrmMain=\"0,1,-1,-1,-1,-1,10,10,770,570\"\r\n"
                       "Tuner Form=\"" +
                       r.entry + "\"\r\n");
        start();
        main().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
        QMdiSubWindow* sub = frameOf(PanelSlot::Tuner);
        ASSERT_TRUE(main().panelVisible(PanelSlot::Tuner));
        EXPECT_TRUE(wholeArea().contains(sub->geometry())) << sub->x() << "," << sub->y();
        if (r.at) {
            EXPECT_EQ(sub->pos(), *r.at);
        }
        exitByMenu();
    }
}

// A frame saved larger than the screen (another display scale, a smaller screen) comes back
// fitted to the screen's available area; one that fits comes back exactly.
TEST_F(Restarts, AFrameSavedLargerThanTheScreenIsFittedToIt) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    struct Row {
        const char* name;
        QRect saved;
        bool fits;
    } rows[] = {
        {"fits", QRect(screen.left() + 30, screen.top() + 20, 500, 400), true},
        {"fits, partly past the edge", QRect(screen.right() - 200, screen.top() + 20, 500, 400),
         true},
        {"twice the screen",
         QRect(screen.left() + 40, screen.top() + 30, 2 * screen.width(), 2 * screen.height()),
         false},
        {"wider only", QRect(screen.left() + 40, screen.top() + 30, screen.width() + 300, 300),
         false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const QRect& s = r.saved;
        home.write("Corvell.ini", std::string(kSettings) +
                                      "[WINDOW_PLACEMENT]\r\nfrmMain=\"0,1,-1,-1,-1,-1," +
                                      std::to_string(s.left()) + "," + std::to_string(s.top()) +
                                      "," + std::to_string(s.left() + s.width()) + "," +
                                      std::to_string(s.top() + s.height()) + "\"\r\n");
        start();
        if (r.fits) {
            EXPECT_EQ(main().geometry(), s);
        } else {
            // The whole window, its border and title bar too, as large as the screen allows.
            const QSize border = main().frameGeometry().size() - main().geometry().size();
            EXPECT_TRUE(screen.contains(main().frameGeometry()));
            EXPECT_EQ(main().frameGeometry().size(), (s.size() + border).boundedTo(screen.size()));
        }
        if (std::string(r.name) == "twice the screen") saveScreen("restart-frame-fitted");
        exitByMenu();
    }
}

}  // namespace
}  // namespace corvell::test
