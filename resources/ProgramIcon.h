// The program's own icon, shown by every window of the program: the title window's picture of
// the receiver, centred on a square so that no title bar stretches it.
// Thread contract: user-interface thread only (QPixmap).
#pragma once

#include <QIcon>

namespace corvell::art {

QIcon programIcon();

}  // namespace corvell::art
