// The tone-squelch key of the radio and mode panels: with the tone-squelch dialog hidden it
// switches the remembered tone on and shows the dialog; with it shown it switches the tone off
// and hides the dialog. The panels reach the dialog through ToneSquelchDialog.
// Thread contract: user-interface thread only.
#pragma once

#include "core/frmTesselbase.h"
#include "panels/dialogs/DlgCtcssOption.h"

namespace corvell::panels {

class ToneSquelchDialog {
  public:
    virtual bool dialogVisible() const = 0;
    virtual void DispOn() = 0;
    virtual void DispOff() = 0;

  protected:
    ~ToneSquelchDialog() = default;
};

// The program's tone-squelch dialog as a ToneSquelchDialog.
class CtcssDialogRef final : public ToneSquelchDialog {
  public:
    explicit CtcssDialogRef(DlgCtcssOption& dialog) : dialog_(dialog) {}
    bool dialogVisible() const override { return dialog_.isVisible(); }
    void DispOn() override { dialog_.DispOn(); }
    void DispOff() override { dialog_.DispOff(); }

  private:
    DlgCtcssOption& dialog_;
};

// Nothing while no dialog is given.
inline void ToneSquelchKey(ToneSquelchDialog* dialog, frmTesselbase& rx) {
    if (!dialog) return;
    if (!dialog->dialogVisible()) {
        dialog->DispOn();
    } else {
        rx.setCtcss(0);
        dialog->DispOff();
    }
}

}  // namespace corvell::panels
