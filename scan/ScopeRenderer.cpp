#include "scan/ScopeRenderer.h"

#include <algorithm>
#include <cmath>

#include "core/clsScopeDATA.h"
#include "core/clsScopeSTAT.h"
#include "ui/Twips.h"

namespace corvell {
namespace {

constexpr int kCentreIndex = 128;
constexpr int kMaxLevel = 240;

}  // namespace

ScopeBar scopeBar(const ScopeGeometry& g, int index, int p) {
    const int k = index - kCentreIndex;
    if (p <= 1) return {k + g.centreX, 1};
    if (p == 2) return {2 * k + g.centreX, 1};
    return {p * k + g.centreX - (p - 1) / 2, p - 1};
}

int scopeBarTop(const ScopeGeometry& g, int level) {
    return (g.height - 1) -
           static_cast<int>(ui::roundHalfEven(static_cast<double>(level) * g.height / kMaxLevel));
}

int64_t scopeClickOffset(const ScopeGeometry& g, int x, int p) {
    const int64_t dx = static_cast<int64_t>(x) - g.centreX;
    if (p <= 1) return dx;
    if (p == 2) return floorDiv(dx, 2);
    return floorDiv(dx + p / 2, p);
}

std::optional<int> scopeMarkerColumn(const ScopeGeometry& g, int64_t frequency, int64_t centre,
                                     int32_t stepHz, int p, int usedPixels) {
    if (stepHz <= 0) return std::nullopt;
    const int64_t num = static_cast<int64_t>(p) * (frequency - centre);
    const double d = std::nearbyint(static_cast<double>(num) / stepHz);
    if (d < -usedPixels || d > usedPixels) return std::nullopt;
    return g.centreX + static_cast<int>(d);
}

QString scopeStepText(int32_t hz) {
    QString s = QString::number(hz / 1000.0, 'f', 2);
    if (s.endsWith('0')) s.chop(1);
    if (s.startsWith("0.")) s.remove(0, 1);
    return s + "k";
}

int scopeStatusIcon(const clsScopeSTAT& stat, const clsScopeDATA& data) {
    if (data.mode() == 0) return 0;
    if (stat.pause() != 0) return 2;
    return stat.ParamStatus() != 0 ? 1 : 0;
}

ScopeLabels scopeLabels(const clsScopeSTAT& stat, const clsScopeDATA& data) {
    ScopeLabels l;
    l.rangeNo = QString(" SPAN %1").arg(stat.RangeSelectNo() + 1);
    if (data.mode() == 0) return l;
    if (stat.ParamStatus() >= 0) {
        const int32_t w = stat.RangeWidth(stat.RangeSelectNo());
        const QString s = w < 1000000 ? QString::number(std::lround(w / 1000.0)) + "k"
                                      : QString::number(std::lround(w / 1000000.0)) + "M";
        l.left = "-" + s;
        l.right = "+" + s;
    }
    l.step = "step " + scopeStepText(stat.StepFreq());
    return l;
}

ScopeView::ScopeView(const ScopeGeometry& geometry)
    : g_(geometry),
      scale_(g_.width, g_.height, QImage::Format_RGB32),
      wave_(g_.width, g_.height, QImage::Format_RGB32),
      buffer_(g_.width, g_.height, QImage::Format_RGB32) {
    scale_.fill(scopecolour::kBlack);
    wave_.fill(scopecolour::kBlack);
    buffer_.fill(scopecolour::kBlack);
}

int scopeFittedPixPerPoint(const ScopeGeometry& g, int pixPerPoint, int pointsPerSide) {
    const int n = pointsPerSide;
    auto inside = [&](int p) {
        const ScopeBar left = scopeBar(g, kCentreIndex - n, p);
        const ScopeBar right = scopeBar(g, kCentreIndex + n, p);
        return left.x >= 0 && right.x + right.width <= g.width;
    };
    int p = std::min(pixPerPoint, g.width);
    while (p > 1 && !inside(p)) --p;
    return p;
}

void ScopeView::takeSpacing(const clsScopeSTAT& stat) {
    // Bars are centred on their points, so at full width the outermost bars would stick out
    // of the picture by half their width: the view then takes fewer pixels per point.
    const int given = stat.PixPerPoint();
    const int p = scopeFittedPixPerPoint(g_, given, stat.PointsPerSide());
    const int used = p == given || given <= 0 ? stat.UsedPixels() : stat.UsedPixels() / given * p;
    spacing_ = {p, stat.PointsPerSide(), stat.PointsRaw(), used, stat.StepFreq()};
}

void ScopeView::applyGeometry(clsScopeSTAT& stat, clsScopeDATA& data) {
    stat.setHalfWidthPx(g_.halfWidthPx);
    stat.setMinPixPerPoint(g_.minPixPerPoint);
    stat.setMinPoints(g_.minPoints);
    stat.setStepReq(stat.GetStepFreq());
    stat.ScopeCheckParam2();
    takeSpacing(stat);
    data.setTs(stat.StepFreq());
    data.setBwidth(2 * int32_t{stat.PointsPerSide()});
    data.setSpeed(data.bwidth() < 20 ? 20 : 5);
}

// Fills columns x0..x1 and rows y0..y1 (inclusive), clipped to the picture.
void ScopeView::fillColumns(QImage& img, int x0, int x1, int y0, int y1, QRgb colour) {
    x0 = std::max(x0, 0);
    x1 = std::min(x1, g_.width - 1);
    y0 = std::max(y0, 0);
    y1 = std::min(y1, g_.height - 1);
    if (x0 > x1 || y0 > y1) return;
    // One detach check for the whole fill, then plain row pointers.
    uchar* base = img.bits();
    const qsizetype stride = img.bytesPerLine();
    for (int y = y0; y <= y1; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(base + y * stride);
        std::fill(line + x0, line + x1 + 1, colour);
    }
}

void ScopeView::drawScale(const clsScopeSTAT& stat, bool off) {
    scale_.fill(scopecolour::kBlack);
    const QRgb grid = off ? scopecolour::kGridOff : scopecolour::kGrid;
    const QRgb edge = off ? scopecolour::kGridOff : scopecolour::kEdge;
    const int p = spacing_.pixPerPoint;
    const int h = g_.height;
    // Level lines: dots that sit on the bars.
    for (int k = 3; k <= 12; k += 3) {
        const int y = static_cast<int>(ui::roundHalfEven(h - k * static_cast<double>(h) / 16));
        for (int i = 0; i <= 255; ++i) {
            const ScopeBar b = scopeBar(g_, i, p);
            fillColumns(scale_, b.x, b.x + b.width - 1, y, y, grid);
        }
    }
    // Frequency ticks (a line's end point is not drawn).
    const int points = spacing_.pointsPerSide;
    const int t = spacing_.pointsRaw <= 20 ? 5 : (spacing_.pointsRaw <= 50 ? 10 : 20);
    for (int n = 0; n <= points; n += t) {
        fillColumns(scale_, g_.centreX - p * n, g_.centreX - p * n, g_.tickTop, h - 1, grid);
        fillColumns(scale_, g_.centreX + p * n, g_.centreX + p * n, g_.tickTop, h - 1, grid);
    }
    // Span edges.
    if (spacing_.stepHz > 0) {
        const double e = std::nearbyint(static_cast<double>(p) *
                                        stat.RangeWidth(stat.RangeSelectNo()) / spacing_.stepHz);
        if (std::abs(e) <= g_.width) {
            const int ei = static_cast<int>(e);
            fillColumns(scale_, g_.centreX - ei, g_.centreX - ei, 0, h - 2, edge);
            fillColumns(scale_, g_.centreX + ei, g_.centreX + ei, 0, h - 2, edge);
        }
    }
    fillColumns(scale_, g_.centreX, g_.centreX, 0, h - 1, scopecolour::kCentre);
}

void ScopeView::drawPoint(int index, int level, int16_t bufferMode, bool paused) {
    if (paused) return;
    const ScopeBar b = scopeBar(g_, index, spacing_.pixPerPoint);
    const int lv = bufferMode == 0 ? 0 : std::min(level, kMaxLevel);
    fillColumns(wave_, b.x, b.x + b.width - 1, 0, g_.height - 1, scopecolour::kBlack);
    if (lv >= 1) {
        const QRgb colour = index == kCentreIndex ? scopecolour::kCentreBar : scopecolour::kBar;
        fillColumns(wave_, b.x, b.x + b.width - 1, scopeBarTop(g_, lv), g_.height - 1, colour);
    }
}

int ScopeView::update(clsScopeDATA& data, const clsScopeSTAT& stat, int32_t frequency, bool blank) {
    if (updating_) return -1;
    updating_ = true;
    int period = -1;
    const int points = spacing_.pointsPerSide;
    const int first = std::clamp(kCentreIndex - points, 0, clsScopeDATA::kPoints - 1);
    const int last = std::clamp(kCentreIndex + points + 2, 0, clsScopeDATA::kPoints - 1);
    auto differs = [&](int i) {
        return data.SCOPE_buff_WoFlag(i) != drawn_[static_cast<std::size_t>(i)];
    };
    bool changed = data.SCOPE_ChangeCount() > 0;
    for (int i = first; i <= last && !changed; ++i) changed = differs(i);
    if (changed) {
        period = 0;
        int64_t limit = 0;
        if (frequency == lastFrequency_) {
            limit = int64_t{data.bwidth()} * 50;
        } else {
            lastFrequency_ = frequency;
            period = 200;
        }
        const bool paused = stat.pause() != 0;
        int64_t drawnNow = 0;
        // One round over the band from the cursor on, drawing what this view has not shown yet.
        for (int n = first; n <= last && drawnNow < limit; ++n) {
            cursor_ = (cursor_ >= last || cursor_ < first) ? first : cursor_ + 1;
            if (!differs(cursor_) && data.SCOPE_change(cursor_) == 0) continue;
            const int16_t level = data.SCOPE_buff(cursor_);
            drawn_[static_cast<std::size_t>(cursor_)] = level;
            pictureChanged = true;
            drawPoint(cursor_, level, data.mode(), paused);
            ++drawnNow;
        }
    }
    if (pictureChanged) compose(blank);
    updating_ = false;
    return period;
}

void ScopeView::compose(bool blank) {
    if (blank) {
        buffer_ = scale_.copy();
        return;
    }
    if (buffer_.size() != scale_.size() || buffer_.format() != scale_.format()) {
        buffer_ = QImage(scale_.size(), scale_.format());
    }
    const uchar* sb = scale_.constBits();
    const uchar* wb = wave_.constBits();
    uchar* db = buffer_.bits();
    for (int y = 0; y < g_.height; ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(sb + y * scale_.bytesPerLine());
        const QRgb* w = reinterpret_cast<const QRgb*>(wb + y * wave_.bytesPerLine());
        QRgb* d = reinterpret_cast<QRgb*>(db + y * buffer_.bytesPerLine());
        for (int x = 0; x < g_.width; ++x) d[x] = s[x] | w[x];
    }
}

std::optional<int> ScopeView::marker(const clsScopeSTAT& stat, int32_t frequency) {
    if (stat.pause() == 0) {
        markerFrequency_ = 0;
        markerColumn_.reset();
        return markerColumn_;
    }
    if (frequency != markerFrequency_) {
        markerFrequency_ = frequency;
        markerColumn_ = scopeMarkerColumn(g_, frequency, stat.CenterFreq(), spacing_.stepHz,
                                          spacing_.pixPerPoint, spacing_.usedPixels);
    }
    return markerColumn_;
}

}  // namespace corvell
