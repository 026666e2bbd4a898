// The catalog holds every id the windows name, at the size each window lays out, drawn crisp
// at any device pixel ratio and never outside its rectangle.
#include <gtest/gtest.h>

#include <QPainter>
#include <limits>
#include <set>

#include "resources/ArtCatalog.h"
#include "resources/Artwork.h"
#include "tests/support/offscreen_gui_app.h"

namespace corvell::art {
namespace {

struct IdRange {
    int first, last, width, height;
};

// The ids and sizes the windows use, written out independently of the catalog's tables.
const IdRange kExpected[] = {
    {500, 500, 102, 291},
    {501, 501, 302, 32},
    {502, 502, 82, 59},
    // Tool strip: the tools' rectangles.
    {1901, 1903, 67, 37},
    {1904, 1905, 42, 36},
    {1906, 1919, 42, 37},
    {1920, 1921, 44, 37},
    {1922, 1937, 45, 19},
    // Mode panel.
    {1201, 1201, 512, 126},
    {1202, 1206, 45, 18},
    {1207, 1207, 33, 18},
    {1208, 1208, 12, 18},
    {1209, 1210, 32, 18},
    {1211, 1211, 18, 18},
    {1212, 1213, 48, 18},
    {1214, 1219, 85, 14},
    {1220, 1221, 36, 10},
    {1222, 1226, 85, 20},
    {1227, 1230, 30, 11},
    {1231, 1232, 22, 11},
    {1233, 1234, 30, 11},
    {1235, 1236, 40, 5},
    {1237, 1237, 32, 10},
    {1238, 1245, 65, 20},
    // Tuner panel: the skin, the keys' hot zones, the hold indicators.
    {1301, 1301, 512, 126},
    {1303, 1303, 8, 13},
    {1304, 1315, 27, 15},
    {1316, 1317, 31, 30},
    {1318, 1322, 12, 11},
    {1323, 1323, 18, 8},
    {1324, 1324, 15, 8},
    // DTMF and DSP panels.
    {1501, 1501, 512, 55},
    {1502, 1502, 29, 11},
    {1503, 1504, 27, 9},
    {1510, 1525, 12, 12},
    {1801, 1801, 512, 55},
    // Read-out digits and point.
    {1600, 1609, 24, 20},
    {1610, 1610, 4, 20},
    // Radio panel.
    {2000, 2000, 400, 200},
    {2001, 2002, 33, 9},
    {2003, 2004, 21, 9},
    {2005, 2006, 23, 9},
    {2007, 2008, 19, 9},
    {2009, 2010, 17, 9},
    {2011, 2011, 6, 8},
    {2012, 2013, 15, 9},
    {2014, 2015, 28, 9},
    {2016, 2021, 31, 8},
    {2022, 2023, 23, 9},
    {2024, 2025, 15, 9},
    {2026, 2027, 25, 9},
    {2028, 2029, 24, 9},
    {2030, 2031, 23, 9},
    {2032, 2033, 14, 9},
    {2034, 2038, 22, 15},
    {2039, 2041, 13, 7},
    {2042, 2043, 18, 5},
    {2044, 2044, 26, 6},
    {2045, 2045, 30, 6},
    {2046, 2047, 2, 17},
    {2048, 2049, 32, 18},
    {2050, 2051, 10, 10},
    {2052, 2055, 22, 44},
    {2056, 2059, 38, 22},
    {2060, 2063, 28, 21},
    {2064, 2065, 40, 21},
    {2066, 2067, 11, 11},
    {2068, 2069, 10, 10},
    {2070, 2080, 26, 39},
    {2081, 2091, 20, 31},
    {2092, 2092, 3, 3},
    {2093, 2094, 20, 8},
    {2095, 2096, 24, 8},
    {2097, 2099, 38, 9},
    {2100, 2100, 6, 8},
    {2101, 2101, 14, 39},
    // Band scope: the picture and keys' rectangles; the internal status icons and cover.
    {1101, 1101, 492, 124},
    {1102, 1104, 44, 19},
    {1105, 1106, 19, 19},
    {1190, 1191, 36, 12},
    {1192, 1192, 401, 91},
    // Scan pad: keys, busy lamp and centre indicator.
    {1401, 1401, 512, 118},
    {1402, 1408, 48, 18},
    {1410, 1411, 30, 12},
    {1412, 1414, 40, 12},
    // Receiver panel: skin, on/off keys, held and blinking keys, lamps, read-outs, legends.
    {3001, 3001, 599, 248},
    {3002, 3017, 40, 17},
    {3018, 3018, 45, 18},
    {3020, 3020, 45, 18},
    {3023, 3023, 61, 10},
    {3024, 3024, 45, 18},
    {3026, 3026, 45, 18},
    {3028, 3028, 45, 18},
    {3030, 3030, 45, 18},
    {3032, 3036, 45, 18},
    {3038, 3038, 45, 18},
    {3040, 3040, 31, 16},
    {3042, 3042, 31, 16},
    {3044, 3044, 31, 16},
    {3046, 3046, 31, 16},
    {3048, 3048, 31, 16},
    {3050, 3050, 31, 16},
    {3052, 3052, 27, 15},
    {3054, 3054, 27, 15},
    {3056, 3056, 27, 15},
    {3058, 3058, 27, 15},
    {3060, 3060, 27, 15},
    {3062, 3062, 27, 15},
    {3064, 3064, 27, 15},
    {3066, 3066, 27, 15},
    {3068, 3068, 27, 15},
    {3070, 3070, 27, 15},
    {3072, 3072, 27, 15},
    {3074, 3074, 27, 15},
    {3076, 3076, 40, 19},
    {3078, 3078, 41, 19},
    {3080, 3080, 40, 16},
    {3082, 3082, 40, 16},
    {3084, 3084, 24, 12},
    {3086, 3086, 24, 12},
    {3087, 3087, 11, 7},
    {3088, 3088, 31, 7},
    {3089, 3090, 23, 7},
    {3091, 3092, 28, 7},
    {3094, 3096, 28, 10},
    {3097, 3098, 29, 9},
    {3099, 3100, 61, 10},
    {3102, 3102, 45, 18},
    {3103, 3104, 61, 10},
    {3105, 3109, 90, 10},
    {3110, 3113, 40, 17},
    {3114, 3115, 45, 18},
    {3116, 3116, 61, 10},
    {3117, 3117, 31, 12},
    {3118, 3118, 28, 8},
};

class Catalog : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::ensureGuiApp(); }
};

