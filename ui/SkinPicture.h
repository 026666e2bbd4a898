// The skin of a drawn panel: a picture box that shows one pixmap at its top-left corner and,
// pressed with the left button, moves the borderless window it belongs to as its caption would.
// Also KeepFormOnScreen: a window that lies outside every screen is moved to (0, 0).
// Thread contract: user-interface thread only.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

namespace corvell::ui {

class SkinPicture : public QWidget {
    Q_OBJECT

  public:
    explicit SkinPicture(QWidget* parent = nullptr);

    // Shows the pixmap and takes its size.
    void setPicture(const QPixmap& pixmap);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPixmap pixmap_;
    bool dragging_ = false;
    QPoint grabOffset_;
};

// Moves the window to (0, 0) when its frame does not meet any screen's available area.
void KeepFormOnScreen(QWidget& window);

}  // namespace corvell::ui
