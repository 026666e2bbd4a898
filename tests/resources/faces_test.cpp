// The faces a user must tell apart: lamps off and on (and held and blinking apart from on), a
// key up and pressed, the ten digits and sixteen DTMF characters, and the tool strip's states.
#include <gtest/gtest.h>

#include <QPainter>
#include <algorithm>
#include <map>
#include <vector>

#include "resources/ArtPrimitives.h"
#include "resources/Artwork.h"
#include "tests/support/offscreen_gui_app.h"

namespace corvell::art {
namespace {

class Faces : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::ensureGuiApp(); }

    static QImage image(int id, qreal dpr = 1.0) { return artwork(id, dpr).toImage(); }

    template <typename Draw>
    static QImage painted(QSize size, Draw draw) {
        QImage img(size, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, QRectF(QPointF(0, 0), size));
        return img;
    }
};

// A visible difference: a lamp's worth of pixels, at least a fortieth of the drawing.
void expectClearlyDifferent(const QImage& a, const QImage& b, const char* what) {
    EXPECT_GT(test::differingPixels(a, b), std::max(20, a.width() * a.height() / 40)) << what;
}

TEST_F(Faces, LampsAndIndicatorsDifferOnAndOff) {
    const std::pair<int, int> offOn[] = {
        {1220, 1221}, {1227, 1228}, {1229, 1230}, {1231, 1232}, {1233, 1234}, {1235, 1236},
        {1901, 1902}, {1904, 1905}, {1910, 1911}, {1914, 1915}, {1922, 1923}, {1934, 1935},
    };
    for (auto [off, on] : offOn) {
        SCOPED_TRACE(on);
        expectClearlyDifferent(image(off), image(on), "at 1x");
        expectClearlyDifferent(image(off, 2.0), image(on, 2.0), "at 2x");
    }
}

TEST_F(Faces, HeldAndBlinkingLampsDifferFromOnByTheirFrame) {
    const QSize size(30, 12);
    auto lamp = [&](LampFace face) {
        return painted(size, [&](QPainter& p, QRectF r) { drawLamp(p, r, "ATT", face); });
    };
    const QImage off = lamp(LampFace::Off), on = lamp(LampFace::On);
    const QImage held = lamp(LampFace::Held), blinking = lamp(LampFace::Blinking);
    EXPECT_GT(test::differingPixels(on, held), 0);
    EXPECT_GT(test::differingPixels(on, blinking), 0);
    EXPECT_GT(test::differingPixels(held, blinking), 0);
    // Lit is brighter, not larger: the same pixels are covered.
    for (const QImage* lit : {&on, &held, &blinking}) {
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                ASSERT_EQ(qAlpha(off.pixel(x, y)) > 0, qAlpha(lit->pixel(x, y)) > 0)
                    << x << "," << y;
            }
        }
    }
    // The blinking POWER tool's dark phase is neither its lit nor its plain face.
    EXPECT_GT(test::differingPixels(image(1903), image(1902)), 0);
    EXPECT_GT(test::differingPixels(image(1903), image(1901)), 0);
}

TEST_F(Faces, PressedKeysDifferFromTheKeysTheSkinPaints) {
    // Each pressed face against the skin under its hot zone.
    struct Zone {
        int skin, pressed, x, y;
    };
    const Zone zones[] = {
        {1301, 1304, 255, 57},  {1301, 1316, 336, 57}, {1301, 1317, 336, 87}, {1301, 1321, 238, 62},
        {1301, 1320, 380, 104}, {1201, 1202, 30, 76},  {1201, 1211, 316, 76}, {1201, 1213, 428, 92},
        {1501, 1502, 78, 36},   {1801, 1502, 347, 36},
    };
    for (const Zone& z : zones) {
        SCOPED_TRACE(z.pressed);
        const QImage face = image(z.pressed);
        QImage composed = image(z.skin).copy(QRect(QPoint(z.x, z.y), face.size()));
        const QImage skinUnderneath = composed;
        {
            QPainter p(&composed);
            p.drawImage(0, 0, face);
        }
        expectClearlyDifferent(skinUnderneath, composed, "pressed over the skin");
    }
    const QSize size(45, 18);
    const QImage up =
        painted(size, [](QPainter& p, QRectF r) { drawKey(p, r, "SSB", false, Body::Dark); });
    const QImage down =
        painted(size, [](QPainter& p, QRectF r) { drawKey(p, r, "SSB", true, Body::Dark); });
    expectClearlyDifferent(up, down, "drawKey up and pressed");
    const QImage light =
        painted(size, [](QPainter& p, QRectF r) { drawKey(p, r, "SSB", false, Body::Light); });
    expectClearlyDifferent(up, light, "dark and light keys");
}