TEST_F(Catalog, EveryNamedIdHasItsSizeAndScalesWithTheRatio) {
    for (const IdRange& r : kExpected) {
        for (int id = r.first; id <= r.last; ++id) {
            SCOPED_TRACE(id);
            ASSERT_TRUE(hasArtwork(id));
            EXPECT_EQ(artworkSize(id), QSize(r.width, r.height));
            const QPixmap& one = artwork(id, 1.0);
            EXPECT_EQ(one.size(), QSize(r.width, r.height));
            const QPixmap& two = artwork(id, 2.0);
            EXPECT_EQ(two.size(), QSize(2 * r.width, 2 * r.height));
            EXPECT_EQ(two.devicePixelRatio(), 2.0);
            EXPECT_EQ(two.deviceIndependentSize(), QSizeF(r.width, r.height));
            const QPixmap& half = artwork(id, 1.5);
            EXPECT_EQ(half.deviceIndependentSize().toSize(), QSize(r.width, r.height));
        }
    }
}

TEST_F(Catalog, HoldsNoIdTwiceAndNoIdBeyondTheNamedOnes) {
    std::set<int> expected;
    for (const IdRange& r : kExpected) {
        for (int id = r.first; id <= r.last; ++id) expected.insert(id);
    }
    size_t rows = 0;
    for (const ArtTable* table : artTables()) rows += table->rows.size();
    const std::vector<int> ids = artworkIds();
    EXPECT_EQ(rows, ids.size()) << "an id is registered twice";
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()), expected);
}

TEST_F(Catalog, UnknownIdsAndAbsurdRatiosGiveANullPixmap) {
    for (int id : {0, -1, 1302, 1505, 1611, 99999, 2147483647}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(hasArtwork(id));
        EXPECT_TRUE(artworkSize(id).isEmpty());
        EXPECT_TRUE(artwork(id).isNull());
        EXPECT_TRUE(artwork(id, 2.0).isNull());
    }
    for (qreal dpr : {0.0, -1.0, 1e9, std::numeric_limits<qreal>::quiet_NaN()}) {
        EXPECT_TRUE(artwork(1600, dpr).isNull()) << dpr;
    }
}

TEST_F(Catalog, DrawsOnceAndServesFromTheCacheUntilCleared) {
    const QPixmap& first = artwork(1205, 1.0);
    EXPECT_EQ(&first, &artwork(1205, 1.0));
    EXPECT_EQ(first.cacheKey(), artwork(1205, 1.0).cacheKey());
    EXPECT_NE(first.cacheKey(), artwork(1205, 2.0).cacheKey());
    const QImage before = first.toImage();
    clearArtworkCache();
    EXPECT_EQ(test::differingPixels(before, artwork(1205, 1.0).toImage()), 0);
}

TEST_F(Catalog, NoDrawingSpillsOutsideItsRectangle) {
    // Each row drawn into a larger image with no clip: the margin must stay untouched.
    constexpr int kMargin = 6;
    const QRgb marker = qRgba(1, 2, 3, 255);
    for (int id : artworkIds()) {
        SCOPED_TRACE(id);
        const ArtRow& row = *findArtRow(id);
        for (qreal dpr : {1.0, 2.0}) {
            QImage img(QSize(row.width + 2 * kMargin, row.height + 2 * kMargin) * dpr,
                       QImage::Format_ARGB32);
            img.setDevicePixelRatio(dpr);
            img.fill(marker);
            {
                QPainter p(&img);
                p.setRenderHint(QPainter::Antialiasing);
                p.translate(kMargin, kMargin);
                drawArtRow(p, row);
            }
            int spilled = 0;
            for (int y = 0; y < img.height(); ++y) {
                for (int x = 0; x < img.width(); ++x) {
                    const bool inside = x >= kMargin * dpr && x < (kMargin + row.width) * dpr &&
                                        y >= kMargin * dpr && y < (kMargin + row.height) * dpr;
                    if (!inside && img.pixel(x, y) != marker) ++spilled;
                }
            }
            EXPECT_EQ(spilled, 0) << "at ratio " << dpr;
        }
    }
}

TEST_F(Catalog, EveryDrawingPaintsSomething) {
    for (int id : artworkIds()) {
        const QImage img = artwork(id).toImage().convertToFormat(QImage::Format_ARGB32);
        int opaque = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) opaque += qAlpha(img.pixel(x, y)) > 0;
        }
        // A mark drawn over another picture covers only itself.
        const bool mark = findArtRow(id)->primitive == Prim::DisplayMark;
        EXPECT_GT(opaque, mark ? 8 : img.width() * img.height() / 3) << id;
        if (mark) {
            EXPECT_LT(opaque, img.width() * img.height() / 2) << id;
        }
    }
}

}  // namespace
}  // namespace corvell::art
