// Our own artwork, looked up by the bitmap ids the windows name. Every id is drawn by code from
// one data-driven catalog (id -> size, primitive, caption/state) the first time it is asked for,
// then served from a cache keyed by id and device pixel ratio.
// Thread contract: user-interface thread only (QPixmap).
#pragma once

#include <QPixmap>
#include <QSize>

namespace corvell::art {

// True when the catalog has a drawing for the id.
bool hasArtwork(int id);

// The id's size in pixels at 1x; an empty size for an unknown id.
QSize artworkSize(int id);

// The id's drawing at the given device pixel ratio (its devicePixelRatio set, so it paints at
// artworkSize(id) logical pixels). An unknown id gives a null pixmap, never a crash.
const QPixmap& artwork(int id, qreal devicePixelRatio = 1.0);

// Drops every cached drawing (references returned by artwork() become invalid); the next
// artwork() call draws afresh.
void clearArtworkCache();

}  // namespace corvell::art
