// The AF output dialog "EXT-Speaker Setting": the plug (MONO/STEREO) and the output level
// (SP/LINE) of the external speaker output, bound to the program settings and sent to the
// receiver at every choice. However it closes, the receiver's audio is un-muted.
// Thread contract: user-interface thread only.
#pragma once

#include "ui/Form.h"

class QRadioButton;
class QPushButton;

namespace corvell {
class frmTesselbase;
class clsSettingTessel;
}  // namespace corvell

namespace corvell::panels {

class DlgAFOption : public ui::Form {
    Q_OBJECT

  public:
    DlgAFOption(frmTesselbase& rx, clsSettingTessel& settings, QWidget* parent = nullptr);

    QRadioButton* OptPlug(int i) const { return i == 0 ? plug0_ : plug1_; }
    QRadioButton* OptOutLevel(int i) const { return i == 0 ? level0_ : level1_; }
    QPushButton* cmdOk() const { return cmdOk_; }

  protected:
    void onLoad() override;
    void onUnload() override;
    bool event(QEvent* event) override;

  private:
    void plugClicked();
    void levelClicked();

    frmTesselbase& rx_;
    clsSettingTessel& settings_;
    QRadioButton* plug0_;
    QRadioButton* plug1_;
    QRadioButton* level0_;
    QRadioButton* level1_;
    QPushButton* cmdOk_;
};

}  // namespace corvell::panels
