// The program's fonts: "Arial" (found through fontconfig as a metric-compatible face) at a
// given size and weight, and the locale's font for texts shown in the user's language.
// Thread contract: user-interface thread only.
#pragma once

#include <QFont>
#include <QString>
#include <cstdint>

class QWidget;

namespace corvell::ui {

inline const QString kProgramFontName = QStringLiteral("Arial");

// The font texts in the user's language are shown in: its name (the string table's entry for
// the locale font) and whether the user's locale is Japanese.
struct LocaleFont {
    QString name = kProgramFontName;
    bool japanese = false;
};

// "Arial" at `size` points, bold or not, never underlined, italic or struck through.
QFont programFont(double size, bool bold);
// The locale font under a Japanese locale (with a Japanese face to fall back on), else "Arial".
QFont localeFont(const LocaleFont& locale, double size);

// The program's text font for the user's language: the name the string table gives (id 10100,
// +1000 in Japanese); Arial-compatible when it names none.
LocaleFont ProgramLocaleFont(bool japanese);

void SetControlFont(QWidget* control, int16_t size, bool bold);
inline void SetControlFont8(QWidget* control) {
    SetControlFont(control, 8, false);
}
inline void SetControlFont8Bold(QWidget* control) {
    SetControlFont(control, 8, true);
}
inline void SetControlFont9(QWidget* control) {
    SetControlFont(control, 9, false);
}
inline void SetControlFont9Bold(QWidget* control) {
    SetControlFont(control, 9, true);
}
inline void SetControlFont10Bold(QWidget* control) {
    SetControlFont(control, 10, true);
}
// A plain 14-point locale font.
void SetLocaleFont14(QWidget* control, const LocaleFont& locale);

}  // namespace corvell::ui
