// The two drawn read-outs of the scan pad: the needle S-meter face (four lines together make one
// two-pixel needle) and the condition strip. Each repaints only when what it shows changes, the
// meter only where its needle was and where it goes.
// Thread contract: user-interface thread only.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <array>

#include "scan/ScanPadLogic.h"

namespace corvell {

class NeedleMeter : public QWidget {
    Q_OBJECT

  public:
    explicit NeedleMeter(QWidget* parent = nullptr);

    // The geometry once the face has its size (the first call only).
    void setUp();
    bool isSetUp() const { return setUp_; }
    const NeedleGeometry& geometry() const { return g_; }
    // Moves the needle for a level; returns whether the tip moved.
    bool moveTo(int level);
    NeedlePoint tip() const { return tip_; }
    int repaints() const { return repaints_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // The ground and the scale, drawn into face_.
    void paintFace();

    NeedleGeometry g_{};
    QPixmap face_;
    bool faceSetUp_ = false;  // the geometry the face was drawn with was set up
    bool setUp_ = false;
    int level_ = -1;
    NeedlePoint tip_{};
    int repaints_ = 0;
};

class ConditionStrip : public QWidget {
    Q_OBJECT

  public:
    explicit ConditionStrip(QWidget* parent = nullptr);
    void setText(const QString& text);
    const QString& text() const { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
};

}  // namespace corvell
