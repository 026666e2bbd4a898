#include "scan/frmScope.h"

#include <QEvent>
#include <QKeyEvent>
#include <cstdint>

#include "core/clsScopeDATA.h"
#include "core/frmScopeCtrl.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "resources/ArtTables.h"
#include "resources/Artwork.h"
#include "scan/ScopeDisplay.h"
#include "ui/Geometry.h"
#include "ui/HeldImage.h"
#include "ui/SkinPicture.h"
#include "ui/VirtualKeys.h"

namespace corvell {
namespace {

struct Place {
    int x, y, w, h;
    const char* legend;
};
constexpr Place kButtonPlaces[frmScope::kButtons] = {
    {441, 24, 44, 19, "ON"},    {441, 44, 44, 19, "OFF"},   {441, 64, 44, 19, "PAUSE"},
    {441, 98, 19, 19, "SPAN-"}, {463, 98, 19, 19, "SPAN+"},
};
constexpr int kDispX = 36;
constexpr int kDispY = 26;

QLabel* makeLabel(QWidget* parent, int x, int y, int w, int h, int points) {
    auto* label = new QLabel(parent);
    label->setGeometry(x, y, w, h);
    QFont font("Arial");
    font.setPointSize(points);
    label->setFont(font);
    label->setStyleSheet("color: #00ffff; background: transparent;");
    return label;
}

}  // namespace

frmScope::frmScope(frmTesselbase& receiver, QWidget* parent, ui::HoldEnvironment* environment)
    : PanelWindow("Band Scope Form", parent, Qt::Tool | Qt::FramelessWindowHint),
      rx_(receiver),
      repeater_(environment) {
    setCaption("Band Scope Form");
    setFocusPolicy(Qt::StrongFocus);
    repeater_.setObjForm(this);
}

frmScope::~frmScope() = default;

void frmScope::Init(ui::PanelOwner& owner) {
    PanelWindow::Init(owner);
}

void frmScope::onLoad() {
    panel_ = new ui::SkinPicture(this);
    panel_->setPicture(art::artwork(kSkinId, devicePixelRatioF()));
    panel_->move(0, 0);
    setFixedSize(panel_->size());  // the window takes the skin's size
    for (int i = 1; i <= kButtons; ++i) {
        auto* hot = new ui::ImageHotZone(i, this);
        hot->setLegend(kButtonPlaces[i - 1].legend);
        ui::WireHeldImage(*hot, repeater_, this, [this](int i, int b, int s, float x, float y) {
            imageDown(i, b, s, x, y);
        });
        img_[i - 1] = hot;
    }
    err_ = new ui::ImageHotZone(0, this);
    err_->setIndicator(QStringLiteral("SCOPE"));
    disp_ = new ScopeDisplay(this);
    disp_->onMouseDown = [this](int button, int x) { logic_.clickToTune(button, x); };
    status_ = new QWidget(this);
    status_->setAutoFillBackground(true);
    status_->setStyleSheet("background: black;");
    auto* cover = new ui::ImageHotZone(0, this);
    cover->setImageId(art::kScopePowerOffId);
    cover->setGeometry(kDispX, kDispY, kScopeWindowGeometry.width, kScopeWindowGeometry.height);
    cover->hide();
    cover->leaveOutOfTree();
    powerOff_ = cover;
    LayoutScope();
    logic_.pacing.period = 250;
    LayoutPanel();
    ui::KeepFormOnScreen(this);
    logic_.pacing.resetPending = true;
}

void frmScope::LayoutScope() {
    const ScopeGeometry& g = logic_.view().geometry();
    disp_->setGeometry(kDispX, kDispY, g.width, g.height);
    status_->setGeometry(kDispX, kDispY, g.width, 14);
    lblRangeNo_ = makeLabel(status_, 175, -2, 72, 14, 9);
    lblRangeFrq_[0] = makeLabel(status_, 6, -2, 40, 14, 8);
    lblRangeFrq_[1] = makeLabel(status_, 356, -2, 40, 14, 8);
    lblRangeTs_ = makeLabel(status_, 290, -2, 72, 14, 8);
    logic_.LayoutScope();
}

void frmScope::LayoutPanel() {
    wantedId_.fill(0);
    shownId_.fill(0);
    for (int i = 0; i < kButtons; ++i) {
        const Place& p = kButtonPlaces[i];
        img_[i]->setImageId(0);
        img_[i]->setGeometry(p.x, p.y, p.w, p.h);
    }
    err_->setGeometry(250, 0, 36, 12);
    err_->raise();
    logic_.ShowScopeStatus(true);
}

void frmScope::ScopeRefreshDisp() {
    if (!disp_) return;
    logic_.ScopeRefreshDisp();
}

void frmScope::showLabels(const ScopeLabels& l) {
    if (!lblRangeNo_) return;
    lblRangeFrq_[0]->setText(l.left);
    lblRangeFrq_[1]->setText(l.right);
    lblRangeTs_->setText(l.step);
    lblRangeNo_->setText(l.rangeNo);
}

void frmScope::showStatusIcon(int imageId) {
    if (err_) err_->setImageId(imageId);
}

void frmScope::showPicture(const QImage& picture) {
    if (disp_) disp_->showPicture(picture);
}

void frmScope::showMarker(std::optional<int> column) {
    if (disp_) disp_->setMarker(column);
}

void frmScope::Task_exec() {
    if (!isLoaded()) return;
    if (!isVisible()) {
        logic_.hiddenTick();
        return;
    }
    const bool off = rx_.Power() == 0;
    if (powerOff_->isVisible() != off) powerOff_->setVisible(off);
    logic_.visibleTick();
}

void frmScope::imageDown(int index, int button, int shift, float x, float y) {
    setFocus();
    repeater_.setRepeatTime1st(300);
    repeater_.setRepeatTime2nd(200);
    repeater_.MouseDown(img_[index - 1], static_cast<int16_t>(index), static_cast<int16_t>(button),
                        static_cast<int16_t>(shift), x, y);
    DISP();
}

void frmScope::imgRepeat_exec() {
    if (rx_.Power() == 0 || repeater_.RepeatStat() != 1) return;
    switch (repeater_.RepeatIndex()) {
        case 1:
            if (rx_.ScopeDATA().mode() == 0) logic_.ScopeOn();
            break;
        case 2:
            logic_.ScopeOff();
            break;
        case 3:
            logic_.ScopePauseToggle();
            break;
        case 4:
            logic_.ScopeSpanStep(1);  // down
            break;
        case 5:
            logic_.ScopeSpanStep(0);  // up
            break;
        default:
            break;
    }
    DISP();
}

void frmScope::ReadMemoryState() {
    clsMEMORY& memory = ProgramMemory();
    chIsBlank_ = memory.chk_blank(memory.ActiveBank(), memory.ActiveCh());
    isBlank_ = rx_.Blank() != 0;
}

void frmScope::DISP() {
    if (inDisp_ || !isLoaded()) return;
    inDisp_ = true;
    ReadMemoryState();
    for (int i = 1; i <= static_cast<int>(wantedId_.size()) - 1; ++i) {
        const bool held =
            i <= kButtons && repeater_.RepeatStat() > 0 && repeater_.RepeatIndex() == i;
        wantedId_[i] = held ? static_cast<int16_t>(kSkinId + i) : 0;
        if (wantedId_[i] != shownId_[i]) {
            shownId_[i] = wantedId_[i];
            if (i <= kButtons) img_[i - 1]->setImageId(shownId_[i]);
        }
    }
    logic_.ShowScopeStatus(false);
    logic_.ScopeMarker();
    inDisp_ = false;
}

bool frmScope::onQueryUnload(ui::UnloadMode mode) {
    if (mode != ui::UnloadMode::UserClose) return true;
    if (owner()) owner()->KeyAction("SCOPE");
    return false;
}

void frmScope::keyPressEvent(QKeyEvent* event) {
    const int code = ui::virtualKeyFromQt(*event);
    if (code != 0 && modeTuningPanel_) {
        modeTuningPanel_->Tuner_Key_Operation(code, ui::shiftStateFromQt(event->modifiers()));
    }
}

void frmScope::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        rx_.ScopeCtrl().ResendReq = 1;
    }
    PanelWindow::changeEvent(event);
}

QString frmScope::labelText(int which) const {
    switch (which) {
        case 0:
            return lblRangeNo_ ? lblRangeNo_->text() : QString();
        case 1:
            return lblRangeFrq_[0] ? lblRangeFrq_[0]->text() : QString();
        case 2:
            return lblRangeFrq_[1] ? lblRangeFrq_[1]->text() : QString();
        default:
            return lblRangeTs_ ? lblRangeTs_->text() : QString();
    }
}

}  // namespace corvell
