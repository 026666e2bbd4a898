// The tuner and DSP panels on the receiver object over the fake link library, in a temporary
// program directory, with a hand-driven press-and-hold clock and a recorder of the memory-list
// operations; helpers to press, hold and release an image key as a user does, and to save a
// screenshot for a person to look at.
#pragma once

#include <QDir>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/ProgramObjects.h"
#include "core/clsAUTOMODE.h"
#include "core/frmTesselbase.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "panels/common/DrawnPanel.h"
#include "tests/support/ManualHoldEnvironment.h"
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
inline void saveScreenshot(QWidget& w, const QString& name, int zoom = 1) {
    const QPixmap shot = w.grab();
    shot.save(artifactsDir() + "/" + name + ".png");
    if (zoom > 1) {
        shot.scaled(shot.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .save(artifactsDir() + "/" + name + "@" + QString::number(zoom) + "x.png");
    }
}

// Stands in for the memory list window: records the refreshes the operations ask of it.
class ListViewRecorder : public MemoryListView {
  public:
    std::vector<std::string> calls;
    void UpdateSheet() override { calls.push_back("UpdateSheet"); }
    void ListBankName() override { calls.push_back("ListBankName"); }
    void ShowChannel(int) override { calls.push_back("ShowChannel"); }
    bool ListVisible() const override { return false; }
};

class PanelTest : public RxTest {
  protected:
    PanelTest() {
        load();
        rx->setPower(1);
        rs.clear();
        ProgramMemoryList().setView(&list);
    }
    ~PanelTest() override { ProgramMemoryList().setView(nullptr); }

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
    // Presses image `index`, keeps it held while `ms` of the press-and-hold clock pass (its
    // repeats firing as they fall due), then lets it go.
    void pressAndHold(panels::DrawnPanel& panel, int index, uint32_t ms,
                      Qt::MouseButton button = Qt::LeftButton) {
        press(panel, index, button);
        hold.advance(ms);
        release(panel, index, button);
    }

    // The receiver settings the mode, filter and function keys change, in one comparable list.
    std::vector<int32_t> keySettings() const {
        return {rx->mode(), rx->filter(), rx->att(), rx->nb(),
                rx->agc(),  rx->vsc(),    rx->afc(), rx->AutoMode().mode() ? 1 : 0};
    }

    // Every channel of every bank in use, each at its own frequency: 100 MHz + 1 MHz per bank
    // + 10 kHz per channel, FM.
    static int32_t channelHz(int bank, int ch) { return 100000000 + bank * 1000000 + ch * 10000; }
    static void fillChannels() {
        for (int b = 0; b < 20; ++b) {
            for (int c = 0; c < 50; ++c) {
                clsMchDATA& r = ProgramMemory().chData(b, c);
                r.setLngFreq(channelHz(b, c));
                r.setModeText("FM");
                r.setName1("CH" + std::to_string(c));
            }
        }
    }

    ManualHoldEnvironment hold;
    ListViewRecorder list;
};

}  // namespace corvell::test
