// The interface every panel window offers the main window, and the one the main window offers
// its panels. A panel is a Form shown as a child window of the main window; it is created and
// loaded once, handed its owner by Init, driven by the heartbeat through Task_exec, and keeps
// apart its placement key (the fixed name its saved placement is stored under, e.g.
// "Tuner Form") from its visible caption.
// Thread contract: user-interface thread only.
#pragma once

#include <QString>
#include <string>

#include "ui/Form.h"
#include "ui/ImgRepeatOwner.h"

namespace corvell::ui {

// The main window as its panels see it.
class PanelOwner {
  public:
    // Runs one command word of the main window ("SCAN", "TUNER", "SCANSET" ...); a word that is
    // none of its commands does nothing.
    virtual void KeyAction(const std::string& word) = 0;

  protected:
    ~PanelOwner() = default;
};

class PanelWindow : public Form, public ImgRepeatOwner {
    Q_OBJECT

  public:
    // Whether the panel is shown while the receiver is switched on (kept with its placement).
    bool fVisiblePwrOn = false;

    // Called once right after the panel is loaded; the panel keeps its owner.
    virtual void Init(PanelOwner& owner) { owner_ = &owner; }
    // One heartbeat step.
    virtual void Task_exec() {}

    // Panels without press-and-hold images need not answer these.
    void imgRepeat_exec() override {}
    void imgRepeat_disp() override {}

    // The fixed key of the panel's saved placement; never changes with the caption's language.
    const QString& placementKey() const { return placementKey_; }

    // A panel of fixed size is only its face (shown without a frame, never resized); a sizable
    // one keeps the frame it is sized by.
    bool sizable() const { return minimumSize() != maximumSize(); }

  protected:
    explicit PanelWindow(QString placementKey, QWidget* parent = nullptr,
                         Qt::WindowFlags flags = {});

    // Null until Init.
    PanelOwner* owner() const { return owner_; }

  private:
    QString placementKey_;
    PanelOwner* owner_ = nullptr;
};

// The tuning panels also take keyboard tuning keys (key code and shift state) that other
// panels pass on to them.
class TunerKeyTarget {
  public:
    virtual void Tuner_Key_Operation(int keyCode, int shift) = 0;

  protected:
    ~TunerKeyTarget() = default;
};

}  // namespace corvell::ui
