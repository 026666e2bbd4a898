#include "ui/Labels.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace corvell::ui {
namespace {

// Sizes in tenths of a point, so that repeated steps do not drift.
double lowered(double size, double step) {
    return std::round((size - step) * 10.0) / 10.0;
}

QSizeF textSize(const QFont& font, const QString& text) {
    return QFontMetricsF(font).size(0, text);
}

QFont withSize(QFont font, double size) {
    font.setPointSizeF(size);
    return font;
}

}  // namespace

PlainLabel::PlainLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

PlainLabel::PlainLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setText(text);
}

FittedTextBox::FittedTextBox(QWidget* parent) : QWidget(parent) {}

void FittedTextBox::paintEvent(QPaintEvent*) {
    if (printed_.isEmpty()) return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, printed_);
}

void PrintFittedText(FittedTextBox& box, const QString& text, const LocaleFont& locale) {
    if (box.hasPrinted_ && box.printed_ == text) return;
    box.hasPrinted_ = true;
    box.printed_ = text;
    double size = 20.0;
    QFont font = locale.japanese ? localeFont(locale, size) : programFont(size, box.font().bold());
    while (textSize(font, text).height() > box.height() && size > kSmallestFontSize) {
        size = std::max(kSmallestFontSize, lowered(size, 0.5));
        font.setPointSizeF(size);
    }
    box.setFont(font);
    ++box.printCount_;
    box.update();
}

void FitLabelFontFrom(QLabel* label, const QString& text, double size) {
    const double width = label->width() * 1.05;
    const double height = label->height() * 1.05;
    QFont font = withSize(label->font(), size);
    for (;;) {
        const QSizeF needed = textSize(font, text);
        if (!(height < needed.height() || width < needed.width())) break;
        const double next = lowered(size, 0.1);
        if (next < kSmallestFontSize) break;
        size = next;
        font.setPointSizeF(size);
    }
    label->setFont(font);
}

void FitLabelFont(QLabel* label, const QString& text) {
    FitLabelFontFrom(label, text, label->font().pointSizeF());
}

namespace {

// The width the label would take to show `text` on one line.
int autoSizedWidth(const QLabel* label, const QString& text) {
    const QFontMetrics metrics(label->font());
    const int frame = 2 * (label->margin() + label->frameWidth());
    return metrics.horizontalAdvance(text) + frame;
}

}  // namespace

void FitLabelCaption(QLabel* label, QString& text) {
    const int width = label->width();
    while (autoSizedWidth(label, text) > width && text.size() > 1) text.chop(1);
    label->setText(text);
}

void FitLabelAndCentre(int16_t alignment, QLabel* label, const QString& text, int16_t size, int x,
                       int y, int maxWidth, int maxHeight) {
    if (label->text() == text) return;
    label->hide();
    double points = size;
    label->setFont(withSize(label->font(), points));
    label->setText(text);
    for (;;) {
        label->adjustSize();
        if (label->width() <= maxWidth && label->height() <= maxHeight) break;
        if (points < 1.0) break;
        points = lowered(points, 0.5);
        label->setFont(withSize(label->font(), points));
    }
    if (alignment == 0) {
        label->move(x, y - label->height() / 2);
    } else if (alignment == 1) {
        label->move(x - label->width(), y - label->height() / 2);
    }
    label->show();
}

}  // namespace corvell::ui
