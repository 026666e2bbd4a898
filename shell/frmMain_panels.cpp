// The nine panels: creation, placement, visibility groups, power switching and the window
// order written at exit.
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "core/clsProfileIO.h"
#include "core/frmTesselbase.h"
#include "shell/clsMDIPlaceWindow.h"
#include "shell/frmMain.h"
#include "ui/NormalRect.h"
#include "ui/WaitCursor.h"

namespace corvell::shell {

ui::PanelWindow* frmMain::panel(PanelSlot slot) const {
    return panels_[static_cast<std::size_t>(slotIndex(slot))];
}

QMdiSubWindow* frmMain::subWindow(PanelSlot slot) const {
    return subs_[static_cast<std::size_t>(slotIndex(slot))];
}

// A minimised child window hides the panel inside it and shows it again when it is restored: the
// panel is open all the while, and its own visibility is the child window's to keep.
bool frmMain::panelVisible(PanelSlot slot) const {
    const QMdiSubWindow* sub = subWindow(slot);
    const ui::PanelWindow* p = panel(slot);
    return sub && p && !sub->isHidden() && (sub->isMinimized() || !p->isHidden());
}

void frmMain::setPanelVisible(PanelSlot slot, bool visible) {
    QMdiSubWindow* sub = subWindow(slot);
    ui::PanelWindow* p = panel(slot);
    if (!sub || !p) return;
    if (!sub->isMinimized()) p->setVisible(visible);
    sub->setVisible(visible);
}

// A panel that hides or shows itself takes its child-window frame along. Closing the frame asks
// the panel inside it (its own query-unload), which refuses and says what to do instead.
bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::HideToParent || event->type() == QEvent::ShowToParent) {
        for (std::size_t i = 0; i < panels_.size(); ++i) {
            if (panels_[i] == watched && subs_[i]) {
                subs_[i]->setVisible(event->type() == QEvent::ShowToParent);
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::CreatePanels() {
    for (const PanelSlotInfo& info : kPanelSlots) LoadPanel(info.slot);
}

void frmMain::LoadPanel(PanelSlot slot) {
    const std::size_t i = static_cast<std::size_t>(slotIndex(slot));
    const PanelFactory& make = parts_.panels[i];
    FramePanel made = make ? make() : FramePanel{};
    ui::PanelWindow* p = made.window;
    if (!p) return;
    scopeRefresh_[i] = std::move(made.scopeRefresh);
    QMdiSubWindow* sub = mdi_->addSubWindow(p);
    sub->setWindowTitle(p->Caption());
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->hide();
    panels_[i] = p;
    subs_[i] = sub;
    p->installEventFilter(this);
    p->Load();
    p->Init(*this);
    // A panel takes its size from its skin as it loads. A drawn panel is only its face: no title
    // bar, no border, the window exactly the skin's size; it moves by its face.
    if (!p->sizable()) {
        sub->setWindowFlags(Qt::FramelessWindowHint);
        sub->setFixedSize(p->size());
    } else {
        sub->adjustSize();
    }
    ui::KeepNormalRect(sub);
    // Until a placement is saved the panels sit apart, each at its place in the frame's layout.
    sub->move(slotInfo(slot).designX, slotInfo(slot).designY);
    if (parts_.placement->LoadFormPlacement(*p)) {
        parts_.placement->SetPlacement(*p);
        sub->setVisible(!p->isHidden());
    } else {
        p->fVisiblePwrOn = panelModeInfo(panelMode_).shows(slot);
    }
    // The radio and receiver panels open exactly with their own panel mode, whatever an older
    // entry says (one saved while a close box could hide them).
    if (slot == PanelSlot::Radio || slot == PanelSlot::Receiver) {
        p->fVisiblePwrOn = panelModeInfo(panelMode_).shows(slot);
    }
}

void frmMain::HidePanels() {
    for (const PanelSlotInfo& info : kPanelSlots) setPanelVisible(info.slot, false);
}

void frmMain::ShowModePanels(int16_t mode, bool showOwn) {
    for (const PanelModeInfo& info : kPanelModes) {
        for (PanelSlot slot : info.panels()) {
            if (info.mode != mode) {
                setPanelVisible(slot, false);
            } else if (showOwn) {
                setPanelVisible(slot, true);
            }
        }
    }
}

void frmMain::RememberPanelVisibility() {
    for (const PanelSlotInfo& info : kPanelSlots) {
        if (ui::PanelWindow* p = panel(info.slot)) p->fVisiblePwrOn = panelVisible(info.slot);
    }
}

void frmMain::RestorePanelVisibility() {
    for (const PanelSlotInfo& info : kPanelSlots) {
        if (ui::PanelWindow* p = panel(info.slot)) setPanelVisible(info.slot, p->fVisiblePwrOn);
    }
}

void frmMain::RefreshScopeDisplay() {
    const std::optional<PanelSlot> slot = panelModeInfo(panelMode_).scopePanel;
    if (!slot) return;
    const auto& refresh = scopeRefresh_[static_cast<std::size_t>(slotIndex(*slot))];
    if (refresh) refresh();
}

void frmMain::SavePanelPlacements() {
    for (const PanelSlotInfo& info : kPanelSlots) {
        if (ui::PanelWindow* p = panel(info.slot)) parts_.placement->SaveFormPlacement(*p);
    }
}

void frmMain::SaveWindowOrder() {
    // Close the open panels, most recently active first, counting them.
    int closed = 0;
    const QList<QMdiSubWindow*> order = mdi_->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        QMdiSubWindow* sub = *it;
        if (!sub || sub->isHidden()) continue;
        auto* p = qobject_cast<ui::PanelWindow*>(sub->widget());
        sub->hide();
        if (p) p->Unload(ui::UnloadMode::AppEnding);
        ++closed;
    }
    clsProfileIO* profile = parts_.placement->MyProfileObj;
    if (!profile) return;
    profile->setSection("WINDOW_ORDER");
    profile->saveData("NUM", static_cast<int16_t>(closed));
    // Numbered keys above the count that hold a window name are left from older runs.
    for (int k = closed + 1; k <= 99; ++k) {
        const std::string key = std::to_string(k);
        int16_t value = 0;
        if (profile->loadData(key, value)) break;
        profile->killKey(key);
    }
}

void frmMain::PowerSet(int state) {
    if (connect_ == state && powerInitDone_) return;
    powerInitDone_ = true;
    ui::WaitCursor wait;
    if (state == 1) {
        connect_ = 1;
        RefreshToolImages();
        PowerOnSequence();
    } else {
        connect_ = 0;
        RefreshToolImages();
        PowerOffSequence();
    }
}

void frmMain::PowerOnSequence() {
    rx_.setPower(1);
    rx_.setError(0);
}

void frmMain::PowerOffSequence() {
    rx_.setPower(0);
    rx_.setError(0);
}

}  // namespace corvell::shell
