#include "panels/mode/frmMode.h"

#include <QSignalBlocker>

#include "core/frmTesselbase.h"
#include "panels/mode/ModeKeys.h"
#include "resources/Artwork.h"
#include "ui/Geometry.h"

namespace corvell::panels {
namespace {

QScrollBar* makeSlider(QWidget* parent, const QString& name) {
    auto* s = new QScrollBar(Qt::Horizontal, parent);
    s->setRange(0, 255);
    s->setSingleStep(1);
    s->setPageStep(16);
    s->setAccessibleName(name);
    return s;
}

void place(QScrollBar* s, const ModeSliderPlace& p) {
    s->setGeometry(p.x, p.y, p.width, p.height);
    s->raise();
}

void syncSlider(QScrollBar* s, int32_t value) {
    if (s->value() == value) return;
    // A value received from the receiver must not be sent back as if the user moved it.
    const QSignalBlocker quiet(s);
    s->setValue(value);
}

}  // namespace

frmMode::frmMode(const ModeLogic::Neighbours& neighbours, ui::TunerKeyTarget* modeTuningPanel,
                 QWidget* parent, ui::HoldEnvironment* hold)
    : DrawnPanel({QStringLiteral("Mode Form"), kModeSkinId, kModeImageCount, "MODE", false, hold},
                 parent),
      rx_(neighbours.rx),
      modeTuningPanel_(modeTuningPanel),
      afgain_(makeSlider(this, QStringLiteral("AF GAIN"))),
      squelch_(makeSlider(this, QStringLiteral("SQUELCH"))),
      ifshift_(makeSlider(this, QStringLiteral("IF SHIFT"))),
      logic_(neighbours, repeater(), images(), [this] { DispAll(); }) {
    setCaption(QStringLiteral("Mode Form"));
    for (const ModeIndicatorPlace& ind : ModeIndicatorPlaces())
        declareIndicator(ind.index, QString::fromLatin1(ind.legend));
    connect(afgain_, &QScrollBar::valueChanged, this, [this](int v) { rx_.setAfgain(v); });
    connect(squelch_, &QScrollBar::valueChanged, this, [this](int v) { rx_.setSquelch(v); });
    connect(ifshift_, &QScrollBar::valueChanged, this, [this](int v) {
        rx_.setIfshift(v);
        DispAll();
    });
}

frmMode::~frmMode() = default;

void frmMode::onLoad() {
    LayoutPanel();
    ui::KeepFormOnScreen(this);
}

void frmMode::LayoutPanel() {
    clearLayout();
    for (const ModeKey& key : ModeKeys()) {
        placeImage(key.index, QRect(key.x, key.y, key.width, key.height),
                   QString::fromLatin1(key.legend));
    }
    for (const ModeIndicatorPlace& ind : ModeIndicatorPlaces()) {
        placeImage(ind.index, QRect(QPoint(ind.x, ind.y), art::artworkSize(ind.sizeId)));
    }
    place(afgain_, kAfgainSlider);
    place(squelch_, kSquelchSlider);
    place(ifshift_, kIfShiftSlider);
    picPanel()->lower();
}

void frmMode::Task_exec() {
    if (!isVisible()) return;
    DispAll();
    SyncSliders();
}

void frmMode::SyncSliders() {
    syncSlider(afgain_, rx_.afgain());
    syncSlider(squelch_, rx_.squelch());
    syncSlider(ifshift_, rx_.ifshift());
}

void frmMode::onPanelKey(int keyCode, int shift) {
    if (keyCode != 0 && modeTuningPanel_) modeTuningPanel_->Tuner_Key_Operation(keyCode, shift);
}

}  // namespace corvell::panels
