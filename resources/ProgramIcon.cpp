#include "resources/ProgramIcon.h"

#include <QPainter>
#include <algorithm>

#include "resources/Artwork.h"

namespace corvell::art {
namespace {

// The title window's icon picture.
constexpr int kIconPictureId = 502;

QPixmap squared(qreal devicePixelRatio) {
    const QPixmap& picture = artwork(kIconPictureId, devicePixelRatio);
    const QSize size = artworkSize(kIconPictureId);
    const int side = std::max(size.width(), size.height());
    QPixmap square(QSize(side, side) * devicePixelRatio);
    square.setDevicePixelRatio(devicePixelRatio);
    square.fill(Qt::transparent);
    QPainter p(&square);
    p.drawPixmap((side - size.width()) / 2, (side - size.height()) / 2, picture);
    return square;
}

}  // namespace

QIcon programIcon() {
    QIcon icon;
    for (qreal ratio : {1.0, 2.0}) icon.addPixmap(squared(ratio));
    return icon;
}

}  // namespace corvell::art
