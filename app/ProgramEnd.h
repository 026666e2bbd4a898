// An end the user did not ask for from the menus is an Exit all the same: SIGTERM, SIGINT,
// SIGHUP and the end of the desktop session take the main window's close path, so settings,
// placement and panel mode are written, the receiver is switched off, and changed channels are
// offered for saving. A second signal while that close is still asking ends without the
// channels: the open prompt answers No, the rest of the close path runs. A session that ends
// without letting the program ask, or an event loop that quits before the window closed, is
// closed the same way with No for an answer. An end asked for while start-up still shows a
// dialog (the first run's COM-port dialog, a box) answers that dialog as its Cancel: after the
// first run's dialog the start goes no further and nothing is written; after any later one
// the start finishes and the end is the Exit. Such an end is not held up by the box that the
// settings could not be written: that is told on standard error only, and a box of that kind
// still open after File > Exit is closed by a request to end.
// Thread contract: user-interface thread only.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

#include "platform/end_signals.h"

class QSessionManager;

namespace corvell {
class SettingsWriteWatch;
}
namespace corvell::shell {
class frmMain;
}

namespace corvell::app {

class ProgramEnd {
  public:
    // Catches the signals from now on; until listen() they only end start-up's dialogs.
    ProgramEnd(shell::frmMain& main, SettingsWriteWatch& settingsWatch);
    ~ProgramEnd();
    // Once start-up is over: an end asked for during it, and every later one, is taken.
    void listen();
    ProgramEnd(const ProgramEnd&) = delete;
    ProgramEnd& operator=(const ProgramEnd&) = delete;

    // One request to end: the close path, or, while that is asking, No to its prompt.
    void request();
    // The close path with No for every prompt it asks.
    void endWithoutAsking();
    bool ending() const { return ending_; }

  private:
    void takeSignals();
    void commitData(QSessionManager& manager);
    void endStart();

    shell::frmMain& main_;
    SettingsWriteWatch& settingsWatch_;
    platform::EndSignals signals_;
    QObject context_;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool ending_ = false;
    bool listening_ = false;
    bool askedWhileStarting_ = false;
};

}  // namespace corvell::app
