// The two drawn read-outs of the scan pad: the needle S-meter face (four lines together make one
// two-pixel needle) and the condition strip. Each repaints only when what it shows changes.
// Thread contract: user-interface thread only.
#pragma once

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
    NeedleGeometry g_{};
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
    QFont font_;
};

}  // namespace corvell
