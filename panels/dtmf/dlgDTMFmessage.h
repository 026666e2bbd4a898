// The pop-up "Corvell DTMF Decode Message": shows the text of a message entry whose code was
// received, as plain text beside the program's picture, centred on the screen. It unloads
// itself on OK or on the 31st second after it was last shown or given a message; shown again,
// it loads anew.
// Thread contract: user-interface thread only.
#pragma once

#include <QTimer>
#include <string>

#include "ui/Form.h"

class QLabel;
class QPushButton;

namespace corvell::ui {
class PlainLabel;
}

namespace corvell::panels {

class dlgDTMFmessage : public ui::Form {
    Q_OBJECT

  public:
    static constexpr int kTimerMs = 1000;
    // The pop-up closes once more than this many seconds were counted.
    static constexpr int kShowSeconds = 30;

    explicit dlgDTMFmessage(QWidget* parent = nullptr);

    // Shows `text` (plain text, never markup) and starts the count again.
    void messagedisp(const std::string& text);

    // One tick of the one-second timer.
    void Timer1_Timer();
    int count() const { return count_; }
    bool timerRunning() const { return timer1_.isActive(); }

    ui::PlainLabel* lblDTMFmessage() const { return lblDTMFmessage_; }
    QLabel* Image1() const { return image1_; }
    QPushButton* cmdOk() const { return cmdOk_; }

  protected:
    void onLoad() override;
    void onUnload() override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void restartCount();

    ui::PlainLabel* lblDTMFmessage_;
    QLabel* image1_;
    QPushButton* cmdOk_;
    QTimer timer1_;
    int count_ = 0;
};

}  // namespace corvell::panels
