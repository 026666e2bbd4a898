#include "ui/Fonts.h"

#include <QWidget>

#include "resources/StringTable.h"

namespace corvell::ui {
namespace {

void plain(QFont& font) {
    font.setUnderline(false);
    font.setItalic(false);
    font.setStrikeOut(false);
}

}  // namespace

QFont programFont(double size, bool bold) {
    QFont font(kProgramFontName);
    font.setPointSizeF(size);
    font.setBold(bold);
    plain(font);
    return font;
}

QFont localeFont(const LocaleFont& locale, double size) {
    if (!locale.japanese) return programFont(size, false);
    QFont font;
    // The named face where the machine has it, else a Japanese Gothic face that it has.
    font.setFamilies({locale.name, QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPointSizeF(size);
    font.setBold(false);
    plain(font);
    return font;
}

void SetControlFont(QWidget* control, int16_t size, bool bold) {
    control->setFont(programFont(size, bold));
}

void SetLocaleFont14(QWidget* control, const LocaleFont& locale) {
    control->setFont(localeFont(locale, 14));
}

LocaleFont ProgramLocaleFont(bool japanese) {
    constexpr int kLocaleFontNameId = 10100;
    LocaleFont font;
    font.japanese = japanese;
    const QString name =
        res::LoadResString(kLocaleFontNameId + (japanese ? res::kJapaneseOffset : 0));
    if (!name.isEmpty()) font.name = name;
    return font;
}

}  // namespace corvell::ui
