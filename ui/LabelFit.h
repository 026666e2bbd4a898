// Fitting text into a label of fixed size: a font shrunk until a sample text fits the width,
// and a caption cut from its end until it fits. Both are bounded, so a text of any length or
// content keeps the label's size.
// Thread contract: user-interface thread only (font metrics).
#pragma once

#include <QFont>
#include <QString>

namespace corvell::ui {

// The smallest point size a fitted font goes down to.
inline constexpr double kMinFittedPointSize = 1.0;

// `base` shrunk in 0.1-pt steps until `sample` is no wider than `width` pixels; never below
// 1 pt (a sample that does not fit even then gets the 1-pt font).
QFont shrinkFontToFit(QFont base, const QString& sample, int width);

// The longest start of `text` that is no wider than `width` pixels in `font`; at least one
// character stays (none only for an empty text).
QString fitCaption(const QString& text, const QFont& font, int width);

}  // namespace corvell::ui
