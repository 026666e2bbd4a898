// The drawing primitives every bitmap of the catalog is made of, public so that panel skins can
// paint their keys, lamps and read-outs at their hot-zone rectangles in the one shared look.
// Thread contract: user-interface thread only (the legend fitting keeps a cache of fonts).
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace corvell::art {

// The palette of the instrument.
namespace palette {
inline constexpr QRgb kBodyDark = 0xff24282c;
inline constexpr QRgb kBodyDarkLight = 0xff3a4046;
inline constexpr QRgb kBodyDarkShade = 0xff15181b;
inline constexpr QRgb kBodyLight = 0xffc9ccd0;
inline constexpr QRgb kBodyLightLight = 0xffe8eaec;
inline constexpr QRgb kBodyLightShade = 0xff8c9095;
inline constexpr QRgb kDisplayGround = 0xff000000;
inline constexpr QRgb kDisplayText = 0xff00ffff;
inline constexpr QRgb kDisplayUnlit = 0xff003338;
inline constexpr QRgb kKeyFace = 0xff4a5058;
inline constexpr QRgb kKeyPressed = 0xff2e3237;
inline constexpr QRgb kKeyFaceLight = 0xffe0e2e5;
inline constexpr QRgb kKeyPressedLight = 0xffb0b4b9;
inline constexpr QRgb kLegendOnDark = 0xfff0f2f4;
inline constexpr QRgb kLegendOnLight = 0xff1c1f22;
inline constexpr QRgb kLampOff = 0xff3a3f44;
inline constexpr QRgb kLampOffLegend = 0xff8a9096;
inline constexpr QRgb kLampOnLegend = 0xff101214;
inline constexpr QRgb kLampAmber = 0xffffb000;
inline constexpr QRgb kLampGreen = 0xff3cff5a;
inline constexpr QRgb kLampRed = 0xffff3b30;
inline constexpr QRgb kKnobBody = 0xff5a616a;
inline constexpr QRgb kKnobRim = 0xff2a2e33;
inline constexpr QRgb kPointer = 0xffffffff;
}  // namespace palette

// Which body a panel has: the dark receiver front, or the pale radio variant.
enum class Body { Dark, Light };

// The colour a lamp takes when lit.
enum class LampColour { Amber, Green, Red };

// A lamp's face: off, on, and the two "on" faces that a user must tell apart by their frame.
enum class LampFace { Off, On, Held, Blinking };

// The text centred in the rectangle, fitted with a 2 px margin.
void drawLegend(QPainter& p, const QRectF& r, const QString& text, QColor colour, bool bold,
                Qt::Alignment align = Qt::AlignCenter);

// A panel's body: the face with its 1 px lighter top/left and darker bottom/right edge.
void drawPanelFace(QPainter& p, const QRectF& r, Body body = Body::Dark);

// A black display window (the LCD ground) with a thin bezel inside the rectangle.
void drawDisplayGround(QPainter& p, const QRectF& r);

// A raised rubber key with its legend; the pressed face is darker, its bevel inverted and its
// legend shifted 1 px down and right.
void drawKey(QPainter& p, const QRectF& r, const QString& legend, bool pressed,
             Body body = Body::Dark);

// The pressed face of a key whose legend the skin carries: a translucent dark face with an
// inverted bevel, so the skin's legend stays readable through it.
void drawPressedOverlay(QPainter& p, const QRectF& r);

// A small LED lamp behind its caption (the caption may be empty).
void drawLamp(QPainter& p, const QRectF& r, const QString& caption, LampFace face,
              LampColour colour = LampColour::Amber);

// An annunciator of a display window: the caption faint when off, cyan when lit.
void drawDisplayLamp(QPainter& p, const QRectF& r, const QString& caption, bool lit);

// Cyan text on the display ground, fitted to the rectangle.
void drawDisplayText(QPainter& p, const QRectF& r, const QString& text,
                     Qt::Alignment align = Qt::AlignCenter);

// One seven-segment glyph on the display ground, slanted 6 degrees, unlit segments faint.
// Shows 0-9, A, b, C, d, E, F, "-" and blank (every segment unlit); other characters blank.
// `ground` false leaves the background as it is.
void drawSevenSegment(QPainter& p, const QRectF& r, QChar c, bool ground = true);

// The decimal point of a seven-segment read-out: a square dot at the foot of the rectangle.
void drawSegmentPoint(QPainter& p, const QRectF& r, bool lit = true, bool ground = true);

// A row of `steps` display cells; `lit` cells from the left are lit (bar), or, with
// `pointer`, only cell `lit` (0-based) is lit. Unlit cells are faint.
void drawMeterSteps(QPainter& p, const QRectF& r, int steps, int lit, bool pointer);

// A round knob's body and rim centred in the rectangle (the panel draws the pointer). With a cap
// diameter, a lighter cap of that size stands on a darker skirt.
void drawKnob(QPainter& p, const QRectF& r, qreal capDiameter = 0);

// The scale of a knob: `ticks` marks on an arc from `fromDeg` sweeping `spanDeg` clockwise
// (screen y downward), between radii r0 and r1 around the centre.
void drawKnobScale(QPainter& p, QPointF centre, qreal r0, qreal r1, qreal fromDeg, qreal spanDeg,
                   int ticks);

// A tuning dial: knurled skirt, rim and body filling the rectangle (the panel draws its mark).
void drawDialFace(QPainter& p, const QRectF& r);

}  // namespace corvell::art
