// The visible scope picture of a view: shows the composed picture as it was at the last paint
// (the view copies it in explicitly, never on every tick), the pause marker line over it, and
// reports left and right mouse presses with their column.
// Thread contract: user-interface thread only.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

namespace corvell {

class ScopeDisplay : public QWidget {
    Q_OBJECT

  public:
    explicit ScopeDisplay(QWidget* parent = nullptr);

    // Copies the picture to the screen (the one screen copy of a paint).
    void showPicture(const QImage& picture);
    // The marker line's column, or none; repaints only when it changes.
    void setMarker(std::optional<int> column);
    std::optional<int> marker() const { return marker_; }
    // How many pictures were copied to the screen.
    int paints() const { return paints_; }
    const QImage& shown() const { return shown_; }

    // Button 1 left, 2 right; x is the picture column.
    std::function<void(int button, int x)> onMouseDown;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage shown_;
    std::optional<int> marker_;
    int paints_ = 0;
};

}  // namespace corvell
