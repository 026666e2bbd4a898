// The radio panel window: the 400 x 200 skin with its 62 images, the ten list labels, the
// labels for step, bank and channel with their in-place name editors, and the power cover. It
// paints and forwards events; what each key does and what each image shows is decided by
// RadioLogic. A close from the window is refused.
// Thread contract: user-interface thread only.
#pragma once

#include <array>

#include "panels/common/DrawnPanel.h"
#include "panels/common/NameEditors.h"
#include "panels/radio/RadioLogic.h"
#include "ui/Fonts.h"

namespace corvell::panels {

class InPlaceEditor;
class PanelLabel;

class frmRadio : public DrawnPanel, public ui::TunerKeyTarget, private RadioView {
    Q_OBJECT

  public:
    // The neighbours outlive the panel. `hold` drives press-and-hold (null: the system clock
    // and mouse).
    explicit frmRadio(const RadioLogic::Neighbours& neighbours, QWidget* parent = nullptr,
                      ui::HoldEnvironment* hold = nullptr);
    ~frmRadio() override;

    void Task_exec() override { logic_.Task_exec(); }
    // Redraws the images whose id changed; the list labels stay above their markers.
    int DispAll() override;
    void Tuner_Key_Operation(int keyCode, int shift) override {
        logic_.Tuner_Key_Operation(keyCode, shift);
    }

    // The font of the bank and channel names (the Japanese locale's face or Arial).
    void setLocaleFont(const ui::LocaleFont& locale) { locale_ = locale; }
    RadioLogic& logic() { return logic_; }
    PanelLabel* lblMEMO(int i) const { return lblMEMO_.at(static_cast<std::size_t>(i)); }
    PanelLabel* label(RadioLabel which) const;
    InPlaceEditor* txtBANKname() const { return txtBANKname_; }
    InPlaceEditor* txtMEMOname() const { return txtMEMOname_; }
    QWidget* picPowerOff() const { return picPowerOff_; }
    ui::ImageHotZone* imgSCOPEerr() const { return imgSCOPEerr_; }

  protected:
    void onLoad() override;
    void DispIndicators() override { logic_.DispIndicators(); }
    void ImgKey_Operation() override { logic_.ImgKey_Operation(); }
    void beforePress(int) override { logic_.pressStarting(); }
    void onPanelKey(int keyCode, int shift) override { logic_.Tuner_Key_Operation(keyCode, shift); }
    bool nameEditorOpen() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // RadioView
    bool panelVisible() const override { return isVisible(); }
    void redraw() override { DispAll(); }
    void showLabel(RadioLabel label, const std::string& text) override;
    void showListCaption(int place, const std::string& text) override;
    void setListColour(int place, TextColour colour) override;
    void setCentrePicture(int16_t id) override;
    bool powerCoverVisible() const override { return picPowerOff_->isVisible(); }
    void setPowerCoverVisible(bool visible) override { picPowerOff_->setVisible(visible); }

    void LayoutPanel();

    std::array<PanelLabel*, kRadioListPlaces> lblMEMO_{};
    std::array<PanelLabel*, 5> labels_{};  // by RadioLabel
    InPlaceEditor* txtBANKname_;
    NameEditors* names_ = nullptr;
    InPlaceEditor* txtMEMOname_;
    QWidget* picPowerOff_;
    ui::ImageHotZone* imgSCOPEerr_;
    ui::LocaleFont locale_;
    RadioLogic logic_;
};

}  // namespace corvell::panels
