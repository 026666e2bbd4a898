// The hourglass while a slow step runs: shown by the constructor, the previous cursor back
// when the guard goes out of scope (also on an early return).
// Thread contract: user-interface thread only.
#pragma once

#include <QApplication>
#include <QCursor>

namespace corvell::ui {

class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace corvell::ui
