// The command words of the main window and its menus.
#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

#include "core/clsDSPdata.h"
#include "core/frmTesselbase.h"
#include "platform/file_exists.h"
#include "platform/process_start.h"
#include "scan/ScanStop.h"
#include "shell/DlgComOption.h"
#include "shell/MemoryFileCommands.h"
#include "shell/UserGuide.h"
#include "shell/clsMDIPlaceWindow.h"
#include "shell/frmMain.h"
#include "shell/frmTitle.h"
#include "ui/DialogShown.h"
#include "ui/Geometry.h"

namespace corvell::shell {

struct frmMain::Command {
    std::string_view word;
    void (frmMain::*run)(std::string_view word);
    // While the receiver is on, the command ends by recording every panel's visibility as
    // its visibility at power-on.
    bool recordsPanels;
};

// One table: every word the program knows and what it runs. Words are compared exactly.
const std::vector<frmMain::Command>& frmMain::commands() {
    static const std::vector<Command> table = {
        {"EXIT", &frmMain::cmdExit, false},
        {"POWER", &frmMain::cmdPower, false},
        {"NEW", &frmMain::cmdMemoryFile, false},
        {"OPEN", &frmMain::cmdMemoryFile, false},
        {"SAVE", &frmMain::cmdMemoryFile, false},
        {"SAVEAS", &frmMain::cmdMemoryFile, false},
        {"COMPORT", &frmMain::cmdComPort, false},
        {"SCANSET", &frmMain::cmdScanSet, false},
        {"EXTSP", &frmMain::cmdExtSp, false},
        {"RADIO", &frmMain::cmdPanelMode, true},
        {"RECEIVER", &frmMain::cmdPanelMode, true},
        {"SIMPLE", &frmMain::cmdPanelMode, true},
        {"SCAN", &frmMain::cmdTogglePanel, true},
        {"SCOPE", &frmMain::cmdTogglePanel, true},
        {"MODE", &frmMain::cmdTogglePanel, true},
        {"TUNER", &frmMain::cmdTogglePanel, true},
        {"DTMF", &frmMain::cmdTogglePanel, true},
        {"DSP", &frmMain::cmdTogglePanel, true},
        {"DTMFSET", &frmMain::cmdToggleDialog, false},
        {"DTMFM", &frmMain::cmdToggleDialog, false},
        {"DARC", &frmMain::cmdDarc, false},
        {"ABOUT", &frmMain::cmdAbout, false},
        {"MEMORY", &frmMain::cmdMemory, true},
        {"HELP", &frmMain::cmdHelp, false},
    };
    return table;
}

std::vector<std::string_view> frmMain::commandWords() {
    std::vector<std::string_view> words;
    for (const Command& c : commands()) words.push_back(c.word);
    return words;
}

void frmMain::KeyAction(const std::string& word) {
    decoderExists_ = isDecoderPresent();
    for (const Command& c : commands()) {
        if (c.word != word) continue;
        (this->*c.run)(c.word);
        if (c.recordsPanels && connect_ == 1) RememberPanelVisibility();
        return;
    }
}

bool frmMain::isDecoderPresent() const {
    return platform::fileOpensForReading(parts_.programDir + "/Skarnview");
}

void frmMain::cmdExit(std::string_view) {
    close();
}

void frmMain::cmdPower(std::string_view) {
    ScanStop();
    PowerSet(connect_ == 1 ? 0 : 1);
    rx_.MyOptionUpdate();
    rx_.DSPdata().setEnable(rx_.DSPUsable() != 0);
    rx_.DSPdata().UpdateDirect();
    updateUnitMenus();
    if (connect_ == 0) {
        HidePanels();
    } else {
        RestorePanelVisibility();
        RefreshScopeDisplay();
        rx_.SendSCOPE();
    }
}

void frmMain::cmdMemoryFile(std::string_view word) {
    memoryFiles_->MemoryFileCommand(word);
}

void frmMain::cmdComPort(std::string_view) {
    if (!comDialog_) comDialog_ = new DlgComOption(rx_, *parts_.settings, this);
    comDialog_->setModal(false);
    comDialog_->LoadDialog();
    ui::CentreFormOnForm(comDialog_, this);
    comDialog_->show();
}

void frmMain::cmdScanSet(std::string_view word) {
    // A dialog the window manager minimised comes back by its key.
    ui::ToggleDialogByKey(dialog(word));
}

void frmMain::cmdExtSp(std::string_view word) {
    ui::Form* d = dialog(word, true);
    if (!d) return;
    d->Load();
    ui::CentreFormOnForm(d, this);
    rx_.setAfmute(1);
    d->show();
}

// "RADIO", "RECEIVER" and "SIMPLE": only from another mode; each hides the other modes'
// panels, shows its own and, except RADIO, has the band scope of the new mode redrawn. In its own
// mode "RADIO" or "RECEIVER" brings back its panel when that was hidden, and does nothing else.
void frmMain::cmdPanelMode(std::string_view word) {
    int16_t target = kModeSimple;
    for (const PanelModeInfo& info : kPanelModes) {
        if (info.word == word) target = info.mode;
    }
    if (panelMode_ == target) {
        if (target == kModeSimple) return;
        for (PanelSlot own : panelModeInfo(target).panels()) {
            if (!panelVisible(own)) setPanelVisible(own, true);
        }
        return;
    }
    ShowModePanels(target, true);
    panelMode_ = target;
    RefreshScopeDisplay();
}

void frmMain::cmdTogglePanel(std::string_view word) {
    for (const PanelSlotInfo& info : kPanelSlots) {
        if (info.word == word) setPanelVisible(info.slot, !panelVisible(info.slot));
    }
}

void frmMain::cmdToggleDialog(std::string_view word) {
    ui::Form* d = dialog(word, true);
    if (!d) return;
    // Showing a window loads it first, as the toolkit does; a pop-up that unloaded itself
    // (the DTMF message after its time-out) comes back loaded.
    if (!d->isVisible()) d->Load();
    ui::ToggleDialogByKey(d);
}

void frmMain::cmdDarc(std::string_view) {
    if (!decoderExists_) return;
    platform::startProcess(parts_.programDir + "/Skarnview", {}, parts_.programDir);
}

void frmMain::cmdAbout(std::string_view) {
    if (!about_) about_ = new frmTitle(this);
    about_->ShowAbout();
}

void frmMain::cmdMemory(std::string_view) {
    if (panelVisible(PanelSlot::Mch)) {
        setPanelVisible(PanelSlot::Mch, false);
        if (ui::PanelWindow* p = panel(PanelSlot::Mch)) parts_.placement->SaveFormPlacement(*p);
    } else {
        setPanelVisible(PanelSlot::Mch, true);
    }
}

void frmMain::cmdHelp(std::string_view) {
    if (parts_.helpFile.empty()) return;
    openUserGuide(parts_.helpFile, this);
}

frmMain::HeldDialog* frmMain::held(std::string_view word) {
    for (std::size_t i = 0; i < kFrameDialogs.size(); ++i) {
        if (kFrameDialogs[i].word == word) return &dialogs_[i];
    }
    return nullptr;
}

ui::Form* frmMain::makeDialog(std::string_view word) {
    HeldDialog* h = held(word);
    if (!h) return nullptr;
    if (h->form) return h->form;
    const FrameDialogInfo& info = kFrameDialogs[static_cast<std::size_t>(h - dialogs_.data())];
    const DialogFactory& make = parts_.*info.factory;
    if (!make) return nullptr;
    FrameDialog made = make();
    if (!made.form) return nullptr;
    h->form = made.form;
    h->task = std::move(made.task);
    // A dialog with no saved position of its own opens centred over the main window.
    made.form->setOpensOver(this);
    if (made.init) made.init();
    if (info.loadWhenMade) made.form->Load();
    return made.form;
}

ui::Form* frmMain::dialog(std::string_view word, bool create) {
    if (create) return makeDialog(word);
    HeldDialog* h = held(word);
    return h ? h->form.data() : nullptr;
}

bool frmMain::CheckVisiblePanel(std::string_view word) {
    if (word == "COMPORT") return comDialog_ && comDialog_->isVisible();
    if (word == "ABOUT") return about_ && about_->isVisible();
    if (word == "SCANSET" || word == "EXTSP") {
        const ui::Form* d = dialog(word);
        return d && d->isVisible();
    }
    for (const PanelSlotInfo& info : kPanelSlots) {
        if (info.word == word) return panelVisible(info.slot);
    }
    return false;
}

// ---- menus ----

void frmMain::buildMenus() {
    QMenu* menus[4] = {};
    for (std::size_t i = 0; i < kMenuTitles.size(); ++i) {
        menus[i] = menuBar()->addMenu(
            QString::fromUtf8(kMenuTitles[i].data(), static_cast<int>(kMenuTitles[i].size())));
    }
    auto menuFor = [&](MenuId id) -> QMenu* {
        switch (id) {
            case MenuId::File:
                return menus[0];
            case MenuId::View:
            case MenuId::Simple:
                return menus[1];
            case MenuId::Option:
                return menus[2];
            case MenuId::Help:
                return menus[3];
        }
        return menus[0];
    };
    for (const MenuItemDef& item : kMenuItems) {
        const QString caption =
            QString::fromUtf8(item.caption.data(), static_cast<int>(item.caption.size()));
        QAction* action = nullptr;
        if (item.caption == "-") {
            action = menuFor(item.menu)->addSeparator();
        } else if (item.menu == MenuId::View && item.index == 1) {
            simpleMenu_ = menuFor(item.menu)->addMenu(caption);
            action = simpleMenu_->menuAction();
        } else if (item.menu == MenuId::Simple) {
            action = simpleMenu_->addAction(caption);
        } else {
            action = menuFor(item.menu)->addAction(caption);
        }
        if (!item.word.empty()) {
            const std::string word(item.word);
            connect(action, &QAction::triggered, this, [this, word] { KeyAction(word); });
        }
        const MenuItemState probe = menuItemState(item.menu, item.index, MenuInputs{});
        if (probe.checked.has_value()) action->setCheckable(true);
        menuActions_.push_back({item, action});
    }
}

QAction* frmMain::menuAction(MenuId menu, int index) const {
    for (const auto& [item, action] : menuActions_) {
        if (item.menu == menu && item.index == index) return action;
    }
    return nullptr;
}

MenuInputs frmMain::menuInputs() {
    MenuInputs in;
    in.on = connect_ == 1;
    in.panelMode = panelMode_;
    in.dspUsable = rx_.DSPUsable() != 0;
    in.decoderUsable = decoderExists_ && rx_.DarcUsable() != 0;
    in.memoryVisible = CheckVisiblePanel("MEMORY");
    in.dtmfVisible = CheckVisiblePanel("DTMF");
    in.dspVisible = CheckVisiblePanel("DSP");
    in.tunerVisible = CheckVisiblePanel("TUNER");
    in.scanVisible = CheckVisiblePanel("SCAN");
    in.modeVisible = CheckVisiblePanel("MODE");
    in.scopeVisible = CheckVisiblePanel("SCOPE");
    return in;
}

void frmMain::UpdateMenus() {
    const MenuInputs in = menuInputs();
    for (const auto& [item, action] : menuActions_) {
        const MenuItemState s = menuItemState(item.menu, item.index, in);
        // Each property is written only when it differs, so the menus never flicker.
        if (s.checked && action->isChecked() != *s.checked) action->setChecked(*s.checked);
        if (s.enabled && action->isEnabled() != *s.enabled) action->setEnabled(*s.enabled);
        if (s.visible && action->isVisible() != *s.visible) action->setVisible(*s.visible);
    }
}

void frmMain::updateUnitMenus() {
    const bool dsp = rx_.DSPUsable() != 0;
    const bool darc = decoderExists_ && rx_.DarcUsable() != 0;
    if (QAction* a = menuAction(MenuId::View, 8)) {
        a->setVisible(dsp);
        a->setEnabled(dsp);
    }
    if (QAction* a = menuAction(MenuId::View, 9)) {
        a->setVisible(darc);
        a->setEnabled(darc);
    }
}

}  // namespace corvell::shell
