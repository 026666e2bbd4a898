// The tone-squelch dialog "TONE SQUELCH": a list of the 52 tone entries (OFF and 51 tones), kept
// on top of the panels, following the receiver's tone on every heartbeat while visible and
// remembering the last tone in use (CtcssToneLogic). Loaded once, hidden by its Close button and
// by DispOff; its unload writes the remembered tone.
// Thread contract: user-interface thread only.
#pragma once

#include "panels/dialogs/CtcssToneLogic.h"
#include "ui/Form.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace corvell::panels {

class DlgCtcssOption : public ui::Form {
    Q_OBJECT

  public:
    DlgCtcssOption(frmTesselbase& rx, clsProfileIO& profile, QWidget* parent = nullptr);

    void MoveHere();
    void Task_exec();
    bool check() const { return logic_.check(isVisible()); }
    void ctcss_on();
    void ctcss_off() { logic_.ctcss_off(); }
    void DispOn();
    void DispOff() { hide(); }

    CtcssToneLogic& logic() { return logic_; }
    QComboBox* cmbTONE() const { return cmbTONE_; }
    QPushButton* cmdOk() const { return cmdOk_; }

  protected:
    void onLoad() override;
    void onUnload() override;
    bool event(QEvent* event) override;

  private:
    void showIndex(int index);

    clsProfileIO& profile_;
    CtcssToneLogic logic_;
    QComboBox* cmbTONE_;
    QCheckBox* check1_;
    QPushButton* cmdOk_;
};

}  // namespace corvell::panels
