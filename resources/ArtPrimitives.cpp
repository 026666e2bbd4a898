#include "resources/ArtPrimitives.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>

namespace corvell::art {
namespace {

constexpr int kMinLegendPx = 6;
// How far a legend may be narrowed to keep the size its key's height allows: a long word on a
// small key stays as tall as a short one beside it instead of shrinking to a speck.
constexpr qreal kMostSqueeze = 0.6;
constexpr qreal kLegendMargin = 2.0;
const qreal kSlant = std::tan(qDegreesToRadians(6.0));

// A fitted legend font and the horizontal squeeze that still lets it fit at the smallest size.
struct Fit {
    QFont font;
    qreal xScale = 1.0;
};

QFont arial(int px, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(px);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferVerticalHinting);
    return f;
}

// Fits by the text's ink (tight bounds), so capitals use the whole height of a small key: the
// largest size whose ink fits the height and, narrowed by at most kMostSqueeze, the width.
const Fit& fitted(const QString& text, const QSizeF& box, bool bold) {
    static QHash<QString, Fit> cache;
    const QString key = QStringLiteral("%1|%2|%3|%4")
                            .arg(text)
                            .arg(box.width(), 0, 'f', 2)
                            .arg(box.height(), 0, 'f', 2)
                            .arg(bold ? 1 : 0);
    auto it = cache.constFind(key);
    if (it != cache.constEnd()) return *it;
    Fit fit;
    int px = std::max(kMinLegendPx, static_cast<int>(std::floor(box.height() * 1.4)));
    for (; px >= kMinLegendPx; --px) {
        fit.font = arial(px, bold);
        const QRectF ink = QFontMetricsF(fit.font).tightBoundingRect(text);
        if (ink.width() * kMostSqueeze <= box.width() && ink.height() <= box.height()) {
            if (ink.width() > box.width()) fit.xScale = box.width() / ink.width();
            break;
        }
    }
    if (px < kMinLegendPx) {
        fit.font = arial(kMinLegendPx, bold);
        const qreal w = QFontMetricsF(fit.font).tightBoundingRect(text).width();
        if (w > box.width() && w > 0) fit.xScale = std::max(0.3, box.width() / w);
    }
    return *cache.insert(key, fit);
}

QColor lampColour(LampColour c) {
    switch (c) {
        case LampColour::Green:
            return QColor::fromRgb(palette::kLampGreen);
        case LampColour::Red:
            return QColor::fromRgb(palette::kLampRed);
        case LampColour::Amber:
            break;
    }
    return QColor::fromRgb(palette::kLampAmber);
}

qreal cornerRadius(const QRectF& r, qreal most) {
    return std::min({most, r.width() / 4, r.height() / 4});
}

// Segment bits: a top, b upper right, c lower right, d bottom, e lower left, f upper left,
// g middle.
int segmentsOf(QChar c) {
    switch (c.toLatin1()) {
        case '0':
            return 0b0111111;
        case '1':
            return 0b0000110;
        case '2':
            return 0b1011011;
        case '3':
            return 0b1001111;
        case '4':
            return 0b1100110;
        case '5':
            return 0b1101101;
        case '6':
            return 0b1111101;
        case '7':
            return 0b0000111;
        case '8':
            return 0b1111111;
        case '9':
            return 0b1101111;
        case 'A':
            return 0b1110111;
        case 'b':
        case 'B':
            return 0b1111100;
        case 'C':
            return 0b0111001;
        case 'd':
        case 'D':
            return 0b1011110;
        case 'E':
            return 0b1111001;
        case 'F':
            return 0b1110001;
        case '-':
            return 0b1000000;
        default:
            return 0;
    }
}

QPolygonF horizontalSegment(qreal x0, qreal x1, qreal y, qreal t, qreal gap) {
    const qreal h = t / 2;
    return QPolygonF({{x0 + gap, y},
                      {x0 + gap + h, y - h},
                      {x1 - gap - h, y - h},
                      {x1 - gap, y},
                      {x1 - gap - h, y + h},
                      {x0 + gap + h, y + h}});
}

QPolygonF verticalSegment(qreal x, qreal y0, qreal y1, qreal t, qreal gap) {
    const qreal h = t / 2;
    return QPolygonF({{x, y0 + gap},
                      {x + h, y0 + gap + h},
                      {x + h, y1 - gap - h},
                      {x, y1 - gap},
                      {x - h, y1 - gap - h},
                      {x - h, y0 + gap + h}});
}

// Keeps an antialiased primitive inside its rectangle: edge pixels of rounded shapes would
// otherwise pick up a trace of coverage just outside it.
class Clipped {
  public:
    Clipped(QPainter& p, const QRectF& r) : p_(p) {
        p_.save();
        p_.setClipRect(r, Qt::IntersectClip);
    }
    ~Clipped() { p_.restore(); }
    Clipped(const Clipped&) = delete;
    Clipped& operator=(const Clipped&) = delete;

