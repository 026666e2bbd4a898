#include "resources/ArtCatalog.h"

#include <algorithm>
#include <unordered_map>

#include "resources/ArtComposites.h"

namespace corvell::art {
namespace {

const std::unordered_map<int, const ArtRow*>& index() {
    static const std::unordered_map<int, const ArtRow*> byId = [] {
        std::unordered_map<int, const ArtRow*> m;
        for (const ArtTable* table : artTables()) {
            for (const ArtRow& row : table->rows) m.emplace(row.id, &row);
        }
        return m;
    }();
    return byId;
}

LampFace lampFace(Face f) {
    switch (f) {
        case Face::On:
        case Face::Lit:
            return LampFace::On;
        case Face::Held:
            return LampFace::Held;
        case Face::Blinking:
            return LampFace::Blinking;
        default:
            return LampFace::Off;
    }
}

}  // namespace

const ArtRow* findArtRow(int id) {
    const auto& m = index();
    const auto it = m.find(id);
    return it == m.end() ? nullptr : it->second;
}

std::vector<int> artworkIds() {
    std::vector<int> ids;
    for (const auto& [id, row] : index()) ids.push_back(id);
    std::sort(ids.begin(), ids.end());
    return ids;
}

void drawArtRow(QPainter& p, const ArtRow& row) {
    const QRectF r(0, 0, row.width, row.height);
    const QString caption = QString::fromUtf8(row.caption ? row.caption : "");
    switch (row.primitive) {
        case Prim::Skin:
            if (row.skin) drawSkin(p, r, *row.skin);
            break;
        case Prim::Key:
            drawKey(p, r, caption, row.state == Face::Pressed,
                    row.arg == 1 ? Body::Light : Body::Dark);
            break;
        case Prim::PressedOverlay:
            drawPressedOverlay(p, r);
            break;
        case Prim::Lamp:
            drawLamp(p, r, caption, lampFace(row.state), static_cast<LampColour>(row.arg));
            break;
        case Prim::DisplayLamp:
            drawDisplayLamp(p, r, caption, lampFace(row.state) != LampFace::Off);
            break;
        case Prim::DisplayText:
            drawDisplayText(p, r, caption);
            break;
        case Prim::DisplayMark:
            drawLegend(p, r, caption, QColor::fromRgb(palette::kDisplayText), true);
            break;
        case Prim::Digit:
            drawSevenSegment(p, r, caption.isEmpty() ? QChar(' ') : caption.front());
            break;
        case Prim::DigitPoint:
            drawSegmentPoint(p, r);
            break;
        case Prim::Glyph:
            drawDisplayGlyph(p, r, caption.isEmpty() ? QChar(' ') : caption.front());
            break;
        case Prim::MeterSteps:
            drawMeterSteps(p, r, row.arg, row.step, true);
            break;
        case Prim::MeterBar:
            drawMeterSteps(p, r, row.arg, row.step, false);
            break;
        case Prim::Rule:
            drawRule(p, r);
            break;
        case Prim::ListMarker:
            drawListMarker(p, r, row.state == Face::On);
            break;
        case Prim::ToolButton:
            drawToolButton(p, r, caption, row.state, row.arg != 0);
            break;
        case Prim::TitleSide:
            drawTitleSide(p, r);
            break;
        case Prim::TitleName:
            drawTitleName(p, r);
            break;
        case Prim::TitleIcon:
            drawTitleIcon(p, r);
            break;
    }
}

}  // namespace corvell::art
