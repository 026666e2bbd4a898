#include "ui/AccessibleReadout.h"

#include <QAccessible>
#include <QWidget>
#include <algorithm>

#include "ui/AccessibleImages.h"
#include "ui/ImageHotZone.h"

namespace corvell::ui {

AccessibleReadout::AccessibleReadout(QWidget* window, const QString& description,
                                     std::vector<ImageHotZone*> places, Reading reading)
    : QObject(window),
      description_(description),
      places_(std::move(places)),
      reading_(std::move(reading)) {
    installImageAccessibility();
    for (ImageHotZone* place : places_) place->leaveOutOfTree();
}

QWidget* AccessibleReadout::window() const {
    return static_cast<QWidget*>(parent());
}

void AccessibleReadout::refresh() {
    QString shown;
    shown.reserve(static_cast<qsizetype>(places_.size()));
    for (const ImageHotZone* place : places_) shown += pictureCharacter(place->imageId());
    QString text = reading_ ? reading_(shown) : plainReading(shown);
    if (text == text_) return;
    text_ = std::move(text);
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
    emit textChanged(text_);
}

QRect AccessibleReadout::area() const {
    QRect area;
    for (const ImageHotZone* place : places_) {
        if (place->geometry().intersects(window()->rect())) area |= place->geometry();
    }
    return area;
}

QString AccessibleReadout::plainReading(const QString& shown) {
    QString text = shown;
    text.remove(QLatin1Char(' '));
    return text;
}

QString AccessibleReadout::frequencyReading(const QString& shown) {
    QString text = plainReading(shown);
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); })) return {};
    QString read;
    for (QChar c : text) {
        if (c == QLatin1Char('.') && (read.isEmpty() || read.endsWith(c))) continue;
        read += c;
    }
    if (read.endsWith(QLatin1Char('.'))) read.chop(1);
    return read + QStringLiteral(" MHz");
}

}  // namespace corvell::ui
