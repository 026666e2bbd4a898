#include "resources/Artwork.h"

#include <QPainter>
#include <cmath>
#include <unordered_map>

#include "resources/ArtCatalog.h"

namespace corvell::art {
namespace {

// Pixmaps by (id, ratio in hundredths); nodes of an unordered_map keep their address, so the
// references handed out stay valid until the cache is cleared.
std::unordered_map<long long, QPixmap>& cache() {
    static std::unordered_map<long long, QPixmap> pixmaps;
    return pixmaps;
}

long long cacheKey(int id, qreal dpr) {
    return (static_cast<long long>(id) << 16) | static_cast<long long>(std::lround(dpr * 100));
}

QPixmap render(const ArtRow& row, qreal dpr) {
    QPixmap pm(static_cast<int>(std::lround(row.width * dpr)),
               static_cast<int>(std::lround(row.height * dpr)));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setClipRect(QRectF(0, 0, row.width, row.height));
    drawArtRow(p, row);
    return pm;
}

}  // namespace

bool hasArtwork(int id) {
    return findArtRow(id) != nullptr;
}

QSize artworkSize(int id) {
    const ArtRow* row = findArtRow(id);
    return row ? QSize(row->width, row->height) : QSize();
}

const QPixmap& artwork(int id, qreal devicePixelRatio) {
    static const QPixmap kNone;
    const ArtRow* row = findArtRow(id);
    if (!row || !(devicePixelRatio > 0) || devicePixelRatio > 16) return kNone;
    auto& pixmaps = cache();
    const long long key = cacheKey(id, devicePixelRatio);
    auto it = pixmaps.find(key);
    if (it == pixmaps.end()) it = pixmaps.emplace(key, render(*row, devicePixelRatio)).first;
    return it->second;
}

void clearArtworkCache() {
    cache().clear();
}

}  // namespace corvell::art
