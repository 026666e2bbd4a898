// The scan options dialog "Setting": six tabs (program scan with its channel sheet, auto
// memory-write scan, memory scan, scan delay, band scope, automatic-mode sheet) that edit the
// scan controller and the scope settings at once through a working copy. Keeps its position,
// last tab and the sheets' column widths in section "DATA". Closing only hides it.
// Thread contract: user-interface thread only.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <array>
#include <cstdint>
#include <memory>

#include "ui/Form.h"

namespace corvell {

class frmTesselbase;
class frmSCANctrl;
class clsMEMORY;
class clsScopeSTAT;
class ScanChannelSheet;

class DlgScanOption : public ui::Form {
    Q_OBJECT

  public:
    static constexpr int kTabs = 6;

    DlgScanOption(frmTesselbase& receiver, frmSCANctrl& scan, clsMEMORY& memory,
                  QWidget* parent = nullptr);
    ~DlgScanOption() override;

    // Set-up at start-up: settings, sheets, working copy shown.
    void Init();
    void loadData() { loadDlgData(); }
    void saveData() { saveDlgData(); }
    void Task_exec() {}
    void param_disp();
    // "SCANSET": hides the dialog when it is visible, else shows it.
    void ToggleShown();

    // For tests and the screenshots.
    int SelectedTab() const;
    void SelectTab(int n);
    QTabBar& tabs() { return *tabs_; }
    QWidget& frame(int tab) { return *frame_.at(static_cast<size_t>(tab)); }
    QCheckBox& memoOption(int i) { return *chkMEMOoption_.at(static_cast<size_t>(i)); }
    QCheckBox& modeSel(int i) { return *chkMODESEL_.at(static_cast<size_t>(i)); }
    QRadioButton& delayTiming(int i) { return *optDelayTiming_.at(static_cast<size_t>(i)); }
    QRadioButton& restartDelay(int i) { return *optRestartDelay_.at(static_cast<size_t>(i)); }
    QRadioButton& stepLimit(int i) { return *optSteplim_.at(static_cast<size_t>(i)); }
    QCheckBox& tsHalf() { return *chkTsHalf_; }
    QCheckBox& wfmMoni() { return *chkWfm_; }
    QComboBox& autoBank() { return *cmbAUTObank_; }
    QPushButton& allClear() { return *cmdAUTOclear_; }
    QLineEdit& programNoBox(int i) { return i == 1 ? *txtPROGNO1_ : *txtPROGNO2_; }
    ScanChannelSheet& pchSheet() { return *pch_; }
    ScanChannelSheet& achSheet() { return *ach_; }
    int lastTab() const { return lastTab_; }

  protected:
    void onLoad() override;
    bool onQueryUnload(ui::UnloadMode mode) override;
    void changeEvent(QEvent* event) override;

  private:
    void build();
    void loadDlgData();
    void saveDlgData();
    void param_read();
    void param_write();
    void param_get();
    void param_change();
    int16_t SetProgramNo(int16_t n);
    void ShowTab(int tab);
    void ClearAutoBank();

    frmTesselbase& rx_;
    frmSCANctrl& scan_;
    clsMEMORY& memory_;
    clsScopeSTAT& scope_;
    std::array<int16_t, 10> wc_{};
    bool displaying_ = false;
    int lastTab_ = 0;

    QTabBar* tabs_ = nullptr;
    std::array<QWidget*, kTabs + 1> frame_{};
    std::array<QCheckBox*, 3> chkMEMOoption_{};
    std::array<QCheckBox*, 6> chkMODESEL_{};
    std::array<QRadioButton*, 3> optDelayTiming_{};
    std::array<QRadioButton*, 3> optRestartDelay_{};
    std::array<QRadioButton*, 3> optSteplim_{};
    QCheckBox* chkTsHalf_ = nullptr;
    QCheckBox* chkWfm_ = nullptr;
    QComboBox* cmbAUTObank_ = nullptr;
    QPushButton* cmdAUTOclear_ = nullptr;
    QLineEdit* txtPROGNO1_ = nullptr;
    QLineEdit* txtPROGNO2_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    ScanChannelSheet* pch_ = nullptr;
    ScanChannelSheet* ach_ = nullptr;
};

}  // namespace corvell
