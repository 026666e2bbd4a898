// The tuner panel window: the skin with its 41 images, the three labels and their in-place
// editors, and the dial marker. It paints and forwards events; what each key does and what each
// image shows is decided by TunerLogic. Other panels pass their keyboard keys to
// Tuner_Key_Operation. A close from the window is refused and sends "TUNER" to the owner.
// Thread contract: user-interface thread only.
#pragma once

#include <QWidget>

#include "panels/common/DrawnPanel.h"
#include "panels/common/NameEditors.h"
#include "panels/tuner/TunerLogic.h"
#include "ui/Fonts.h"

namespace corvell::panels {

class InPlaceEditor;
class PanelLabel;

// The oval mark that circles the tuning dial; clicks go through it to the dial.
class DialMark : public QWidget {
    Q_OBJECT

  public:
    explicit DialMark(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class frmTuner : public DrawnPanel, public ui::TunerKeyTarget, private TunerView {
    Q_OBJECT

  public:
    // The neighbours outlive the panel. `hold` drives press-and-hold (null: the system clock
    // and mouse).
    explicit frmTuner(const TunerLogic::Neighbours& neighbours, QWidget* parent = nullptr,
                      ui::HoldEnvironment* hold = nullptr);
    // The font of the name labels in the user's language (before Load).
    void setLocaleFont(const ui::LocaleFont& locale) { locale_ = locale; }
    ~frmTuner() override;

    void Task_exec() override;
    void Tuner_Key_Operation(int keyCode, int shift) override;

    TunerLogic& logic() { return logic_; }
    PanelLabel* picBankName() const { return picBankName_; }
    PanelLabel* picChName() const { return picChName_; }
    PanelLabel* picTsName() const { return picTsName_; }
    InPlaceEditor* txtBANKname() const { return txtBANKname_; }
    InPlaceEditor* txtMEMOname() const { return txtMEMOname_; }
    DialMark* shapeDial() const { return shapeDial_; }

  protected:
    void onLoad() override;
    void DispIndicators() override { logic_.DispIndicators(); }
    void ImgKey_Operation() override { logic_.ImgKey_Operation(); }
    void onPanelKey(int keyCode, int shift) override { logic_.Tuner_Key_Operation(keyCode, shift); }
    bool nameEditorOpen() const override;

  private:
    // TunerView
    void redraw() override { DispAll(); }
    void showLabel(TunerLabel label, const std::string& text) override;
    void moveDialMark(int left, int top) override;

    void LayoutPanel();

    PanelLabel* picBankName_;
    PanelLabel* picChName_;
    PanelLabel* picTsName_;
    InPlaceEditor* txtBANKname_;
    NameEditors* names_ = nullptr;
    InPlaceEditor* txtMEMOname_;
    DialMark* shapeDial_;
    ui::LocaleFont locale_;
    TunerLogic logic_;
};

}  // namespace corvell::panels
