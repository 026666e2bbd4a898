// Shows the busy cursor over the whole program for the life of the object.
// Thread contract: user-interface thread only.
#pragma once

#include <QGuiApplication>

namespace corvell::ui {

class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace corvell::ui
