#include "ui/ImageHotZone.h"

#include <QMouseEvent>
#include <QPainter>

#include "resources/Artwork.h"
#include "ui/AccessibleImages.h"
#include "ui/Twips.h"
#include "ui/VirtualKeys.h"

namespace corvell::ui {
namespace {

ImageHotZone::PixmapSource& defaultSource() {
    static ImageHotZone::PixmapSource source = [](int id, qreal ratio) {
        return corvell::art::artwork(id, ratio);
    };
    return source;
}

float twipsOf(qreal pixels) {
    return static_cast<float>(pixelsToTwips(pixels));
}

}  // namespace

void ImageHotZone::setDefaultPixmapSource(PixmapSource source) {
    defaultSource() = std::move(source);
}

ImageHotZone::ImageHotZone(int index, QWidget* parent, PixmapSource source)
    : QWidget(parent), index_(index), source_(source ? std::move(source) : defaultSource()) {
    installImageAccessibility();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImageHotZone::setImageId(int id) {
    if (id == id_) return;
    id_ = id;
    pixmap_ = QPixmap();
    pixmapStale_ = id != 0;
    update();
    if (kind_ == AccessibleKind::Indicator) nameIndicator();
}

void ImageHotZone::setLegend(const QString& legend) {
    kind_ = AccessibleKind::Key;
    indicatorLegend_.clear();
    stateOf_ = {};
    if (accessibleName() != legend) setAccessibleName(legend);
}

QString ImageHotZone::legend() const {
    return kind_ == AccessibleKind::Key ? accessibleName() : QString();
}

void ImageHotZone::setIndicator(const QString& legend, StateOf stateOf) {
    kind_ = AccessibleKind::Indicator;
    indicatorLegend_ = legend;
    stateOf_ = std::move(stateOf);
    nameIndicator();
}

void ImageHotZone::leaveOutOfTree() {
    kind_ = AccessibleKind::Hidden;
}

// Renames only when the name changes, so a screen reader hears each new state once.
void ImageHotZone::nameIndicator() {
    const QString state = stateOf_ ? stateOf_(id_) : pictureState(id_, indicatorLegend_);
    const QString name = indicatorLegend_ + QStringLiteral(": ") + state;
    if (name != accessibleName()) setAccessibleName(name);
}

QSize ImageHotZone::sizeHint() const {
    if (pixmap_.isNull()) return QWidget::sizeHint();
    return pixmap_.deviceIndependentSize().toSize();
}

const QPixmap& ImageHotZone::currentPixmap() {
    const qreal ratio = devicePixelRatioF();
    if (id_ != 0 && source_ && (pixmapStale_ || pixmap_.devicePixelRatio() != ratio)) {
        pixmap_ = source_(id_, ratio);
        pixmapStale_ = false;
    }
    return pixmap_;
}

void ImageHotZone::paintEvent(QPaintEvent*) {
    const QPixmap& pixmap = currentPixmap();
    if (pixmap.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap);
}

void ImageHotZone::mousePressEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit mouseDown(index_, mouseButtonFromQt(event->button()), shiftStateFromQt(event->modifiers()),
                   twipsOf(p.x()), twipsOf(p.y()));
}

void ImageHotZone::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit mouseMove(index_, mouseButtonsFromQt(event->buttons()),
                   shiftStateFromQt(event->modifiers()), twipsOf(p.x()), twipsOf(p.y()));
}

void ImageHotZone::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit mouseUp(index_, mouseButtonFromQt(event->button()), shiftStateFromQt(event->modifiers()),
                 twipsOf(p.x()), twipsOf(p.y()));
}

// The second press of a double click reports as the double click alone; its release follows
// as a mouse up.
void ImageHotZone::mouseDoubleClickEvent(QMouseEvent*) {
    emit dblClick(index_);
}

void ImageHotZone::press() {
    const float x = twipsOf(width() / 2);
    const float y = twipsOf(height() / 2);
    emit mouseDown(index_, kLeftButton, 0, x, y);
    emit mouseUp(index_, kLeftButton, 0, x, y);
}

}  // namespace corvell::ui
