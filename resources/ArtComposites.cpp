#include "resources/ArtComposites.h"

#include <QPainterPath>
#include <QtMath>
#include <algorithm>

#include "resources/StringTable.h"

namespace corvell::art {
namespace {

QRectF rectOf(const SkinItem& item, const QRectF& origin) {
    return QRectF(origin.left() + item.x, origin.top() + item.y, item.width, item.height);
}

QColor printColour(Body body) {
    return QColor::fromRgb(body == Body::Dark ? palette::kLampOffLegend : palette::kLegendOnLight);
}

// A read-out of seven-segment places: digits and points, each point 4 px wide.
void drawReadout(QPainter& p, const QRectF& r, const QString& text, qreal digitWidth) {
    qreal x = r.left();
    for (QChar c : text) {
        if (c == QLatin1Char('.')) {
            drawSegmentPoint(p, QRectF(x, r.top(), 4, r.height()));
            x += 4;
        } else {
            drawSevenSegment(p, QRectF(x, r.top(), digitWidth, r.height()), c);
            x += digitWidth;
        }
    }
}

}  // namespace

void drawSkin(QPainter& p, const QRectF& r, const SkinLayout& layout) {
    drawPanelFace(p, r, layout.body);
    for (const SkinItem& item : layout.items) {
        const QRectF ir = rectOf(item, r);
        const QString text = QString::fromUtf8(item.text ? item.text : "");
        switch (item.part) {
            case SkinPart::Key:
                drawKey(p, ir, text, false, layout.body);
                break;
            case SkinPart::Lamp:
                drawLamp(p, ir, text, LampFace::Off);
                break;
            case SkinPart::Display:
                drawDisplayGround(p, ir);
                break;
            case SkinPart::Caption:
                drawLegend(p, ir, text, printColour(layout.body), true);
                break;
            case SkinPart::CaptionLeft:
                drawLegend(p, ir, text, printColour(layout.body), true, Qt::AlignLeft);
                break;
            case SkinPart::UnlitDigit:
                drawSevenSegment(p, ir, QLatin1Char(' '));
                break;
            case SkinPart::UnlitPoint:
                drawSegmentPoint(p, ir, false);
                break;
            case SkinPart::Dial:
                drawDialFace(p, ir);
                break;
            case SkinPart::Knob:
                drawKnob(p, ir, item.a);
                break;
            case SkinPart::KnobScale: {
                const qreal outer = ir.width() / 2;
                drawKnobScale(p, ir.center(), outer - 3, outer, item.a, item.b, item.c);
                break;
            }
        }
    }
}

void drawToolButton(QPainter& p, const QRectF& r, const QString& word, Face face, bool withLamp) {
    const bool pressed = face == Face::Pressed;
    const bool dark = face == Face::Dark || face == Face::DarkLit;
    // The word's box is no taller than a line of the strip, so short and long words read as
    // one family of legends.
    constexpr qreal kWordBox = 13;
    QRectF legend = r.adjusted(1, 1, -1, -1);
    QRectF lamp;
    if (withLamp) {
        if (r.height() >= 30) {
            // Tall tools: a lamp bar across the top, the word beneath.
            lamp = QRectF(r.left() + 6, r.top() + 4, r.width() - 12, 7);
            legend = r.adjusted(1, 11, -1, -1);
        } else {
            // Short tools: a lamp at the left, the word beside it.
            lamp = QRectF(r.left() + 4, r.top() + 4, 7, r.height() - 8);
            legend = r.adjusted(11, 1, -1, -1);
        }
    }
    if (legend.height() > kWordBox) {
        legend =
            QRectF(legend.left(), legend.center().y() - kWordBox / 2, legend.width(), kWordBox);
    }
    drawKey(p, r, QString(), pressed);
    const QColor ink = QColor::fromRgb(palette::kLegendOnDark);
    drawLegend(p, pressed ? legend.translated(1, 1) : legend, word, ink, true);
    if (withLamp) {
        const bool lit = face == Face::Lit || face == Face::DarkLit;
        drawLamp(p, lamp, QString(), lit ? LampFace::On : LampFace::Off);
        if (face == Face::Blinking) {
            // The dark phase of a blinking lamp: unlit, in the dashed frame of blinking.
            p.save();
            p.setRenderHint(QPainter::Antialiasing);
            QPen frame(QColor::fromRgb(palette::kLampAmber), 1);
            frame.setDashPattern({2, 2});
            p.setPen(frame);
            p.setBrush(Qt::NoBrush);
            p.drawRect(lamp.adjusted(-1.5, -1.5, 1.5, 1.5));
            p.restore();
        }
    }
    if (dark) {
        // Not available: the whole tool sinks into the body.
        QColor veil = QColor::fromRgb(palette::kBodyDark);
        veil.setAlpha(165);
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(veil);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
        p.restore();
    }
}

void drawDisplayGlyph(QPainter& p, const QRectF& r, QChar c) {
    if (c != QLatin1Char('*') && c != QLatin1Char('#')) {
        drawSevenSegment(p, r, c);
        return;
    }
    p.fillRect(r, QColor::fromRgb(palette::kDisplayGround));
    const qreal h = r.height() * 0.86;
    const qreal t = std::max(1.2, h * 0.13);
    const QPointF m = r.center();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor::fromRgb(palette::kDisplayText), t, Qt::SolidLine, Qt::FlatCap));
    if (c == QLatin1Char('*')) {
        const qreal a = h * 0.36;
        for (int i = 0; i < 3; ++i) {
            const qreal rad = qDegreesToRadians(90.0 + 60.0 * i);
            const QPointF u(std::cos(rad) * a, std::sin(rad) * a);
            p.drawLine(m - u, m + u);
        }
    } else {
        const qreal a = h * 0.42, s = h * 0.17, k = h * 0.08;
        p.drawLine(QPointF(m.x() - a, m.y() - s), QPointF(m.x() + a, m.y() - s));
        p.drawLine(QPointF(m.x() - a, m.y() + s), QPointF(m.x() + a, m.y() + s));
        p.drawLine(QPointF(m.x() - s + k, m.y() - a), QPointF(m.x() - s - k, m.y() + a));
        p.drawLine(QPointF(m.x() + s + k, m.y() - a), QPointF(m.x() + s - k, m.y() + a));
    }
    p.restore();
}

