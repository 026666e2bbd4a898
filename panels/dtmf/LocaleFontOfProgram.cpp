#include "panels/dtmf/LocaleFontOfProgram.h"

#include "core/LocaleProcs.h"
#include "resources/StringTable.h"

namespace corvell::panels {
namespace {

constexpr int kLocaleFontNameId = 10100;

}  // namespace

ui::LocaleFont ProgramLocaleFont() {
    ui::LocaleFont font;
    font.japanese = IsJapaneseLocale();
    const QString name =
        res::LoadResString(kLocaleFontNameId + (font.japanese ? res::kJapaneseOffset : 0));
    if (!name.isEmpty()) font.name = name;
    return font;
}

}  // namespace corvell::panels
