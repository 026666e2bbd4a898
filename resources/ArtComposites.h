// Drawings the catalog composes from the primitives: skins from their layouts, the tool-strip
// tools, the display characters, and the title pictures.
// Thread contract: user-interface thread only, like the primitives.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>

#include "resources/ArtCatalog.h"

namespace corvell::art {

// A panel face with every item of its layout painted at its rectangle.
void drawSkin(QPainter& p, const QRectF& r, const SkinLayout& layout);

// A tool of the frame's tool strip: its word, and a lamp when it has one, in the given face
// (Normal, Lit, Dark, DarkLit, Pressed, Blinking).
void drawToolButton(QPainter& p, const QRectF& r, const QString& word, Face face, bool withLamp);

// A display character: seven segments for 0-9 and A-D, strokes for "*" and "#".
void drawDisplayGlyph(QPainter& p, const QRectF& r, QChar c);

void drawTitleSide(QPainter& p, const QRectF& r);
void drawTitleName(QPainter& p, const QRectF& r);
void drawTitleIcon(QPainter& p, const QRectF& r);

}  // namespace corvell::art
