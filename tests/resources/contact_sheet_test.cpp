// Contact sheets: every id of each table on a neutral grey tile with its number under it,
// written to the artifacts folder (bitmaps-<table>.png at 1x, bitmaps-<table>@2x.png at 2x)
// for a person to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "resources/ArtCatalog.h"
#include "resources/Artwork.h"
#include "tests/support/offscreen_gui_app.h"

namespace corvell::art {
namespace {

QString artifactsDir() {
    const char* env = std::getenv("CORVELL_ARTIFACTS");
    const QString dir =
        env && *env ? QString::fromLocal8Bit(env) : QStringLiteral(CORVELL_BUILD_DIR "/artifacts");
    QDir().mkpath(dir);
    return dir;
}

// Lays the tiles out in rows no wider than the widest drawing or 1040 px.
QImage contactSheet(const ArtTable& table, qreal dpr) {
    constexpr int kPad = 8, kLabel = 14, kMinTile = 44;
    int maxWidth = 1040;
    for (const ArtRow& row : table.rows) maxWidth = std::max(maxWidth, row.width + 2 * kPad);
    struct Place {
        const ArtRow* row;
        QPoint at;
    };
    std::vector<Place> places;
    int x = 0, y = 0, rowHeight = 0, width = 0;
    for (const ArtRow& row : table.rows) {
        const int w = std::max(kMinTile, row.width + 2 * kPad);
        const int h = row.height + kLabel + 2 * kPad;
        if (x > 0 && x + w > maxWidth) {
            x = 0;
            y += rowHeight;
            rowHeight = 0;
        }
        places.push_back({&row, QPoint(x, y)});
        x += w;
        width = std::max(width, x);
        rowHeight = std::max(rowHeight, h);
    }
    QImage sheet(QSize(width, y + rowHeight) * dpr, QImage::Format_ARGB32);
    sheet.setDevicePixelRatio(dpr);
    sheet.fill(QColor(0x80, 0x80, 0x80));
    QPainter p(&sheet);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    p.setFont(font);
    for (const Place& place : places) {
        const ArtRow& row = *place.row;
        const QRect tile(place.at, QSize(std::max(kMinTile, row.width + 2 * kPad),
                                         row.height + kLabel + 2 * kPad));
        p.setPen(QColor(0x70, 0x70, 0x70));
        p.drawRect(tile.adjusted(0, 0, -1, -1));
        p.drawPixmap(QPoint(tile.center().x() - row.width / 2, tile.top() + kPad),
                     artwork(row.id, dpr));
        p.setPen(Qt::black);
        p.drawText(QRect(tile.left(), tile.top() + kPad + row.height + 2, tile.width(), kLabel),
                   Qt::AlignHCenter | Qt::AlignTop, QString::number(row.id));
    }
    return sheet;
}

TEST(ContactSheets, EveryTableIsWrittenAt1xAnd2x) {
    test::ensureGuiApp();
    const QString dir = artifactsDir();
    for (const ArtTable* table : artTables()) {
        for (qreal dpr : {1.0, 2.0}) {
            const QString file = QStringLiteral("%1/bitmaps-%2%3.png")
                                     .arg(dir, QString::fromLatin1(table->name),
                                          dpr == 1.0 ? QString() : QStringLiteral("@2x"));
            const QImage sheet = contactSheet(*table, dpr);
            ASSERT_TRUE(sheet.save(file)) << file.toStdString();
            EXPECT_EQ(QImage(file).size(), sheet.size());
        }
    }
}

// The main window's own pictures on one sheet: the title and About pictures and the tool strip.
TEST(ContactSheets, TheMainWindowsPicturesShareOneSheet) {
    test::ensureGuiApp();
    std::vector<ArtRow> rows;
    for (const ArtTable* table : artTables()) {
        const std::string name = table->name;
        if (name == "title" || name == "toolstrip") {
            rows.insert(rows.end(), table->rows.begin(), table->rows.end());
        }
    }
    ASSERT_EQ(rows.size(), 3u + 37u);  // 500-502 and 1901-1937
    const QImage sheet = contactSheet(ArtTable{"shell", rows}, 1.0);
    const QString file = artifactsDir() + QStringLiteral("/bitmaps-shell.png");
    ASSERT_TRUE(sheet.save(file)) << file.toStdString();
}

}  // namespace
}  // namespace corvell::art