TEST_F(Faces, DigitsAndDtmfCharactersAreDistinctGlyphs) {
    auto allDistinct = [&](int first, int last) {
        for (int a = first; a <= last; ++a) {
            for (int b = a + 1; b <= last; ++b) {
                EXPECT_GT(test::differingPixels(image(a), image(b)), 4) << a << " vs " << b;
            }
        }
    };
    allDistinct(1600, 1609);
    allDistinct(1510, 1525);
    // "8" lights every segment, "1" two of them: more cyan in the 8.
    auto cyan = [](const QImage& img) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                n += c.green() > 128 && c.blue() > 128 && c.red() < 100;
            }
        }
        return n;
    };
    EXPECT_GT(cyan(image(1608)), 2 * cyan(image(1601)));
    EXPECT_GT(cyan(image(1610)), 0) << "the point is lit";
}

// The radio's 3 x 3 point between the MHz, kHz and Hz digits must read as a point at 100 %.
TEST_F(Faces, TheRadiosPointIsASquareDotFillingItsPlace) {
    for (qreal dpr : {1.0, 2.0}) {
        const QImage dot = image(2092, dpr);
        ASSERT_EQ(dot.size(), QSize(3, 3) * dpr);
        for (int y = 0; y < dot.height(); ++y) {
            for (int x = 0; x < dot.width(); ++x) {
                EXPECT_EQ(dot.pixelColor(x, y), QColor(0, 255, 255))
                    << dpr << ": " << x << "," << y;
            }
        }
    }
}

// How many pixel rows of a key on a skin its legend's ink covers (light on a dark key).
int legendRows(const QImage& skin, const QRect& key) {
    int rows = 0;
    for (int y = key.top() + 1; y < key.bottom(); ++y) {
        bool ink = false;
        for (int x = key.left() + 1; x < key.right() && !ink; ++x) {
            const QColor c = skin.pixelColor(x, y);
            ink = c.red() > 160 && c.green() > 160 && c.blue() > 160;
        }
        rows += ink;
    }
    return rows;
}

// A legend is as tall as its key allows, narrowed rather than shrunk when it is long: the small
// keys of the mode panel (18 x 18) and of the DTMF panel (29 x 11) carry legends a user can read
// at 100 %, and keys of one size show theirs at one height.
TEST_F(Faces, SmallKeysCarryLegendsAsTallAsTheKeysAllow) {
    struct Key {
        int skin;
        QRect rect;
        const char* legend;
        int leastRows;
    };
    const Key keys[] = {
        {1201, {316, 76, 18, 18}, "AFC", 7},    {1201, {338, 76, 18, 18}, "ATT", 7},
        {1201, {316, 95, 18, 18}, "NB", 7},     {1201, {338, 95, 18, 18}, "AGC", 7},
        {1201, {252, 95, 18, 18}, "CTR", 7},    {1501, {78, 36, 29, 11}, "DTMF", 5},
        {1501, {211, 36, 29, 11}, "REMOTE", 5}, {1501, {346, 36, 29, 11}, "SET", 5},
    };
    std::map<int, std::vector<int>> dtmfRows;
    for (qreal dpr : {1.0, 2.0}) {
        for (const Key& k : keys) {
            const QImage skin = image(k.skin, dpr);
            const QRect at(k.rect.topLeft() * dpr, k.rect.size() * dpr);
            const int rows = legendRows(skin, at);
            EXPECT_GE(rows, k.leastRows * dpr) << k.legend << " at " << dpr << "x";
            if (k.skin == 1501) dtmfRows[static_cast<int>(dpr)].push_back(rows);
        }
    }
    for (const auto& [dpr, rows] : dtmfRows) {
        const auto [least, most] = std::minmax_element(rows.begin(), rows.end());
        EXPECT_LE(*most - *least, dpr)
            << "DTMF, REMOTE and SET stand at one height at " << dpr << "x";
    }
}

TEST_F(Faces, ToolStatesAreAllDifferent) {
    for (int base : {1922, 1926, 1930, 1934}) {
        for (int a = base; a < base + 4; ++a) {
            for (int b = a + 1; b < base + 4; ++b) {
                EXPECT_GT(test::differingPixels(image(a), image(b)), 0) << a << " vs " << b;
            }
        }
    }
    for (int normal : {1916, 1918, 1920}) {
        expectClearlyDifferent(image(normal), image(normal + 1), "normal and pressed tool");
    }
}

}  // namespace
}  // namespace corvell::art
