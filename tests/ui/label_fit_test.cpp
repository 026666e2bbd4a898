// Fitting text into labels of fixed size: the font shrinks in tenths down to 1 pt and no
// further; a caption is cut from its end to the longest start that fits, keeping one character.
#include <gtest/gtest.h>

#include <QFontMetricsF>

#include "ui/LabelFit.h"

namespace corvell::ui {
namespace {

TEST(LabelFit, TheFontShrinksUntilTheSampleFitsAndStopsAtOnePoint) {
    QFont base;
    base.setPointSizeF(14);
    const QFont fitted = shrinkFontToFit(base, QStringLiteral("MARINE CH16"), 80);
    EXPECT_LT(fitted.pointSizeF(), 14.0);
    EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(QStringLiteral("MARINE CH16")), 80);
    QFont larger = fitted;
    larger.setPointSizeF(fitted.pointSizeF() + 0.1);
    EXPECT_GT(QFontMetricsF(larger).horizontalAdvance(QStringLiteral("MARINE CH16")), 80);

    const QFont floor = shrinkFontToFit(base, QString(10000, QLatin1Char('W')), 1);
    EXPECT_DOUBLE_EQ(floor.pointSizeF(), kMinFittedPointSize);
    EXPECT_DOUBLE_EQ(shrinkFontToFit(base, QStringLiteral("x"), 500).pointSizeF(), 14.0);
}

TEST(LabelFit, ACaptionIsCutFromItsEndToTheLongestStartThatFits) {
    QFont font;
    font.setPointSizeF(10);
    const QFontMetricsF m(font);
    const QString text = QStringLiteral("Airband Tower North");
    const int width = static_cast<int>(m.horizontalAdvance(QStringLiteral("Airband")) + 1);
    const QString cut = fitCaption(text, font, width);
    EXPECT_TRUE(text.startsWith(cut));
    EXPECT_LE(m.horizontalAdvance(cut), width);
    EXPECT_GT(m.horizontalAdvance(text.left(cut.size() + 1)), width);
    EXPECT_EQ(fitCaption(text, font, 10000), text);
    EXPECT_EQ(fitCaption(text, font, 0), QStringLiteral("A"));  // at least one character
    EXPECT_EQ(fitCaption(QString(), font, 0), QString());
    const QString huge(100000, QLatin1Char('W'));
    EXPECT_LE(m.horizontalAdvance(fitCaption(huge, font, 200)), 200);
}

}  // namespace
}  // namespace corvell::ui
