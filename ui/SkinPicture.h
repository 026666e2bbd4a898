// The skin of a drawn panel: a picture box that shows one pixmap at its top-left corner and,
// pressed with the left button, moves the panel it belongs to (DragByFace).
// Thread contract: user-interface thread only.
#pragma once

#include <QPixmap>
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

  private:
    QPixmap pixmap_;
};

}  // namespace corvell::ui
