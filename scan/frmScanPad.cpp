#include "scan/frmScanPad.h"

#include <QKeyEvent>

#include "core/frmTesselbase.h"
#include "resources/Artwork.h"
#include "scan/ScanPadFaces.h"
#include "scan/frmSCANctrl.h"
#include "ui/Geometry.h"
#include "ui/HeldImage.h"
#include "ui/SkinPicture.h"
#include "ui/VirtualKeys.h"

namespace corvell {
namespace {

struct Place {
    int x, y, w, h;
    const char* legend;  // a key's legend (1..7), or an indicator's
};
// Keys 1..7 take their given sizes; lamps and indicators take the size of their picture.
constexpr Place kPlaces[frmScanPad::kImages] = {
    {218, 52, 48, 18, "PROG"}, {267, 52, 48, 18, "AUTO"}, {316, 52, 48, 18, "MEMO"},
    {217, 72, 48, 18, "STOP"}, {378, 92, 48, 18, "SET"},  {219, 92, 48, 18, "PAUSE"},
    {428, 92, 48, 18, "VSC"},  {222, 44, 0, 0, "PROG"},   {271, 44, 0, 0, "AUTO"},
    {320, 44, 0, 0, "MEMO"},   {382, 84, 0, 0, "SET"},    {432, 84, 0, 0, "VSC"},
    {3, 71, 0, 0, "BUSY"},     {130, 71, 0, 0, "CENTRE"},
};

// The centre indicator draws arrows; a screen reader says where the tuning lies.
QString centreState(int id) {
    switch (id) {
        case 1412:
            return QStringLiteral("low");
        case 1413:
            return QStringLiteral("centre");
        case 1414:
            return QStringLiteral("high");
        default:
            return QStringLiteral("off");
    }
}

}  // namespace

frmScanPad::frmScanPad(frmTesselbase& receiver, frmSCANctrl& scan, QWidget* parent,
                       ui::HoldEnvironment* environment)
    : PanelWindow("Scan Form", parent, Qt::Tool | Qt::FramelessWindowHint),
      rx_(receiver),
      scan_(scan),
      repeater_(environment) {
    setCaption("Scan Form");
    setFocusPolicy(Qt::StrongFocus);
    repeater_.setObjForm(this);
}

frmScanPad::~frmScanPad() = default;

void frmScanPad::onLoad() {
    panel_ = new ui::SkinPicture(this);
    panel_->setPicture(art::artwork(kSkinId, devicePixelRatioF()));
    panel_->move(0, 0);
    setFixedSize(panel_->size());
    for (int i = 1; i <= kImages; ++i) {
        auto* hot = new ui::ImageHotZone(i, this);
        const QString legend = QString::fromLatin1(kPlaces[i - 1].legend);
        if (i <= 7) {
            hot->setLegend(legend);
            ui::WireHeldImage(*hot, repeater_, this, [this](int i, int b, int s, float x, float y) {
                imageDown(i, b, s, x, y);
            });
        } else {
            hot->setIndicator(legend, i == 14 ? ui::ImageHotZone::StateOf(centreState)
                                              : ui::ImageHotZone::StateOf());
        }
        img_[i - 1] = hot;
    }
    for (int i = 0; i < 2; ++i) {
        auto* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setRange(0, 100);
        bar->setGeometry(380, i == 0 ? 38 : 68, 95, 12);
        connect(bar, &QScrollBar::valueChanged, this, [this, i](int v) { sliderMoved(i, v); });
        sld_[i] = bar;
    }
    strip_ = new ConditionStrip(this);
    strip_->setGeometry(270, 93, 90, 14);
    meter_ = new NeedleMeter(this);
    meter_->setGeometry(35, 25, 171, 86);
    LayoutPanel();
    ui::KeepFormOnScreen(this);
}

void frmScanPad::LayoutPanel() {
    wantedId_.fill(0);
    shownId_.fill(0);
    for (ui::ImageHotZone* hot : img_) {
        hot->setImageId(0);
        hot->setGeometry(-1000, -1000, 1, 1);
    }
    for (int i = 1; i <= kImages; ++i) {
        const Place& p = kPlaces[i - 1];
        img_[i - 1]->setGeometry(p.x, p.y, p.w, p.h);
    }
    meter_->raise();
    for (int i : {13, 14}) img_[i - 1]->raise();
}

void frmScanPad::Task_exec() {
    if (!isLoaded() || !isVisible()) return;
    DispImages();
    SyncSliders();
    UpdateCondition();
    MoveNeedle();
    UpdateBusyAndCentre();
}

void frmScanPad::DispImages() {
    if (inDisp_ || !isLoaded()) return;
    inDisp_ = true;
    const auto ids =
        scanPadWantedIds({repeater_.RepeatStat(), repeater_.RepeatIndex(), scan_.scantype(),
                          options_ && options_->isVisible(), rx_.vsc()});
    for (int i = 1; i <= 12; ++i) {
        wantedId_[i] = ids[i];
        if (wantedId_[i] == shownId_[i]) continue;
        shownId_[i] = wantedId_[i];
        ui::ImageHotZone* hot = img_[i - 1];
        hot->setImageId(shownId_[i]);
        if (i >= 8) hot->resize(art::artworkSize(shownId_[i]));
    }
    inDisp_ = false;
}

void frmScanPad::SyncSliders() {
    syncing_ = true;
    if (sld_[0]->value() != scan_.delaytime()) sld_[0]->setValue(scan_.delaytime());
    if (sld_[1]->value() != 100 - scan_.speed()) sld_[1]->setValue(100 - scan_.speed());
    syncing_ = false;
}

void frmScanPad::sliderMoved(int index, int value) {
    if (syncing_) return;
    if (index == 0) {
        scan_.setDelaytime(static_cast<int16_t>(value));
    } else {
        scan_.setSpeed(static_cast<int16_t>(100 - value));
    }
}

void frmScanPad::UpdateCondition() {
    strip_->setText(QString::fromStdString(blink_.step(scan_.condition(0), scan_.condition(1))));
}

void frmScanPad::MoveNeedle() {
    meter_->setUp();
    meter_->moveTo(rx_.SmeterVirtual());
}

void frmScanPad::UpdateBusyAndCentre() {
    const int16_t state = busyLampState(rx_.busy(), rx_.rxerr(), rx_.Blank());
    if (state != busyState_) {
        busyState_ = state;
        const int id = busyLampId(state);
        img_[12]->setImageId(id);
        img_[12]->resize(art::artworkSize(id));
    }
    const int centre =
        centreIndicatorId(rx_.mode(), rx_.filter(), rx_.rxerr(), rx_.Blank(), rx_.cmeter());
    if (img_[13]->imageId() != centre) {
        img_[13]->setImageId(centre);
        if (centre != 0) img_[13]->resize(art::artworkSize(centre));
    }
}

void frmScanPad::imageDown(int index, int button, int shift, float x, float y) {
    setFocus();
    repeater_.setRepeatTime1st(300);
    repeater_.setRepeatTime2nd(200);
    repeater_.MouseDown(img_[index - 1], static_cast<int16_t>(index), static_cast<int16_t>(button),
                        static_cast<int16_t>(shift), x, y);
}

void frmScanPad::ScanToggle(int16_t kind) {
    if (scan_.scanning() != 0) {
        scan_.scan_stop();
    } else {
        scan_.scan_start(kind, frmSCANctrl::kProgramTrue);
    }
}

void frmScanPad::imgRepeat_exec() {
    const int i = repeater_.RepeatIndex();
    if (i < 1 || i > 4) scan_.continus_reset();
    if (rx_.Power() == 0) return;
    if (repeater_.RepeatStat() == 1) {
        switch (i) {
            case 1:
            case 2:
            case 3:
                ScanToggle(static_cast<int16_t>(i));
                break;
            case 4:
                scan_.scan_stop();
                break;
            case 5:
                if (owner()) owner()->KeyAction("SCANSET");
                break;
            case 6:
                scan_.setPause(scan_.pause() == 0 ? 1 : 0);
                break;
            case 7:
                rx_.setVsc(rx_.vsc() == 0 ? 1 : 0);
                break;
            default:
                break;
        }
    }
    DispImages();
    MoveNeedle();
}

bool frmScanPad::onQueryUnload(ui::UnloadMode mode) {
    if (mode != ui::UnloadMode::UserClose) return true;
    if (owner()) owner()->KeyAction("SCAN");
    return false;
}

void frmScanPad::keyPressEvent(QKeyEvent* event) {
    const int code = ui::virtualKeyFromQt(*event);
    if (code != 0 && modeTuningPanel_) {
        modeTuningPanel_->Tuner_Key_Operation(code, ui::shiftStateFromQt(event->modifiers()));
    }
}

}  // namespace corvell
