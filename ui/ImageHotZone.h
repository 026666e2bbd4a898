// An image hot zone of a drawn panel: shows one bitmap by id at its top-left corner (no
// scaling), fetches and repaints it only when the id changes, and reports mouse down, move, up
// and double click with the image's index, the button (1 left, 2 right, 4 middle), the shift
// state (1 Shift, 2 Ctrl, 4 Alt) and the position in twips within the image. For screen readers
// and tests it is a button named by its key's legend ("ENT", "MCH" ...), which can be pressed;
// or an indicator named by its legend and the state its picture shows ("BUSY: on"); or, for a
// picture that says nothing by itself (a frame, a cover, one place of a read-out), nothing.
// Thread contract: user-interface thread only.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>

namespace corvell::ui {

class ImageHotZone : public QWidget {
    Q_OBJECT

  public:
    // Gives the bitmap of an id at a device pixel ratio; a null pixmap for an unknown id.
    using PixmapSource = std::function<QPixmap(int id, qreal devicePixelRatio)>;

    // The source every new hot zone takes unless it is given its own; the artwork catalog
    // (corvell::art::artwork) until another is set.
    static void setDefaultPixmapSource(PixmapSource source);

    explicit ImageHotZone(int index, QWidget* parent = nullptr, PixmapSource source = {});

    int index() const { return index_; }

    // 0 shows no bitmap. Setting the id it already shows does nothing at all.
    void setImageId(int id);
    int imageId() const { return id_; }

    enum class AccessibleKind { Key, Indicator, Hidden };

    // The key's legend: the accessible name a screen reader reads and a test finds it by.
    void setLegend(const QString& legend);
    // A key's legend; "" for an indicator or a hidden picture.
    QString legend() const;

    // The state text a picture shows (the bitmap id, 0 for none).
    using StateOf = std::function<QString(int id)>;
    // Makes the image an indicator named "legend: state", renamed whenever its picture changes;
    // the state is read from the picture (pictureState) unless `stateOf` is given.
    void setIndicator(const QString& legend, StateOf stateOf = {});
    // Leaves the image out of the accessibility tree.
    void leaveOutOfTree();
    AccessibleKind accessibleKind() const { return kind_; }

    // Acts as a left click in the middle of the image (the screen reader's press action).
    void press();

    QSize sizeHint() const override;

  signals:
    void mouseDown(int index, int button, int shift, float x, float y);
    void mouseMove(int index, int button, int shift, float x, float y);
    void mouseUp(int index, int button, int shift, float x, float y);
    void dblClick(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    const QPixmap& currentPixmap();
    void nameIndicator();

    int index_;
    int id_ = 0;
    PixmapSource source_;
    QPixmap pixmap_;
    bool pixmapStale_ = false;
    AccessibleKind kind_ = AccessibleKind::Key;
    QString indicatorLegend_;
    StateOf stateOf_;
};

}  // namespace corvell::ui