  private:
    QPainter& p_;
};

}  // namespace

void drawLegend(QPainter& p, const QRectF& r, const QString& text, QColor colour, bool bold,
                Qt::Alignment align) {
    const Clipped clip(p, r);
    if (text.isEmpty()) return;
    const QRectF box = r.adjusted(kLegendMargin, kLegendMargin, -kLegendMargin, -kLegendMargin);
    if (box.width() <= 0 || box.height() <= 0) return;
    const Fit& fit = fitted(text, box.size(), bold);
    const QRectF ink = QFontMetricsF(fit.font).tightBoundingRect(text);
    const qreal inkW = ink.width() * fit.xScale;
    qreal left = box.center().x() - inkW / 2;
    if (align & Qt::AlignLeft) left = box.left();
    if (align & Qt::AlignRight) left = box.right() - inkW;
    const qreal baseline = box.center().y() - (ink.top() + ink.height() / 2);
    p.save();
    p.setFont(fit.font);
    p.setPen(colour);
    p.translate(left, baseline);
    p.scale(fit.xScale, 1.0);
    p.drawText(QPointF(-ink.left(), 0), text);
    p.restore();
}

void drawPanelFace(QPainter& p, const QRectF& r, Body body) {
    const bool dark = body == Body::Dark;
    p.fillRect(r, QColor::fromRgb(dark ? palette::kBodyDark : palette::kBodyLight));
    const QColor light = QColor::fromRgb(dark ? palette::kBodyDarkLight : palette::kBodyLightLight);
    const QColor shade = QColor::fromRgb(dark ? palette::kBodyDarkShade : palette::kBodyLightShade);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 1), light);
    p.fillRect(QRectF(r.left(), r.top(), 1, r.height()), light);
    p.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), shade);
    p.fillRect(QRectF(r.right() - 1, r.top(), 1, r.height()), shade);
}

void drawDisplayGround(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor::fromRgb(palette::kDisplayGround));
    // A recessed bezel: dark above and left, the body's light edge below and right.
    p.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1),
               QColor::fromRgb(palette::kBodyDarkLight));
    p.fillRect(QRectF(r.right() - 1, r.top(), 1, r.height()),
               QColor::fromRgb(palette::kBodyDarkLight));
}

void drawKey(QPainter& p, const QRectF& r, const QString& legend, bool pressed, Body body) {
    const Clipped clip(p, r);
    const bool dark = body == Body::Dark;
    const QColor face =
        QColor::fromRgb(dark ? (pressed ? palette::kKeyPressed : palette::kKeyFace)
                             : (pressed ? palette::kKeyPressedLight : palette::kKeyFaceLight));
    const QColor hi = face.lighter(pressed ? 80 : 135);
    const QColor lo = QColor::fromRgb(dark ? palette::kBodyDarkShade : palette::kBodyLightShade);
    const QRectF k = r.adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal rad = cornerRadius(k, 2.5);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(lo, 1));
    p.setBrush(face);
    p.drawRoundedRect(k, rad, rad);
    // Bevel: light top/left on a raised key, dark top/left on a pressed one.
    const QRectF in = k.adjusted(1, 1, -1, -1);
    if (in.width() > 1 && in.height() > 1) {
        p.setPen(QPen(pressed ? lo : hi, 1));
        p.drawLine(QPointF(in.left() + rad / 2, in.top()), QPointF(in.right() - rad / 2, in.top()));
        p.drawLine(QPointF(in.left(), in.top() + rad / 2),
                   QPointF(in.left(), in.bottom() - rad / 2));
    }
    p.restore();
    const QColor ink = QColor::fromRgb(dark ? palette::kLegendOnDark : palette::kLegendOnLight);
    drawLegend(p, pressed ? r.translated(1, 1) : r, legend, ink, true);
}

void drawPressedOverlay(QPainter& p, const QRectF& r) {
    const Clipped clip(p, r);
    const QRectF k = r.adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal rad = cornerRadius(k, 2.5);
    QColor face = QColor::fromRgb(palette::kKeyPressed);
    face.setAlpha(175);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor::fromRgb(palette::kBodyDarkShade), 1));
    p.setBrush(face);
    p.drawRoundedRect(k, rad, rad);
    const QRectF in = k.adjusted(1, 1, -1, -1);
    if (in.width() > 1 && in.height() > 1) {
        p.setPen(QPen(QColor(0, 0, 0, 200), 1));
        p.drawLine(QPointF(in.left() + rad / 2, in.top()), QPointF(in.right() - rad / 2, in.top()));
        p.drawLine(QPointF(in.left(), in.top() + rad / 2),
                   QPointF(in.left(), in.bottom() - rad / 2));
    }
    p.restore();
}

