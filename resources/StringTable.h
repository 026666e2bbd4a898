// The program's string table: texts by id, the English ones from 10000, the Japanese ones at
// the same id plus 1000. The caller adds its language offset; this table knows no locale.
// Thread contract: read-only constants; any thread.
#pragma once

#include <QString>

namespace corvell::res {

// The language offset of the Japanese texts.
inline constexpr int kJapaneseOffset = 1000;

// True when the table holds a text for the id.
bool HasResString(int id);

// The text of the id; an empty (null) string when the table has none.
QString LoadResString(int id);

}  // namespace corvell::res
