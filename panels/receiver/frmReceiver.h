// The receiver panel window: the skin with its 95 images, the bank, channel and step labels with
// their in-place editors, the S-meter needle, the five knob marks, the dial marker, the power
// and scope covers, and the band-scope pane. Its heartbeat drives the covers and the pane's
// pacing; the blink phase, the redraws, what each key does and what each image shows are
// ReceiverLogic's, as the radio's are RadioLogic's. A close from the window is refused.
// Thread contract: user-interface thread only.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "panels/common/DrawnPanel.h"
#include "panels/common/NameEditors.h"
#include "panels/receiver/ReceiverLogic.h"
#include "panels/receiver/ReceiverScopePane.h"
#include "ui/Fonts.h"

namespace corvell::panels {

class DialMark;
class InPlaceEditor;
class PanelLabel;

// The analogue S-meter: a needle two pixels thick from a pivot below the picture.
class SmeterPicture : public QWidget {
    Q_OBJECT

  public:
    explicit SmeterPicture(QWidget* parent);
    void setNeedle(Point pivot, Point tip);
    Point tip() const { return tip_; }
    bool needleVisible() const { return visible_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Point pivot_{};
    Point tip_{};
    bool visible_ = false;
};

// The five knob marks, drawn over the skin; clicks go through to the knobs.
class KnobMarks : public QWidget {
    Q_OBJECT

  public:
    explicit KnobMarks(QWidget* parent);
    void setMark(int k, const Line& line);
    const Line& mark(int k) const { return marks_.at(static_cast<std::size_t>(k)); }
    bool markVisible(int k) const { return shown_.at(static_cast<std::size_t>(k)); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::array<Line, 5> marks_{};
    std::array<bool, 5> shown_{};
};

class frmReceiver : public DrawnPanel, public ui::TunerKeyTarget, private ReceiverView {
    Q_OBJECT

  public:
    static constexpr const char* kCaption = "Corvell Multi Function Receiver";

    // The neighbours outlive the panel. `hold` drives press-and-hold (null: the system clock
    // and mouse); `locale` names the font of the bank and channel names.
    explicit frmReceiver(const ReceiverLogic::Neighbours& neighbours, QWidget* parent = nullptr,
                         ui::HoldEnvironment* hold = nullptr, const ui::LocaleFont& locale = {});
    ~frmReceiver() override;

    void Task_exec() override;
    void Tuner_Key_Operation(int keyCode, int shift) override;
    void ScopeRefreshDisp();
    int DispAll() override;

    ReceiverLogic& logic() { return logic_; }
    ReceiverScopePane& scopePane() { return pane_; }
    ScopePacing& scopePacing() { return pane_.logic().pacing; }
    PanelLabel* picTsName() const { return picTsName_; }
    PanelLabel* picBankName() const { return picBankName_; }
    PanelLabel* picChName() const { return picChName_; }
    PanelLabel* picBankNum() const { return picBankNum_; }
    PanelLabel* picChNum() const { return picChNum_; }
    InPlaceEditor* txtBANKname() const { return txtBANKname_; }
    InPlaceEditor* txtMEMOname() const { return txtMEMOname_; }
    DialMark* shapeDial() const { return shapeDial_; }
    SmeterPicture* picSmeter() const { return picSmeter_; }
    KnobMarks* knobMarks() const { return knobMarks_; }
    QWidget* picPowerOff() const { return picPowerOff_; }
    QWidget* picScopeOff() const { return picScopeOff_; }

  protected:
    void onLoad() override;
    void DispIndicators() override { logic_.DispIndicators(); }
    void ImgKey_Operation() override { logic_.ImgKey_Operation(); }
    int repeatTime1st(int index) const override;
    int repeatTime2nd(int index) const override;
    void beforePress(int) override { logic_.pressStarting(); }
    void onPanelKey(int keyCode, int shift) override { logic_.Tuner_Key_Operation(keyCode, shift); }
    bool nameEditorOpen() const override;
    bool event(QEvent* event) override;

  private:
    // ReceiverView
    void redraw() override { DispAll(); }
    void showDirect(int index, int16_t id) override;
    void showLabel(RxLabel label, const std::string& text) override;
    void moveKnobMark(int k, const Line& line) override;
    void moveDialMark(PointF topLeft) override;
    void moveNeedle(Point pivot, Point tip) override;
    void keyAction(const std::string& word) override;
    void ScopeSpanStep(int direction) override { pane_.logic().ScopeSpanStep(direction); }
    void ScopeOn() override { pane_.logic().ScopeOn(); }
    void ScopeOff() override { pane_.logic().ScopeOff(); }
    void ScopePauseToggle() override { pane_.logic().ScopePauseToggle(); }
    void ShowScopeStatus(bool force) override { pane_.logic().ShowScopeStatus(force); }
    void ScopeMarker() override { pane_.logic().ScopeMarker(); }

    void LayoutPanel();

    frmTesselbase& rx_;
    ui::LocaleFont locale_;
    PanelLabel* picTsName_;
    PanelLabel* picChName_;
    PanelLabel* picBankName_;
    PanelLabel* picChNum_;
    PanelLabel* picBankNum_;
    InPlaceEditor* txtMEMOname_;
    InPlaceEditor* txtBANKname_;
    NameEditors* names_ = nullptr;
    SmeterPicture* picSmeter_;
    KnobMarks* knobMarks_;
    DialMark* shapeDial_;
    QWidget* picPowerOff_;
    QWidget* picScopeOff_;
    ReceiverScopePane pane_;
    ReceiverLogic logic_;

    // Heartbeat state.
    bool inTask_ = false;
};

}  // namespace corvell::panels