void drawLamp(QPainter& p, const QRectF& r, const QString& caption, LampFace face,
              LampColour colour) {
    const Clipped clip(p, r);
    const bool lit = face != LampFace::Off;
    const QRectF k = r.adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal rad = cornerRadius(k, 2);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor::fromRgb(palette::kBodyDarkShade), 1));
    if (lit) {
        // A lit LED: bright, with a glow at its top.
        const QColor c = lampColour(colour);
        QLinearGradient g(k.topLeft(), k.bottomLeft());
        g.setColorAt(0, c.lighter(140));
        g.setColorAt(0.45, c);
        g.setColorAt(1, c.darker(115));
        p.setBrush(g);
    } else {
        p.setBrush(QColor::fromRgb(palette::kLampOff));
    }
    p.drawRoundedRect(k, rad, rad);
    if (face == LampFace::Held || face == LampFace::Blinking) {
        // The frame tells held and blinking apart from plain on: solid white for held,
        // dashed white for blinking.
        QPen frame(QColor::fromRgb(palette::kLegendOnDark), 1);
        if (face == LampFace::Blinking) frame.setDashPattern({2, 2});
        p.setPen(frame);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(k.adjusted(0.5, 0.5, -0.5, -0.5), rad, rad);
    }
    p.restore();
    drawLegend(p, r, caption,
               QColor::fromRgb(lit ? palette::kLampOnLegend : palette::kLampOffLegend), false);
}

void drawDisplayLamp(QPainter& p, const QRectF& r, const QString& caption, bool lit) {
    const Clipped clip(p, r);
    p.fillRect(r, QColor::fromRgb(palette::kDisplayGround));
    const QColor c = QColor::fromRgb(lit ? palette::kDisplayText : palette::kDisplayUnlit);
    if (lit) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(c, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);
        p.restore();
    }
    drawLegend(p, r.adjusted(0.5, 0, -0.5, 0), caption, c, true);
}

void drawDisplayText(QPainter& p, const QRectF& r, const QString& text, Qt::Alignment align) {
    p.fillRect(r, QColor::fromRgb(palette::kDisplayGround));
    // Display lettering keeps one height in a tall window, as an LCD's characters do.
    constexpr qreal kMostHeight = 14;
    QRectF box = r;
    if (box.height() > kMostHeight) {
        box = QRectF(r.left(), r.center().y() - kMostHeight / 2, r.width(), kMostHeight);
    }
    drawLegend(p, box, text, QColor::fromRgb(palette::kDisplayText), true, align);
}

void drawSevenSegment(QPainter& p, const QRectF& r, QChar c, bool ground) {
    const Clipped clip(p, r);
    if (ground) p.fillRect(r, QColor::fromRgb(palette::kDisplayGround));
    // The glyph box: 90 % of the height, width 60 % of the height, centred, room for the slant.
    const qreal h = r.height() * 0.86;
    const qreal w = std::min(h * 0.6, r.width() - h * kSlant - 1);
    const qreal t = std::max(1.2, h * 0.13);
    const qreal gap = t * 0.18;
    const qreal left = r.center().x() - w / 2;
    const qreal top = r.center().y() - h / 2;
    const qreal right = left + w, bottom = top + h;
    const qreal xl = left + t / 2, xr = right - t / 2;
    const qreal yt = top + t / 2, ym = (top + bottom) / 2, yb = bottom - t / 2;
    const std::array<QPolygonF, 7> seg = {
        horizontalSegment(xl, xr, yt, t, gap), verticalSegment(xr, yt, ym, t, gap),
        verticalSegment(xr, ym, yb, t, gap),   horizontalSegment(xl, xr, yb, t, gap),
        verticalSegment(xl, ym, yb, t, gap),   verticalSegment(xl, yt, ym, t, gap),
        horizontalSegment(xl, xr, ym, t, gap)};
    const int on = segmentsOf(c);
    QTransform slant;
    slant.translate(r.center().x(), r.center().y());
    slant.shear(-kSlant, 0);
    slant.translate(-r.center().x(), -r.center().y());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        const bool lit = (on >> i) & 1;
        p.setBrush(QColor::fromRgb(lit ? palette::kDisplayText : palette::kDisplayUnlit));
        p.drawPolygon(slant.map(seg[i]));
    }
    p.restore();
}

void drawSegmentPoint(QPainter& p, const QRectF& r, bool lit, bool ground) {
    const Clipped clip(p, r);
    if (ground) p.fillRect(r, QColor::fromRgb(palette::kDisplayGround));
    const QColor colour = QColor::fromRgb(lit ? palette::kDisplayText : palette::kDisplayUnlit);
    // A place no taller than it is wide holds the dot alone: the dot fills it, square and whole.
    if (r.height() <= r.width()) {
        p.fillRect(r, colour);
        return;
    }
    const qreal h = r.height() * 0.86;
    const qreal t = std::min(std::max(1.2, h * 0.13), r.width());
    const qreal bottom = r.center().y() + h / 2;
    const QRectF dot(r.center().x() - t / 2, bottom - t, t, t);
    p.fillRect(dot, colour);
}

