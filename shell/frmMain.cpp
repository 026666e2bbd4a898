#include "shell/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QVBoxLayout>

#include "core/ProgramValues.h"
#include "core/QuillonApi.h"
#include "core/clsAUTOMODE.h"
#include "core/clsDSPdata.h"
#include "core/clsProfileIO.h"
#include "core/clsSettingTessel.h"
#include "core/frmTesselbase.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "platform/message_box.h"
#include "platform/private_profile.h"
#include "scan/ScanStop.h"
#include "scan/frmSCANctrl.h"
#include "shell/DlgComOption.h"
#include "shell/LocalizeControls.h"
#include "shell/MemoryFileCommands.h"
#include "shell/clsMDIPlaceWindow.h"
#include "shell/frmTitle.h"
#include "ui/FrameFit.h"
#include "ui/Geometry.h"
#include "ui/Twips.h"
#include "ui/WaitCursor.h"

namespace corvell::shell {

frmMain::frmMain(MainParts parts, QWidget* parent)
    : QMainWindow(parent),
      parts_(std::move(parts)),
      rx_(*parts_.receiver),
      linkCheck_(parts_.secondOfDay) {
    setObjectName("frmMain");
    setWindowTitle(QStringLiteral("Corvell"));
    // Room for the two columns of the SIMPLE panels.
    resize(1060, 720);
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolStrip_ = new QWidget(client);
    toolStrip_->setObjectName("picPanel");
    layout->addWidget(toolStrip_);
    mdi_ = new QMdiArea(client);
    mdi_->setObjectName("mdiArea");
    // A maximised memory list must not maximise each panel the user then clicks.
    mdi_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    // A panel left partly or wholly past the area's edge is reached by scrolling to it.
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(mdi_, 1);
    setCentralWidget(client);
    buildMenus();
    buildToolStrip();
    buildHeartbeat();
    connect(&timer1_, &QTimer::timeout, this, &frmMain::Timer1_Timer);

    MemoryFileCommands::Hooks hooks;
    hooks.list = parts_.memoryList;
    hooks.beforeTakeOver = [this] {
        if (scanCtrl_) scanCtrl_->continus_reset();
        if (rx_.loaded()) rx_.AutoMode().off();
    };
    memoryFiles_ = std::make_unique<MemoryFileCommands>(*parts_.memory, std::move(hooks));
}

frmMain::~frmMain() {
    unregisterScanNotify();
    // The dialogs the frame made are top-level windows of their own; the frame owns them.
    for (HeldDialog& d : dialogs_) delete d.form.data();
    if (scanCtrl_ && ScanCtrl() == scanCtrl_.get()) setScanCtrl(nullptr);
    if (scanCtrl_ && rx_.ScanObjAs<frmSCANctrl>() == scanCtrl_.get()) rx_.setScanObj(nullptr);
}

void frmMain::MDIForm_Load() {
    if (loaded_) return;
    loaded_ = true;
    clsProfileIO& profile = *parts_.profile;
    clsSettingTessel& settings = *parts_.settings;

    move(ui::twipsToPixels(100), ui::twipsToPixels(100));
    LocalizeControls(*this);

    profile.setSection("MAIN");
    int16_t mode = 0;
    profile.loadData("PANELMODE", mode);
    // Only the three modes exist; anything else in the file starts in SIMPLE.
    panelMode_ = (mode >= kModeSimple && mode <= kModeReceiver) ? mode : int16_t{kModeSimple};

    scanCtrl_ = std::make_unique<frmSCANctrl>(rx_, *parts_.memory);
    setScanCtrl(scanCtrl_.get());
    scanCtrl_->Init();
    rx_.setScanObj(scanCtrl_.get());

    // A saved place is fitted to this screen as it is set; the designed size, used where none
    // was saved, may be larger than the screen too: the whole frame, title bar included, is
    // kept on it.
    if (parts_.placement->LoadMDIFormPlacement(*this)) {
        parts_.placement->SetMDIPlacement(*this);
    } else {
        ui::KeepFrameOnScreen(this);
    }

    settings.loadData(&profile);
    rx_.setComPortNum(settings.COMPort);
    SetGlobalPeriod();
    connect_ = settings.Connect;

    if (settings.COMPort == 0) {
        if (!startEnded_) {
            show();
            comDialog_ = new DlgComOption(rx_, settings, this);
            comDialog_->setModal(true);
            comDialog_->LoadDialog();
            if (parts_.runModal) {
                parts_.runModal(*comDialog_);
            } else {
                comDialog_->exec();
            }
        }
        // Ended there: the rest of the load has read nothing yet, so there is nothing to save.
        if (startEnded_) {
            loadStopped_ = true;
            hide();
            return;
        }
        settings.COMPort = static_cast<int16_t>(rx_.ComPortNum());
        // Closed without a choice, the port stays unchosen: the receiver is not switched on
        // and the next start asks again.
        connect_ = settings.COMPort != 0 ? 1 : 0;
    }

    CreatePanels();
    // The SIMPLE set keeps the visibility its placements gave it.
    ShowModePanels(panelMode_, panelMode_ != kModeSimple);
    if (connect_ == 1) {
        RestorePanelVisibility();
    } else {
        HidePanels();
    }

    makeDialog("SCANSET");
    makeDialog("CTCSS");

    LayoutTools();
    BringPanelsIntoArea();
    ui::KeepFormOnScreen(this);
    timer1_.start(HeartbeatPeriodMs());
    rx_.MyOptionUpdate();
    if (connect_ == 1) {
        connect_ = 0;
        KeyAction("POWER");
    }
    makeDialog("DTMFSET");
    makeDialog("DTMFM");
    registerScanNotify();
    toolIndex_ = kNoTool;
    decoderExists_ = isDecoderPresent();
    updateUnitMenus();
}

void frmMain::registerScanNotify() {
    if (notifyHandle_ != 0) return;
    QPointer<frmMain> self(this);
    notifyHandle_ = platform::registerWindow(
        [self](const platform::WindowMessage& m) {
            if (self && m.message == 0x200 && m.wParam == 1 && m.lParam == 10) {
                self->ScanStatusNotify();
            }
        },
        [self] {
            // Runs on the link library's thread: only ask the user-interface thread to take it.
            if (!self) return;
            QMetaObject::invokeMethod(
                self.data(),
                [self] {
                    if (self && self->notifyHandle_ != 0) {
                        platform::dispatchMessages(self->notifyHandle_);
                    }
                },
                Qt::QueuedConnection);
        });
    Quillon().RsSetHwndScanNotify(notifyHandle_);
}

void frmMain::unregisterScanNotify() {
    if (notifyHandle_ == 0) return;
    platform::unregisterWindow(notifyHandle_);
    notifyHandle_ = 0;
}

void frmMain::endStart() {
    startEnded_ = true;
    // The first run's dialog closes as by its close box: no port is chosen.
    if (comDialog_ && comDialog_->isVisible()) comDialog_->done(QDialog::Rejected);
    platform::dismissOpenMessages(platform::MessageResult::Cancel);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (ended_ || closing_ || loadStopped_) {
        event->accept();
        return;
    }
    {
        // The end writes some seventy keys; each alone would replace the file and wait for the
        // disk twice, which takes seconds on a busy machine. They go out together once the
        // end is done.
        const std::string& file = parts_.profile->GetMyProfile();
        platform::ProfileBatch batch(file);
        if (!MDIForm_QueryUnload()) {
            event->ignore();
            return;
        }
        event->accept();
        MDIForm_Unload();
        const bool toldBefore = !parts_.settingsFailureTold || parts_.settingsFailureTold();
        if (!batch.commit() && toldBefore) {
            platform::logLine("Corvell", "the settings were not written to " + file);
        }
    }
    // Only now, the settings written, may the program end: a box saying that they could not
    // be is shown and answered while the event loop still runs.
    if (ended_) announceEnded();
}

bool frmMain::MDIForm_QueryUnload() {
    SavePanelPlacements();
    if (!memoryFiles_->SaveIfWanted()) return false;
    closing_ = true;
    if (parts_.ending) parts_.ending();
    hide();
    clsSettingTessel& settings = *parts_.settings;
    settings.COMPort = static_cast<int16_t>(rx_.ComPortNum());
    settings.Connect = connect_;
    settings.saveData(parts_.profile);
    parts_.placement->SaveMDIFormPlacement(*this);
    timer1_.stop();
    SaveWindowOrder();
    PowerOffSequence();
    return true;
}

void frmMain::MDIForm_Unload() {
    timer1_.stop();
    if (timerBusy_) {
        // Nested inside a tick (a prompt's event loop): finish once that tick has returned.
        unloadPending_ = true;
        return;
    }
    finalUnload();
}

void frmMain::finalUnload() {
    if (ended_) return;
    unloadPending_ = false;
    {
        ui::WaitCursor wait;
        parts_.profile->setSection("MAIN");
        parts_.profile->saveData("PANELMODE", panelMode_);
        // The link library must stop notifying before the receiver it reports on unloads.
        unregisterScanNotify();
        Quillon().RsSetHwndScanNotify(0);
        if (scanCtrl_) {
            scanCtrl_->Unload();
            setScanCtrl(nullptr);
            rx_.setScanObj(nullptr);
            scanCtrl_.reset();
        }
        for (const FrameDialogInfo& info : kFrameDialogs) {
            ui::Form* d = info.makeToUnload ? makeDialog(info.word) : dialog(info.word);
            if (d) d->Unload(ui::UnloadMode::AppEnding);
        }
        if (rx_.loaded()) rx_.Unload();
    }
    ended_ = true;
}

void frmMain::announceEnded() {
    if (parts_.ended) {
        parts_.ended();
    } else {
        QCoreApplication::quit();
    }
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) UpdateCaption();
}

}  // namespace corvell::shell
