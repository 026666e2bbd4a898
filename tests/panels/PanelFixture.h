// The tuner and DSP panels on the receiver object over the fake link library, in a temporary
// program directory, with a hand-driven press-and-hold clock and a recorder of the memory-list
// operations; helpers to press, hold and release an image key as a user does, and to save a
// screenshot for a person to look at.
#pragma once

#include <QDir>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "core/ProgramObjects.h"
#include "panels/common/DrawnPanel.h"
#include "tests/support/ManualHoldEnvironment.h"
#include "tests/support/memory_ops_recorder.h"
#include "tests/support/offscreen_gui_app.h"
#include "tests/support/rx_fixture.h"

namespace corvell::test {

inline QString artifactsDir() {
    const char* env = std::getenv("CORVELL_ARTIFACTS");
    const QString dir =
        env && *env ? QString::fromLocal8Bit(env) : QStringLiteral(CORVELL_BUILD_DIR "/artifacts");
    QDir().mkpath(dir);
    return dir;
}

// Saves the widget as <name>.png, and with `zoom` above 1 also <name>@<zoom>x.png enlarged pixel
// by pixel, so small keys and lamps can be looked at.
inline void saveShot(QWidget& w, const QString& name, int zoom = 1) {
    const QPixmap shot = w.grab();
    shot.save(artifactsDir() + "/" + name + ".png");
    if (zoom > 1) {
        shot.scaled(shot.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .save(artifactsDir() + "/" + name + "@" + QString::number(zoom) + "x.png");
    }
}

class PanelTest : public RxTest {
  protected:
    PanelTest() {
        load();
        rx->setPower(1);
        rs.clear();
    }

    // Presses image `index` with a button, the cursor resting in its middle.
    void press(panels::DrawnPanel& panel, int index, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* zone = panel.img(index);
        const QPoint centre = zone->rect().center();
        hold.cursor = zone->mapToGlobal(centre);
        hold.leftDown = button == Qt::LeftButton;
        hold.rightDown = button == Qt::RightButton;
        QTest::mousePress(zone, button, Qt::NoModifier, centre);
    }
    void release(panels::DrawnPanel& panel, int index, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* zone = panel.img(index);
        hold.leftDown = hold.rightDown = false;
        QTest::mouseRelease(zone, button, Qt::NoModifier, zone->rect().center());
    }
    void click(panels::DrawnPanel& panel, int index, Qt::MouseButton button = Qt::LeftButton) {
        press(panel, index, button);
        release(panel, index, button);
    }

    ManualHoldEnvironment hold;
    MemoryOpsRecorder ops;
};

}  // namespace corvell::test
