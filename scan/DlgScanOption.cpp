#include "scan/DlgScanOption.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/ProgramObjects.h"
#include "core/ValueProcs.h"
#include "core/clsProfileIO.h"
#include "core/clsScopeSTAT.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "platform/message_box.h"
#include "scan/ScanChannelSheet.h"
#include "scan/frmSCANctrl.h"
#include "ui/DialogFlags.h"
#include "ui/DialogPosition.h"
#include "ui/DialogShown.h"
#include "ui/Geometry.h"

namespace corvell {
namespace {

constexpr int kFrameX = 11;  // 165 twips
constexpr int kFrameY = 57;  // 855 twips
constexpr int kFrameW = 640;
constexpr int kFrameH = 300;

const char* const kTabCaptions[DlgScanOption::kTabs] = {
    "Program SCAN", "AutoMW SCAN", "Memory SCAN", "SCAN Delay", "BAND SCOPE", "AutoMode"};

QGroupBox* group(QWidget* parent, const char* title, int x, int y, int w, int h) {
    auto* box = new QGroupBox(title, parent);
    box->setGeometry(x, y, w, h);
    return box;
}

template <class Button>
Button* button(QWidget* parent, const char* text, int x, int y, int w = 260) {
    auto* b = new Button(text, parent);
    b->setGeometry(x, y, w, 22);
    return b;
}

QLineEdit* makeProgramNoBox(QWidget* parent, int x, int y) {
    (new QLabel("Program No", parent))->setGeometry(x, y + 2, 80, 20);
    auto* box = new QLineEdit(parent);
    box->setGeometry(x + 84, y, 44, 22);
    return box;
}

}  // namespace

DlgScanOption::DlgScanOption(frmTesselbase& receiver, frmSCANctrl& scan, clsMEMORY& memory,
                             QWidget* parent)
    : Form(parent, ui::fixedDialogFlags(Qt::Dialog)),
      rx_(receiver),
      scan_(scan),
      memory_(memory),
      scope_(receiver.ScopeSTAT()) {
    setCaption("Setting");
    build();
}

DlgScanOption::~DlgScanOption() = default;

void DlgScanOption::build() {
    tabs_ = new QTabBar(this);
    for (const char* caption : kTabCaptions) tabs_->addTab(caption);
    tabs_->setGeometry(2, 2, kFrameW + 2 * kFrameX - 4, 26);
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setGeometry(2, 28, kFrameW + 2 * kFrameX - 4, kFrameH + kFrameY - 18);
    for (int t = 1; t <= kTabs; ++t) {
        frame_[t] = new QWidget(this);
        frame_[t]->setObjectName(QString("FrameTab%1").arg(t));
        frame_[t]->setGeometry(kFrameX, kFrameY, kFrameW, kFrameH);
        frame_[t]->hide();
    }
    // 1: program channels.
    auto* pchBox = new QWidget(frame_[1]);
    pchBox->setObjectName("picPChSheet");
    pchBox->setGeometry(0, 0, kFrameW, kFrameH - 32);
    pch_ = new ScanChannelSheet(ScanSheetRules::Kind::ProgramChannels, rx_, &scan_, pchBox);
    txtPROGNO1_ = makeProgramNoBox(frame_[1], 0, kFrameH - 26);
    // 2: auto memory-write scan.
    txtPROGNO2_ = makeProgramNoBox(frame_[2], 0, 4);
    QGroupBox* frame1 = group(frame_[2], "Auto Write Memory", 0, 40, 300, 70);
    (new QLabel("BANK", frame1))->setGeometry(12, 32, 40, 20);
    cmbAUTObank_ = new QComboBox(frame1);
    for (int b = 0; b < 20; ++b) cmbAUTObank_->addItem(QString::number(b));
    cmbAUTObank_->setGeometry(56, 30, 64, 24);
    cmdAUTOclear_ = new QPushButton("All Clear", frame1);
    cmdAUTOclear_->setGeometry(150, 30, 120, 26);
    // 3, 4 and 5: the option groups, one row each: tab, title, box, button kind, the first
    // button's top, the step between buttons, their width, their captions and where each is kept.
    struct OptionGroup {
        int tab;
        const char* title;
        int x, y, w, h;
        bool radio;
        int firstY, stepY, itemW;
        std::vector<const char*> captions;
        std::function<void(int, QAbstractButton*)> keep;
    };
    auto check = [](auto& kept) {
        return [&kept](int i, QAbstractButton* b) {
            kept[static_cast<std::size_t>(i)] = static_cast<QCheckBox*>(b);
        };
    };
    auto radio = [](auto& kept) {
        return [&kept](int i, QAbstractButton* b) {
            kept[static_cast<std::size_t>(i)] = static_cast<QRadioButton*>(b);
        };
    };
    const OptionGroup groups[] = {
        {3,
         "Option",
         0,
         0,
         200,
         112,
         false,
         24,
         28,
         170,
         {" SEL", " SKIP", " MODE SEL"},
         check(chkMEMOoption_)},
        {3,
         "Select Mode",
         220,
         0,
         200,
         190,
         false,
         22,
         27,
         170,
         {" LSB", " USB", " CW", " AM", " FM", " WideFM"},
         check(chkMODESEL_)},
        {4,
         "DELAY Timing",
         0,
         0,
         300,
         112,
         true,
         24,
         28,
         280,
         {" Pause until Signal disappears", " Delay Volume", "SCAN Stop"},
         radio(optDelayTiming_)},
        {4,
         " Restart Delay",
         320,
         0,
         200,
         112,
         true,
         24,
         28,
         170,
         {" 0 Sec.", " 1 Sec", " 2 Sec"},
         radio(optRestartDelay_)},
        {5,
         " Automatic Sweep-Step Limit ",
         0,
         0,
         300,
         112,
         true,
         24,
         28,
         270,
         {" 1kHz ~ 100kHz ", " 1kHz ~ 50kHz ", " 1kHz ~ 25kHz "},
         radio(optSteplim_)},
        {5,
         " Option",
         320,
         0,
         200,
         112,
         false,
         24,
         28,
         180,
         {" Step = 1/2 TS", " WFM Monitor"},
         [this](int i, QAbstractButton* b) {
             (i == 0 ? chkTsHalf_ : chkWfm_) = static_cast<QCheckBox*>(b);
         }},
    };
    for (const OptionGroup& g : groups) {
        QGroupBox* box = group(frame_[g.tab], g.title, g.x, g.y, g.w, g.h);
        for (int i = 0; i < static_cast<int>(g.captions.size()); ++i) {
            const char* caption = g.captions[static_cast<std::size_t>(i)];
            const int y = g.firstY + g.stepY * i;
            QAbstractButton* b = g.radio ? static_cast<QAbstractButton*>(
                                               button<QRadioButton>(box, caption, 12, y, g.itemW))
                                         : button<QCheckBox>(box, caption, 12, y, g.itemW);
            g.keep(i, b);
            connect(b, &QAbstractButton::clicked, this, [this] { param_change(); });
        }
    }
    // 6: automatic mode table.
    auto* achBox = new QWidget(frame_[6]);
    achBox->setObjectName("picAchSheet");
    achBox->setGeometry(0, 0, kFrameW, kFrameH);
    ach_ = new ScanChannelSheet(ScanSheetRules::Kind::AutoMode, rx_, nullptr, achBox);

    cmdOk_ = new QPushButton("Close", this);
    const int bottom = 28 + kFrameH + kFrameY - 18;
    cmdOk_->setGeometry(kFrameW + 2 * kFrameX - 100, bottom + 6, 96, 26);
    setFixedSize(kFrameW + 2 * kFrameX, bottom + 38);

    connect(tabs_, &QTabBar::currentChanged, this, [this](int) { ShowTab(SelectedTab()); });
    connect(cmdOk_, &QPushButton::clicked, this, &QWidget::hide);
    connect(cmdAUTOclear_, &QPushButton::clicked, this, &DlgScanOption::ClearAutoBank);
    connect(cmbAUTObank_, &QComboBox::activated, this, [this](int) { param_change(); });
    pch_->onRowChosen = [this](int row) { SetProgramNo(static_cast<int16_t>(row)); };
    pch_->afterUpdate = [this] { SetProgramNo(scan_.programno()); };
}

void DlgScanOption::onLoad() {
    ui::KeepFormOnScreen(this);
}

void DlgScanOption::Init() {
    Load();  // the window's load runs before the set-up, without showing it
    loadData();
    pch_->InitSheet();
    ach_->InitSheet();
    param_read();
    param_disp();
    pch_->Update();
    ach_->Update();
    ShowTab(SelectedTab());  // the saved tab may already have been the selected one
}

void DlgScanOption::ToggleShown() {
    ui::ToggleDialogByKey(this);
}

void DlgScanOption::param_read() {
    wc_ = {scan_.delaytype(), scan_.restartdelay(), scan_.memotag(),  scan_.memoskip(),
           scan_.memomode(),  scan_.memomodedata(), scan_.autobank(), scope_.TsLimit(),
           scope_.TsHalf(),   scope_.WFMmoni()};
}

void DlgScanOption::param_write() {
    scan_.setDelaytype(wc_[0]);
    scan_.setRestartdelay(wc_[1]);
    scan_.setMemotag(wc_[2]);
    scan_.setMemoskip(wc_[3]);
    scan_.setMemomode(wc_[4]);
    scan_.setMemomodedata(wc_[5]);
    scan_.setAutobank(wc_[6]);
    scope_.setTsLimit(wc_[7]);
    scope_.setTsHalf(wc_[8]);
    scope_.setWFMmoni(wc_[9]);
}

void DlgScanOption::param_disp() {
    if (displaying_) return;
    displaying_ = true;
    auto select = [](auto& group, int16_t index) {
        if (index >= 0 && index < static_cast<int16_t>(group.size())) {
            group[static_cast<size_t>(index)]->setChecked(true);
        }
    };
    select(optDelayTiming_, wc_[0]);
    select(optRestartDelay_, wc_[1]);
    for (int i = 0; i < 6; ++i) {
        chkMODESEL_[static_cast<size_t>(i)]->setChecked((wc_[5] >> i) & 1);
        chkMODESEL_[static_cast<size_t>(i)]->setEnabled(wc_[4] == 1);
    }
    for (int i = 0; i < 3; ++i) chkMEMOoption_[static_cast<size_t>(i)]->setChecked(wc_[2 + i] != 0);
    cmbAUTObank_->setCurrentIndex(wc_[6] >= 1 && wc_[6] <= 20 ? wc_[6] - 1 : -1);
    select(optSteplim_, wc_[7]);
    chkTsHalf_->setChecked(wc_[8] != 0);
    chkWfm_->setChecked(wc_[9] != 0);
    displaying_ = false;
}

void DlgScanOption::param_get() {
    if (displaying_) return;
    int16_t bits = 0;
    for (int i = 0; i < 6; ++i) {
        if (chkMODESEL_[static_cast<size_t>(i)]->isChecked()) bits |= static_cast<int16_t>(1 << i);
    }
    wc_[5] = bits;
    for (int i = 0; i < 3; ++i) wc_[2 + i] = chkMEMOoption_[static_cast<size_t>(i)]->isChecked();
    auto firstOfTwo = [](const auto& group) -> int16_t {
        return group[0]->isChecked() ? 0 : (group[1]->isChecked() ? 1 : 2);
    };
    wc_[0] = firstOfTwo(optDelayTiming_);
    wc_[1] = firstOfTwo(optRestartDelay_);
    if (cmbAUTObank_->currentIndex() >= 0) {
        wc_[6] = static_cast<int16_t>(cmbAUTObank_->currentText().toInt() + 1);
    }
    wc_[7] = firstOfTwo(optSteplim_);
    wc_[8] = chkTsHalf_->isChecked() ? 1 : 0;
    wc_[9] = chkWfm_->isChecked() ? 1 : 0;
}

void DlgScanOption::param_change() {
    param_get();
    param_disp();
    param_write();
}

int16_t DlgScanOption::SetProgramNo(int16_t n) {
    if (n != scan_.programno()) {
        scan_.continus_reset();
        const int16_t kind = scan_.scantype();
        if (scan_.scanning() == 1 && (kind == 1 || kind == 2)) {
            scan_.scan_stop();
            scan_.scan_start(kind, n);
        }
        scan_.setProgramno(n);
    }
    n = scan_.programno();
    txtPROGNO1_->setText(QString::number(n));
    txtPROGNO2_->setText(QString::number(n));
    pch_->setCurrentRow(n);
    return n;
}

int DlgScanOption::SelectedTab() const {
    return tabs_->currentIndex() + 1;
}

void DlgScanOption::SelectTab(int n) {
    if (n >= 1 && n <= tabs_->count()) tabs_->setCurrentIndex(n - 1);
}

void DlgScanOption::ShowTab(int tab) {
    if (tab == lastTab_ || tab < 1 || tab > kTabs) return;
    lastTab_ = tab;
    for (int t = 1; t <= kTabs; ++t) frame_[static_cast<size_t>(t)]->hide();
    frame_[static_cast<size_t>(tab)]->move(kFrameX, kFrameY);
    frame_[static_cast<size_t>(tab)]->show();
}

void DlgScanOption::loadDlgData() {
    clsProfileIO& profile = ProgramProfile();
    profile.setSection("DATA");
    int32_t x = 0;
    int32_t y = 0;
    int16_t tab = 1;
    profile.loadData("DLGSCANX", x, int32_t{0});
    profile.loadData("DLGSCANY", y, int32_t{0});
    ui::PlaceAtSavedPosition(*this, x, y);
    profile.setSection("DATA");
    profile.loadData("DLGSCANCURRTAB", tab, int16_t{1});
    SelectTab(tab);
    ach_->LoadColumnWidths(pch_->LoadColumnWidths(0));
}

void DlgScanOption::saveDlgData() {
    clsProfileIO& profile = ProgramProfile();
    profile.setSection("DATA");
    if (const std::optional<QPoint> at = ui::PositionToSave(*this)) {
        profile.saveData("DLGSCANX", static_cast<int32_t>(at->x()));
        profile.saveData("DLGSCANY", static_cast<int32_t>(at->y()));
    }
    profile.saveData("DLGSCANCURRTAB", static_cast<int16_t>(SelectedTab()));
    pch_->SaveColumnWidths();
    ach_->SaveColumnWidths();
}

void DlgScanOption::ClearAutoBank() {
    // With no bank chosen there is nothing to clear (bank 0 would have been wiped).
    if (cmbAUTObank_->currentIndex() < 0) return;
    platform::MessageRequest ask;
    ask.text = "1BANK All Clear, Sure?";
    ask.title = "Corvell";
    ask.buttons = platform::MessageButtons::OkCancel;
    ask.icon = platform::MessageIcon::Question;
    if (platform::showMessage(ask) != platform::MessageResult::Ok) return;
    const int16_t bank = ClampInt(0, 19, static_cast<int16_t>(cmbAUTObank_->currentText().toInt()));
    memory_.setActiveBank(bank);
    memory_.allclear(memory_.ActiveBank());
    memory_.Change();  // the cleared bank must be offered for saving
}

bool DlgScanOption::onQueryUnload(ui::UnloadMode mode) {
    if (mode == ui::UnloadMode::UserClose) {
        hide();
        return false;
    }
    saveDlgData();
    return true;
}

void DlgScanOption::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible()) {
        param_write();
        saveData();
    }
    Form::changeEvent(event);
}

}  // namespace corvell
