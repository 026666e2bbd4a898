#include "ui/LabelFit.h"

#include <QFontMetricsF>
#include <cmath>

namespace corvell::ui {

QFont shrinkFontToFit(QFont base, const QString& sample, int width) {
    double size = base.pointSizeF() > 0 ? base.pointSizeF() : 10.0;
    // Whole tenths, so the steps do not drift.
    long tenths = std::lround(size * 10.0);
    const long minTenths = std::lround(kMinFittedPointSize * 10.0);
    while (true) {
        base.setPointSizeF(static_cast<double>(tenths) / 10.0);
        if (tenths <= minTenths) break;
        if (QFontMetricsF(base).horizontalAdvance(sample) <= width) break;
        --tenths;
    }
    return base;
}

QString fitCaption(const QString& text, const QFont& font, int width) {
    if (text.isEmpty()) return text;
    const QFontMetricsF metrics(font);
    if (metrics.horizontalAdvance(text) <= width) return text;
    // The width grows with the length, so the longest fitting start is found by halving.
    qsizetype lo = 1, hi = text.size() - 1;
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (metrics.horizontalAdvance(text.left(mid)) <= width) {
            lo = mid;
        } else {
            hi = mid - 1;
        }
    }
    return text.left(lo);
}

}  // namespace corvell::ui
