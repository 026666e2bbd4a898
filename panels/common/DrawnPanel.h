// The window of a drawn panel: its skin painted by id as the whole face, image hot zones 1..N
// laid over it, one press-and-hold widget fed by their mouse events, DispAll over the wanted and
// shown ids, a face that drags the window, a close from the window refused (with the panel's
// command word sent to its owner), and keyboard keys handed to onPanelKey while no in-place
// editor is open. Each panel derives from it and adds its logic and layout.
// Thread contract: user-interface thread only.
#pragma once

#include <QRect>
#include <QWidget>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "panels/common/ImagePlace.h"
#include "panels/common/PanelImages.h"
#include "ui/AccessibleReadout.h"
#include "ui/ImageHotZone.h"
#include "ui/PanelWindow.h"
#include "ui/clsImgRepeat.h"

namespace corvell::panels {

// The panel's face: paints the skin drawing and starts a drag on a left press.
class SkinView : public QWidget {
    Q_OBJECT

  public:
    SkinView(int skinId, QWidget* parent);
    int skinId() const { return skinId_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    int skinId_;
};

class DrawnPanel : public ui::PanelWindow {
    Q_OBJECT
    friend class SkinView;

  public:
    struct Setup {
        QString placementKey;   // "Tuner Form", "DSP Form" ...
        int skinId = 0;         // the skin bitmap painted as the face
        int imageCount = 0;     // N: images 1..N
        std::string closeWord;  // sent to the owner's KeyAction on a user close; "" sends none
        bool redrawBeforePress = false;       // DispAll before the widget's MouseDown (else after)
        ui::HoldEnvironment* hold = nullptr;  // press-and-hold clock and mouse; null = the system
    };

    DrawnPanel(const Setup& setup, QWidget* parent = nullptr);
    ~DrawnPanel() override;

    ui::clsImgRepeat& repeater() { return repeater_; }
    PanelImages& images() { return images_; }
    ui::ImageHotZone* img(int index) const;
    SkinView* picPanel() const { return picPanel_; }

    // Recomputes the wanted ids (DispIndicators) and shows the images whose id changed.
    // Returns as DispAll of PanelImages does.
    virtual int DispAll();

    // What a placed image is to a screen reader, when it is not a key named by its legend:
    // an indicator named by `legend` and its state, a picture left out of the tree, or one
    // place of a read-out. Images the layout leaves off the panel are left out.
    void declareIndicator(int index, const QString& legend, ui::ImageHotZone::StateOf stateOf = {});
    // Indicators by image index and legend, each with the state its picture shows.
    void declareIndicators(std::initializer_list<std::pair<int, const char*>> indicators);
    void declarePicture(int index);
    // Images first..last are read as one text, named by `description`.
    ui::AccessibleReadout* declareReadout(int first, int last, const QString& description,
                                          ui::AccessibleReadout::Reading reading);

    void imgRepeat_exec() override { ImgKey_Operation(); }
    void imgRepeat_disp() override { DispAll(); }

  protected:
    virtual void DispIndicators() = 0;
    virtual void ImgKey_Operation() = 0;
    // The press-and-hold times set before every press of an image.
    virtual int repeatTime1st(int /*index*/) const { return 300; }
    virtual int repeatTime2nd(int /*index*/) const { return 200; }
    // Runs right before the widget takes a press of image `index` (after the times are set).
    virtual void beforePress(int /*index*/) {}
    // A keyboard key (PC key code, shift state) while no in-place editor is open.
    virtual void onPanelKey(int /*keyCode*/, int /*shift*/) {}
    virtual bool nameEditorOpen() const { return false; }

    // The window's size becomes the skin's; the picture sits at 0, 0.
    void FitFormToPanel();
    // From a left press on the face: the window moves with the mouse as if its caption were
    // dragged.
    void DragByPanel(const QMouseEvent& press);
    // Every image off the panel (-1000, -1000, 1 x 1), both id tables cleared.
    void clearLayout();
    // Places image `index` at a rectangle of the skin and names it by its key's legend.
    void placeImage(int index, const QRect& rect, const QString& legend = {});
    // Places images 1..count as table[1..count] says (table[0] is not used).
    void placeImages(const ImagePlace* table, int count);

    bool onQueryUnload(ui::UnloadMode mode) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void imageMouseDown(int index, int button, int shift, float x, float y);

    std::string closeWord_;
    bool redrawBeforePress_;
    ui::clsImgRepeat repeater_;
    PanelImages images_;
    SkinView* picPanel_;
    std::vector<ui::ImageHotZone*> img_;  // [0] unused
    struct Declared {
        ui::ImageHotZone::AccessibleKind kind = ui::ImageHotZone::AccessibleKind::Key;
        QString legend;
        ui::ImageHotZone::StateOf stateOf;
    };
    std::vector<Declared> declared_;  // by image index
    std::vector<ui::AccessibleReadout*> readouts_;
};

}  // namespace corvell::panels
