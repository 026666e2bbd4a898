// The scan windows on the receiver object over the recording link fake: the artwork installed
// for the hot zones, a main window that records its command words, and a hold clock the test
// moves by hand.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "resources/Artwork.h"
#include "scan/ScanStop.h"
#include "tests/scan/ScanFixture.h"
#include "tests/support/ManualHoldEnvironment.h"
#include "ui/ImageHotZone.h"
#include "ui/PanelWindow.h"

namespace corvell {

class RecordingOwner : public ui::PanelOwner {
  public:
    void KeyAction(const std::string& word) override { words.push_back(word); }
    std::vector<std::string> words;
};

// The tuning panel's keyboard entry: records each key passed on.
class RecordingTuner : public ui::TunerKeyTarget {
  public:
    void Tuner_Key_Operation(int keyCode, int shift) override { keys.push_back({keyCode, shift}); }
    std::vector<std::pair<int, int>> keys;
};

class ScanWindowTest : public ScanTest {
  protected:
    ScanWindowTest() {
        ui::ImageHotZone::setDefaultPixmapSource(
            [](int id, qreal dpr) { return art::artwork(id, dpr); });
        setScanCtrl(&scan);  // as the main window does
    }
    ~ScanWindowTest() override { setScanCtrl(nullptr); }

    RecordingOwner owner;
    test::ManualHoldEnvironment hold;
};

}  // namespace corvell
