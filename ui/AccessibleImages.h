// What the drawn pictures of a panel say to a screen reader, and the accessible interfaces that
// say it: an image hot zone is a button named by its legend, an indicator named by its legend
// and state ("BUSY: on"), or left out of the tree; a read-out is one static text; a window
// holding hot zones lists only the zones in the tree, and its read-outs.
// Thread contract: user-interface thread only.
#pragma once

#include <QChar>
#include <QString>

namespace corvell::ui {

// The character a read-out place shows with a bitmap: the first character of the picture's
// caption; a blank for no picture or a picture without one.
QChar pictureCharacter(int id);

// The state an indicator shows with a bitmap: "off" for no picture or an unlit face; for a lit
// lamp its caption when that says more than the legend, else "on"; for a text or meter picture
// its caption ("FM", "S 3").
QString pictureState(int id, const QString& legend);

// Installs the interfaces once; every hot zone and read-out does so when it is made.
void installImageAccessibility();

}  // namespace corvell::ui
