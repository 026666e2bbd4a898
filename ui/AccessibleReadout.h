// A read-out drawn as a row of digit or character pictures, presented to a screen reader as one
// static text: what the row shows, read as a person reads it ("145.000.000 MHz", "123#"). Its
// places are left out of the accessibility tree. refresh() reads the places again; the screen
// reader is told only when the text changes.
// Thread contract: user-interface thread only.
#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

namespace corvell::ui {

class ImageHotZone;

class AccessibleReadout : public QObject {
    Q_OBJECT

  public:
    // Turns the characters the places show (a blank for an empty place) into the text read.
    using Reading = std::function<QString(const QString& shown)>;

    // `window` holds the places and owns the read-out; `description` says what it shows.
    AccessibleReadout(QWidget* window, const QString& description,
                      std::vector<ImageHotZone*> places, Reading reading);

    void refresh();
    const QString& text() const { return text_; }
    const QString& description() const { return description_; }
    QWidget* window() const;
    // The places shown on the window, joined, in window pixels.
    QRect area() const;

    // A frequency: the shown characters without blanks, a run of points read as one and none
    // at either end, with " MHz" ("145.000.000 MHz"; "145.5 MHz" while an entry shows " 145.
    // .  5"); "" when no digit shows.
    static QString frequencyReading(const QString& shown);
    // The shown characters without blanks ("123#").
    static QString plainReading(const QString& shown);

  signals:
    // The new text, each time a screen reader is told of one.
    void textChanged(const QString& text);

  private:
    QString description_;
    std::vector<ImageHotZone*> places_;
    Reading reading_;
    QString text_;
};

}  // namespace corvell::ui