void drawRule(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor::fromRgb(palette::kBodyLight));
    const qreal w = std::min<qreal>(r.width(), 2), h = std::min<qreal>(r.height(), 2);
    if (r.width() >= r.height()) {
        const qreal y = r.center().y() - h / 2;
        p.fillRect(QRectF(r.left(), y, r.width(), h / 2),
                   QColor::fromRgb(palette::kBodyLightShade));
        p.fillRect(QRectF(r.left(), y + h / 2, r.width(), h / 2),
                   QColor::fromRgb(palette::kBodyLightLight));
    } else {
        const qreal x = r.center().x() - w / 2;
        p.fillRect(QRectF(x, r.top(), w / 2, r.height()),
                   QColor::fromRgb(palette::kBodyLightShade));
        p.fillRect(QRectF(x + w / 2, r.top(), w / 2, r.height()),
                   QColor::fromRgb(palette::kBodyLightLight));
    }
}

void drawListMarker(QPainter& p, const QRectF& r, bool active) {
    p.fillRect(r, QColor::fromRgb(palette::kBodyLight));
    drawKey(p, r, QString(), false, active ? Body::Dark : Body::Light);
    const qreal lampW = std::min<qreal>(4, r.width() / 4);
    drawLamp(p, QRectF(r.right() - lampW - 1.5, r.top() + 3, lampW, r.height() - 6), QString(),
             active ? LampFace::On : LampFace::Off);
}

void drawTitleSide(QPainter& p, const QRectF& r) {
    drawPanelFace(p, r);
    const qreal cx = r.center().x();
    // Status lamps across the top.
    drawLamp(p, QRectF(r.left() + 8, r.top() + 10, 26, 10), QStringLiteral("PWR"), LampFace::On,
             LampColour::Green);
    drawLamp(p, QRectF(cx - 13, r.top() + 10, 26, 10), QStringLiteral("FM"), LampFace::On);
    drawLamp(p, QRectF(r.right() - 34, r.top() + 10, 26, 10), QStringLiteral("ATT"), LampFace::Off);
    // The read-out.
    const QRectF window(r.left() + 8, r.top() + 30, r.width() - 16, 24);
    drawDisplayGround(p, window);
    drawReadout(p, QRectF(window.left() + 3, window.top() + 3, 0, 18), QStringLiteral("145.50"),
                14.5);
    // The tuning dial.
    drawDialFace(p, QRectF(cx - 36, r.top() + 66, 72, 72));
    // The key pad.
    static const char* const kKeys[] = {"1", "2", "3", "4", "5", "6",
                                        "7", "8", "9", ".", "0", "ENT"};
    const qreal kw = 26, kh = 20, gx = 4, gy = 5;
    const qreal left = cx - (3 * kw + 2 * gx) / 2;
    for (int i = 0; i < 12; ++i) {
        const QRectF k(left + (i % 3) * (kw + gx), r.top() + 156 + (i / 3) * (kh + gy), kw, kh);
        drawKey(p, k, QString::fromLatin1(kKeys[i]), false);
    }
    drawKnob(p, QRectF(r.left() + 12, r.bottom() - 36, 28, 28));
    drawKnob(p, QRectF(r.right() - 40, r.bottom() - 36, 28, 28));
}

void drawTitleName(QPainter& p, const QRectF& r) {
    drawPanelFace(p, r);
    const QRectF window = r.adjusted(3, 3, -3, -3);
    drawDisplayGround(p, window);
    QString name = res::LoadResString(10000).toUpper();
    QString spaced;
    for (QChar c : name) {
        if (!spaced.isEmpty()) spaced += QChar(0x2009);
        spaced += c;
    }
    drawLegend(p, window.adjusted(2, 1, -2, -1), spaced, QColor::fromRgb(palette::kDisplayText),
               true);
}

void drawTitleIcon(QPainter& p, const QRectF& r) {
    drawPanelFace(p, r);
    const QRectF window(r.left() + 5, r.top() + 5, r.width() - 10, 20);
    drawDisplayGround(p, window);
    drawReadout(p, QRectF(window.left() + 4, window.top() + 2, 0, 16), QStringLiteral("145.5"), 14);
    drawKey(p, QRectF(r.left() + 5, r.top() + 31, 20, 11), QStringLiteral("FM"), false);
    drawKey(p, QRectF(r.left() + 27, r.top() + 31, 20, 11), QStringLiteral("AM"), false);
    drawLamp(p, QRectF(r.left() + 5, r.top() + 46, 20, 7), QString(), LampFace::On,
             LampColour::Green);
    drawLamp(p, QRectF(r.left() + 27, r.top() + 46, 20, 7), QString(), LampFace::Off);
    drawDialFace(p, QRectF(r.right() - 31, r.top() + 28, 27, 27));
}

}  // namespace corvell::art
