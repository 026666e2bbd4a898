// Replaces numeric string-resource ids that a window's controls carry with texts of the string
// table (id + LanguageOffset). A control's Tag is its dynamic property "Tag". Labels take the
// text of the id in their Tag, menu items of the id in their caption, tab pages and tool bar
// buttons their tool tips (and tab captions from the tab's data); any other control takes the
// leading number of its Tag as a caption id and of its tool tip as a tool-tip id. Whatever
// holds no number, or names an id with no text, keeps its text.
// Thread contract: user-interface thread only.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace corvell::shell {

void LocalizeControls(QWidget& form);

// The two conversions the rule uses: the whole text as a 16-bit integer, and the leading
// number of the text rounded half to even (0 when there is none).
std::optional<int> strictId(const QString& text);
int leadingId(const QString& text);

}  // namespace corvell::shell
