// The 50 ms heartbeat: one ordered list of steps, the link-failure prompt, and the scan-status
// notification that runs one tick at once.
#include "core/QuillonApi.h"
#include "core/ReceiverCodes.h"
#include "core/clsDSPdata.h"
#include "core/frmTesselbase.h"
#include "platform/message_box.h"
#include "scan/frmSCANctrl.h"
#include "shell/frmMain.h"

namespace corvell::shell {

void frmMain::buildHeartbeat() {
    heartbeat_.clear();
    heartbeat_.push_back({"frmMain.Task_exec", [this] { ToolTask_exec(); }});
    heartbeat_.push_back({"frmTesselbase.Task_exec", [this] { rx_.Task_exec(); }});
    for (const PanelSlotInfo& info : kPanelSlots) {
        const PanelSlot slot = info.slot;
        heartbeat_.push_back({std::string(info.member) + ".Task_exec", [this, slot] {
                                  if (ui::PanelWindow* p = panel(slot)) p->Task_exec();
                              }});
    }
    heartbeat_.push_back({"frmSCANctrl.Task_exec", [this] {
                              if (scanCtrl_) scanCtrl_->Task_exec();
                          }});
    heartbeat_.push_back({"DlgCtcssOption.Task_exec", [this] {
                              const HeldDialog& ctcss = *held("CTCSS");
                              if (ctcss.form && ctcss.form->isVisible() && ctcss.task) {
                                  ctcss.task();
                              }
                          }});
    heartbeat_.push_back({"link check", [this] { linkCheckStep(); }});
    heartbeat_.push_back({"UpdateCaption", [this] { UpdateCaption(); }});
    heartbeat_.push_back({"UpdateMenus", [this] { UpdateMenus(); }});
}

void frmMain::Timer1_Timer() {
    if (timerBusy_ || ended_) return;
    timerBusy_ = true;
    for (const HeartbeatStep& step : heartbeat_) {
        // A failing step must not stop the ones after it, nor leave the tick marked busy.
        try {
            step.run();
        } catch (...) {
        }
    }
    timerBusy_ = false;
    if (unloadPending_) {
        finalUnload();
        announceEnded();
    }
}

void frmMain::linkCheckStep() {
    if (!linkCheck_.check(rx_.Power(), rx_.Error())) return;
    platform::logLine(
        "Corvell", LinkCheck::failureReason(rx_.ComPortNum(), rx_.LinkStat() == kLinkStatLinked));
    platform::MessageRequest box;
    box.text = "Communication failed.\r\nCannot access Receiver.   ";
    box.title = windowTitle().toStdString();
    box.buttons = platform::MessageButtons::RetryCancel;
    box.icon = platform::MessageIcon::Warning;
    if (platform::showMessage(box) == platform::MessageResult::Retry && !closing_) {
        PowerSet(0);
        PowerSet(1);
        rx_.SendSCOPE();
    }
    rx_.MyOptionUpdate();
    rx_.DSPdata().setEnable(rx_.DSPUsable() != 0);
    rx_.DSPdata().UpdateDirect();
    ui::PanelWindow* dsp = panel(PanelSlot::DSP);
    if (connect_ == 1 && rx_.DSPUsable() != 0 && dsp &&
        panelVisible(PanelSlot::DSP) != dsp->fVisiblePwrOn) {
        setPanelVisible(PanelSlot::DSP, dsp->fVisiblePwrOn);
    }
}

void frmMain::ScanStatusNotify() {
    if (!scanCtrl_) return;
    scanCtrl_->setStatus(static_cast<int16_t>(Quillon().RsGetScanStat()));
    Timer1_Timer();
}

}  // namespace corvell::shell
