// Labels and text boxes that fit their text: a label that shows plain text only (a station or
// channel name is never read as markup), a box that prints one text at the largest size that
// fits its height, and the procedures that shrink a label's font or caption until the text
// fits. Sizes and positions are pixels of the container; font sizes are points. Shrinking
// never goes below kSmallestFontSize, so a text that can never fit still ends the search.
// Thread contract: user-interface thread only.
#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "ui/Fonts.h"

namespace corvell::ui {

inline constexpr double kSmallestFontSize = 1.0;

// A QLabel fixed to plain text.
class PlainLabel : public QLabel {
    Q_OBJECT

  public:
    explicit PlainLabel(QWidget* parent = nullptr);
    explicit PlainLabel(const QString& text, QWidget* parent = nullptr);
};

// A box that shows one printed text at its top-left corner in its font and text colour.
class FittedTextBox : public QWidget {
    Q_OBJECT

  public:
    explicit FittedTextBox(QWidget* parent = nullptr);
    // The last text printed (so that an unchanged text is not printed again).
    const QString& printedText() const { return printed_; }
    // How many times a text was printed (each one a repaint).
    int printCount() const { return printCount_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    friend void PrintFittedText(FittedTextBox& box, const QString& text, const LocaleFont& locale);
    QString printed_;
    bool hasPrinted_ = false;
    int printCount_ = 0;
};

// Prints `text` into the box at 20 points, lowered by 0.5 point while it is taller than the
// box (not below kSmallestFontSize), in the locale font under a Japanese locale, else "Arial".
// The same text again does nothing.
void PrintFittedText(FittedTextBox& box, const QString& text, const LocaleFont& locale = {});

// Lowers the label's font size from `size` in steps of 0.1 point until `text` is no wider than
// 1.05 x the label's width and no taller than 1.05 x its height (not below kSmallestFontSize),
// and gives the label that size. The text is only measured, not shown.
void FitLabelFontFrom(QLabel* label, const QString& text, double size);
// FitLabelFontFrom from the label's current size.
void FitLabelFont(QLabel* label, const QString& text);

// Shows `text` in the label, dropping its last character while it is wider than the label (at
// least one character stays); the caller's text is shortened as the caption is. The label keeps
// its width.
void FitLabelCaption(QLabel* label, QString& text);

// Sizes the label to `text` at `size` points, lowering by 0.5 point until it fits maxWidth x
// maxHeight (it stops below 1 point), then places it: alignment 0 puts its left edge at x,
// 1 its right edge; either way it is centred vertically on y; other alignments leave it where
// it is. A label that already shows `text` is left alone.
void FitLabelAndCentre(int16_t alignment, QLabel* label, const QString& text, int16_t size, int x,
                       int y, int maxWidth, int maxHeight);

}  // namespace corvell::ui
