// The tool strip's presses and pictures, the caption, and the frame's own heartbeat step.
#include <QWidget>

#include "core/frmTesselbase.h"
#include "resources/Artwork.h"
#include "shell/CaptionText.h"
#include "shell/frmMain.h"
#include "ui/ImageHotZone.h"
#include "ui/Twips.h"

namespace corvell::shell {

void frmMain::buildToolStrip() {
    toolStrip_->setFixedHeight(kToolStripHeight);
    const auto source = [](int id, qreal dpr) { return art::artwork(id, dpr); };
    for (const ToolDef& def : kTools) {
        auto* zone = new ui::ImageHotZone(def.index, toolStrip_, source);
        zone->setLegend(QString::fromUtf8(def.word.data(), static_cast<int>(def.word.size())));
        zone->setObjectName(QStringLiteral("img%1").arg(def.index));
        connect(zone, &ui::ImageHotZone::mouseDown, this,
                [this](int index, int button, int, float, float) { toolDown(index, button); });
        connect(zone, &ui::ImageHotZone::mouseMove, this,
                [this](int index, int, int, float x, float y) { toolMove(index, x, y); });
        connect(zone, &ui::ImageHotZone::mouseUp, this,
                [this](int index, int, int, float, float) { toolUp(index); });
        connect(zone, &ui::ImageHotZone::dblClick, this,
                [this](int index) { toolDblClick(index); });
        tools_[static_cast<std::size_t>(def.index)] = zone;
    }
}

ui::ImageHotZone* frmMain::tool(int index) const {
    if (index < 1 || index > kToolCount) return nullptr;
    return tools_[static_cast<std::size_t>(index)];
}

void frmMain::LayoutTools() {
    toolWanted_.fill(0);
    toolShown_.fill(0);
    toolStrip_->setFixedHeight(kToolStripHeight);
    for (const ToolDef& def : kTools) {
        ui::ImageHotZone* zone = tool(def.index);
        zone->setImageId(0);
        zone->setGeometry(def.left, def.top, def.width, def.height);
    }
}

ToolInputs frmMain::toolInputs() const {
    ToolInputs in;
    in.connect = connect_;
    in.panelMode = panelMode_;
    in.decoderExists = decoderExists_;
    in.dspUsable = rx_.DSPUsable();
    in.darcUsable = rx_.DarcUsable();
    in.linkStat = rx_.LinkStat();
    in.error = rx_.Error();
    auto on = [this](PanelSlot s) {
        const ui::PanelWindow* p = panel(s);
        return p && p->fVisiblePwrOn;
    };
    in.tunerOn = on(PanelSlot::Tuner);
    in.modeOn = on(PanelSlot::Mode);
    in.scanOn = on(PanelSlot::ScanPad);
    in.scopeOn = on(PanelSlot::Scope);
    in.mchOn = on(PanelSlot::Mch);
    in.dtmfOn = on(PanelSlot::DTMF);
    in.dspOn = on(PanelSlot::DSP);
    in.toolIndex = toolIndex_;
    in.held = toolHeld_;
    in.onImage = toolOnImage_;
    return in;
}

void frmMain::ComputeToolStates() {
    const ToolInputs in = toolInputs();
    static constexpr int kOrder[] = {3, 2, 1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    for (int index : kOrder) {
        if (index == 5 && powerBlinks(in) && powerBlinkTick_.counter() == 0) {
            powerBlinkTick_.setCounter(1000);
            powerBlink_ = !powerBlink_;
        }
        toolWanted_[static_cast<std::size_t>(index)] = toolBitmap(in, index, powerBlink_);
    }
}

void frmMain::RefreshToolImages() {
    if (toolRedrawBusy_) return;
    toolRedrawBusy_ = true;
    ComputeToolStates();
    for (int n = 1; n <= kToolCount; ++n) {
        const std::size_t i = static_cast<std::size_t>(n);
        if (toolWanted_[i] == toolShown_[i]) continue;
        toolShown_[i] = toolWanted_[i];
        tool(n)->setImageId(toolShown_[i]);
    }
    toolRedrawBusy_ = false;
}

void frmMain::RunToolCommand() {
    const ToolInputs in = toolInputs();
    if (toolRuns(in, toolIndex_)) {
        if (toolIndex_ == 5) powerBlink_ = true;
        KeyAction(std::string(toolDef(toolIndex_)->word));
    }
    RefreshToolImages();
}

void frmMain::toolDown(int index, int /*button*/) {
    setFocus();
    toolHeld_ = true;
    toolOnImage_ = true;
    toolIndex_ = index;
    if (toolPressDropped(connect_, index)) {
        toolHeld_ = false;
        toolOnImage_ = false;
        toolIndex_ = kNoTool;
    }
}

void frmMain::toolMove(int index, float x, float y) {
    if (index != toolIndex_ || !toolHeld_) return;
    const ToolDef* def = toolDef(index);
    if (!def) return;
    // Edges count as on the image.
    const double px = x / ui::kTwipsPerPixel;
    const double py = y / ui::kTwipsPerPixel;
    toolOnImage_ = px >= 0 && px <= def->width && py >= 0 && py <= def->height;
}

void frmMain::toolUp(int /*index*/) {
    if (toolHeld_ && toolOnImage_) {
        toolHeld_ = false;
        toolOnImage_ = false;
        RunToolCommand();
    } else {
        toolHeld_ = false;
        toolOnImage_ = false;
        RefreshToolImages();
    }
    toolIndex_ = kNoTool;
}

void frmMain::toolDblClick(int /*index*/) {
    if (toolHeld_ && toolOnImage_) RunToolCommand();
}

void frmMain::ToolTask_exec() {
    if (rx_.DSPUsable() == 0 && panelVisible(PanelSlot::DSP)) {
        setPanelVisible(PanelSlot::DSP, false);
    }
    if (isVisible()) RefreshToolImages();
}

void frmMain::UpdateCaption() {
    CaptionInputs in;
    in.minimised = isMinimized();
    in.power = rx_.Power();
    in.linkStat = rx_.LinkStat();
    in.error = rx_.Error();
    if (in.minimised) {
        in.frequency = rx_.Frequency();
        in.busy = rx_.busy();
    }
    const QString text = QString::fromStdString(captionText(in));
    if (windowTitle() != text) setWindowTitle(text);
}

}  // namespace corvell::shell
