#include "ui/Labels.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>

#include "ui/Fonts.h"

namespace corvell::ui {
namespace {

QFont withPointSize(QFont font, double size) {
    font.setPointSizeF(size);
    return font;
}

bool fits(const QLabel& label, const QString& text) {
    const QSizeF size = QFontMetricsF(label.font()).size(0, text);
    return size.width() <= label.width() * 1.05 && size.height() <= label.height() * 1.05;
}

TEST(Fonts, ArialResolvesToAMetricCompatibleFaceAndJapaneseToAGothicFace) {
    const QFontInfo arial(programFont(9, true));
    EXPECT_TRUE(arial.family() == "Arial" || arial.family().startsWith("Liberation Sans"))
        << arial.family().toStdString();
    EXPECT_TRUE(arial.bold());
    EXPECT_EQ(arial.pointSizeF(), 9);

    QLabel label;
    SetLocaleFont14(&label, LocaleFont{"MS UI Gothic", true});
    EXPECT_EQ(label.font().pointSizeF(), 14);
    EXPECT_FALSE(label.font().bold());
    const QFontMetricsF metrics(label.font());
    EXPECT_TRUE(metrics.inFont(QChar(0x30E1)))  // katakana "me"
        << QFontInfo(label.font()).family().toStdString();

    SetLocaleFont14(&label, LocaleFont{"Arial", false});
    EXPECT_EQ(label.font().family(), "Arial");
}

TEST(Labels, APlainLabelShowsMarkupAsText) {
    PlainLabel label("<b>FM</b> &amp; 145.500");
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
    label.adjustSize();
    const double plainWidth =
        QFontMetricsF(label.font()).horizontalAdvance("<b>FM</b> &amp; 145.500");
    EXPECT_GE(label.sizeHint().width(), plainWidth - 1);
}

TEST(Labels, FitLabelFontShrinksUntilTheTextFitsAndLeavesAFittingTextAlone) {
    QLabel label;
    label.resize(60, 14);
    label.setFont(programFont(8, false));
    FitLabelFontFrom(&label, "AB", 8);
    EXPECT_EQ(label.font().pointSizeF(), 8);  // already fits

    FitLabelFontFrom(&label, "MEMORY CHANNEL", 20);
    EXPECT_LT(label.font().pointSizeF(), 20);
    EXPECT_TRUE(fits(label, "MEMORY CHANNEL"));
    QLabel bigger;
    bigger.resize(60, 14);
    bigger.setFont(withPointSize(label.font(), label.font().pointSizeF() + 0.1));
    EXPECT_FALSE(fits(bigger, "MEMORY CHANNEL"));  // the largest size that fits, to 0.1 pt
}

TEST(Labels, TextFittingEndsAtOnePointForATextThatNeverFits) {
    QLabel label;
    label.resize(1, 1);
    FitLabelFontFrom(&label, "a text far too long for a one-pixel label", 12);
    EXPECT_EQ(label.font().pointSizeF(), kSmallestFontSize);

    FittedTextBox box;
    box.resize(40, 0);
    PrintFittedText(box, "BANK");
    EXPECT_EQ(box.font().pointSizeF(), kSmallestFontSize);
}

TEST(Labels, PrintFittedTextPrintsAtTwentyPointsWhenItFitsAndOnlyOnceForTheSameText) {
    FittedTextBox box;
    box.resize(200, 60);
    PrintFittedText(box, "BANK");
    EXPECT_EQ(box.font().pointSizeF(), 20);
    EXPECT_EQ(box.font().family(), "Arial");
    PrintFittedText(box, "BANK");
    EXPECT_EQ(box.printCount(), 1);

    box.resize(200, 12);
    PrintFittedText(box, " 07");
    EXPECT_EQ(box.printCount(), 2);
    EXPECT_LT(box.font().pointSizeF(), 20);
    EXPECT_LE(QFontMetricsF(box.font()).size(0, " 07").height(), 12);
    EXPECT_EQ(box.printedText(), " 07");
}

TEST(Labels, FitLabelCaptionShortensTheTextButNeverBelowOneCharacter) {
    QWidget parent;
    QLabel label(&parent);
    label.setFont(programFont(9, false));
    label.resize(40, 16);
    QString text = "A VERY LONG STATION NAME";
    FitLabelCaption(&label, text);
    EXPECT_LT(text.size(), 24);
    EXPECT_TRUE(QString("A VERY LONG STATION NAME").startsWith(text));
    EXPECT_EQ(label.text(), text);
    EXPECT_LE(QFontMetrics(label.font()).horizontalAdvance(text), 40);
    EXPECT_EQ(label.width(), 40);

    label.resize(1, 16);
    QString wide = "WW";
    FitLabelCaption(&label, wide);
    EXPECT_EQ(wide, "W");
    EXPECT_EQ(label.width(), 1);
}

TEST(Labels, FitLabelAndCentrePlacesTheLeftOrRightEdgeOnXCentredOnY) {
    QWidget title;
    title.resize(400, 200);
    PlainLabel left(&title), right(&title);
    FitLabelAndCentre(0, &left, "Corvell", 20, 10, 100, 300, 100);
    EXPECT_EQ(left.x(), 10);
    EXPECT_EQ(left.y(), 100 - left.height() / 2);
    EXPECT_EQ(left.font().pointSizeF(), 20);

    FitLabelAndCentre(1, &right, "Corvell", 20, 300, 50, 60, 100);
    EXPECT_LE(right.width(), 60);
    EXPECT_LT(right.font().pointSizeF(), 20);
    EXPECT_EQ(right.x() + right.width(), 300);

    // The same text again is neither refitted nor moved.
    right.move(5, 5);
    FitLabelAndCentre(1, &right, "Corvell", 20, 300, 50, 60, 100);
    EXPECT_EQ(right.pos(), QPoint(5, 5));

    // A text that never fits still ends, below one point.
    PlainLabel tiny(&title);
    FitLabelAndCentre(0, &tiny, "Corvell", 20, 0, 0, 0, 0);
    EXPECT_LT(tiny.font().pointSizeF(), 1.0);
}

}  // namespace
}  // namespace corvell::ui