void drawMeterSteps(QPainter& p, const QRectF& r, int steps, int lit, bool pointer) {
    p.fillRect(r, QColor::fromRgb(palette::kDisplayGround));
    if (steps <= 0) return;
    const qreal gap = r.width() >= steps * 4 ? 1.0 : 0.0;
    const qreal cell = (r.width() - gap * (steps + 1)) / steps;
    for (int i = 0; i < steps; ++i) {
        const bool on = pointer ? i == lit : i < lit;
        const QRectF c(r.left() + gap + i * (cell + gap), r.top() + 1, cell, r.height() - 2);
        p.fillRect(c, QColor::fromRgb(on ? palette::kDisplayText : palette::kDisplayUnlit));
    }
}

void drawKnob(QPainter& p, const QRectF& r, qreal capDiameter) {
    const Clipped clip(p, r);
    const qreal d = std::min(r.width(), r.height()) - 1;
    const QRectF c(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
    const qreal rim = std::max(1.5, d * 0.09);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(palette::kKnobRim));
    p.drawEllipse(c);
    QRadialGradient g(c.center() - QPointF(d * 0.18, d * 0.22), d * 0.7);
    const QColor body = QColor::fromRgb(palette::kKnobBody);
    const bool capped = capDiameter > 0 && capDiameter < d - 2 * rim;
    // Under a cap the body is the skirt, darker, so the cap's edge stands out against it.
    g.setColorAt(0, capped ? body.darker(115) : body.lighter(125));
    g.setColorAt(1, capped ? body.darker(160) : body.darker(115));
    p.setBrush(g);
    p.drawEllipse(c.adjusted(rim, rim, -rim, -rim));
    if (capped) {
        // A pointer marked near the cap's edge reads as a pointer at any angle, never as a dash
        // floating in the middle of a wide face.
        const QRectF cap(c.center() - QPointF(capDiameter, capDiameter) / 2,
                         QSizeF(capDiameter, capDiameter));
        QRadialGradient top(cap.center() - QPointF(capDiameter * 0.2, capDiameter * 0.25),
                            capDiameter * 0.8);
        top.setColorAt(0, body.lighter(150));
        top.setColorAt(1, body.lighter(110));
        p.setPen(QPen(QColor::fromRgb(palette::kKnobRim), 1));
        p.setBrush(top);
        p.drawEllipse(cap);
    }
    p.restore();
}

void drawKnobScale(QPainter& p, QPointF centre, qreal r0, qreal r1, qreal fromDeg, qreal spanDeg,
                   int ticks) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor::fromRgb(palette::kLampOffLegend), 1, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < ticks; ++i) {
        const qreal a = qDegreesToRadians(fromDeg + spanDeg * i / std::max(1, ticks - 1));
        const QPointF u(std::cos(a), std::sin(a));
        p.drawLine(centre + u * r0, centre + u * r1);
    }
    p.restore();
}

void drawDialFace(QPainter& p, const QRectF& r) {
    const Clipped clip(p, r);
    const QRectF outer = r.adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal skirt = std::max(2.0, std::min(r.width(), r.height()) * 0.08);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(palette::kKnobRim));
    p.drawEllipse(outer);
    // Knurling on the skirt.
    p.setPen(QPen(QColor::fromRgb(palette::kKnobBody).darker(130), 1));
    const QPointF c = outer.center();
    const qreal rx = outer.width() / 2, ry = outer.height() / 2;
    for (int i = 0; i < 72; ++i) {
        const qreal a = qDegreesToRadians(i * 5.0);
        const QPointF u(std::cos(a), std::sin(a));
        p.drawLine(c + QPointF(u.x() * (rx - skirt + 0.5), u.y() * (ry - skirt + 0.5)),
                   c + QPointF(u.x() * (rx - 0.8), u.y() * (ry - 0.8)));
    }
    p.setPen(Qt::NoPen);
    const QRectF face = outer.adjusted(skirt, skirt, -skirt, -skirt);
    QRadialGradient g(face.center() - QPointF(face.width() * 0.2, face.height() * 0.25),
                      std::max(face.width(), face.height()) * 0.75);
    const QColor body = QColor::fromRgb(palette::kKnobBody);
    g.setColorAt(0, body.lighter(130));
    g.setColorAt(1, body.darker(120));
    p.setBrush(g);
    p.drawEllipse(face);
    p.restore();
}

}  // namespace corvell::art
