// The font texts in the user's language are shown in: the string table's locale font name for
// the program's locale, and whether that locale is Japanese.
// Thread contract: user-interface thread only.
#pragma once

#include "ui/Fonts.h"

namespace corvell::panels {

ui::LocaleFont ProgramLocaleFont();

}  // namespace corvell::panels
